#pragma once
// The "Repeat" line of the schedule dialog: once, every day, on weekdays or on chosen days of
// the week, with a box per day that shows while "Chosen days" is picked. GUI thread only.

#include "qnxwidget.h"
#include "schedulerepeat.h"

#include <array>

class QComboBox;
class QNxCheckBox;
class QNxComboBox;

class ScheduleRepeatEdit : public QNxWidget {
    Q_OBJECT
public:
    explicit ScheduleRepeatEdit(QWidget* parent = nullptr);

    ScheduleRepeat repeat() const;
    void setRepeat(const ScheduleRepeat& repeat);
    QComboBox* modeBox() const;
    // The box of ISO day `day` (1 = Monday .. 7 = Sunday).
    QNxCheckBox* dayBox(int day) const { return m_days[size_t(day - 1)]; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showDays();

    QNxComboBox* m_mode = nullptr;
    std::array<QNxCheckBox*, 7> m_days{};
};
