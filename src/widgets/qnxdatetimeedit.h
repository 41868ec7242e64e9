#pragma once

#include <QDateTimeEdit>

class QNxBaseButton;

// The skinned date-time editor: the field of the skinned line edit with the skin's up/down
// arrows in place of the platform spin buttons (they step the current section). User edits
// send emitDateTimeEdited; setDateTime from code does not. GUI thread only.
class QNxDateTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit QNxDateTimeEdit(QWidget* parent = nullptr);
    explicit QNxDateTimeEdit(const QDateTime& dateTime, QWidget* parent = nullptr);

    void setDateTimeSilently(const QDateTime& dateTime);

signals:
    void emitDateTimeEdited(const QDateTime& dateTime);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QNxBaseButton* m_up = nullptr;
    QNxBaseButton* m_down = nullptr;
    bool m_silent = false;
};
