#pragma once
// The form of the schedule dialog: "stop after" a length typed as hours, minutes and seconds,
// or a schedule between a start and an end time of day, once or repeated. The two options exclude
// each other. Every change is stored at once through TimeOptions (settings file and run-time copy);
// the dialog's OK confirms the schedule. GUI thread only.

#include "qnxwidget.h"

class QNxCheckBox;
class QNxLineEdit;
class QNxTimeEdit;
class ScheduleRepeatEdit;

class QTimeOptions : public QNxWidget {
    Q_OBJECT
public:
    explicit QTimeOptions(QWidget* parent = nullptr);

    bool scheduleTicked() const;
    bool stopAfterTicked() const;
    QNxCheckBox* stopAfterBox() const { return m_chkManually; }
    QNxCheckBox* scheduleBox() const { return m_chkSchedule; }
    QNxLineEdit* hoursEdit() const { return m_editHours; }
    QNxLineEdit* minutesEdit() const { return m_editMinutes; }
    QNxLineEdit* secondsEdit() const { return m_editSeconds; }
    QNxTimeEdit* startEdit() const { return m_startTime; }
    QNxTimeEdit* endEdit() const { return m_endTime; }
    ScheduleRepeatEdit* repeatEdit() const { return m_repeat; }

public slots:
    void OnChkManually();
    void OnChkSchedule();
    // A stop-after field was edited: out-of-range values are replaced by their limit and the
    // length is stored.
    void ManuallyTimeChange(const QString& text);
    // A schedule time was edited: stored as the start or the end.
    void timeEditChange(const QString& text);

private:
    void buildForm();
    void loadState();
    void enableStopAfterEdits(bool on);
    void enableScheduleEdits(bool on);

    QNxCheckBox* m_chkManually = nullptr;
    QNxCheckBox* m_chkSchedule = nullptr;
    QNxLineEdit* m_editHours = nullptr;
    QNxLineEdit* m_editMinutes = nullptr;
    QNxLineEdit* m_editSeconds = nullptr;
    QNxTimeEdit* m_startTime = nullptr;
    QNxTimeEdit* m_endTime = nullptr;
    ScheduleRepeatEdit* m_repeat = nullptr;
};
