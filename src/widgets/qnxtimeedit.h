#pragma once

#include <QTime>

#include "qnxwidget.h"

class QNxBaseButton;
class QNxLineEdit;

// The skinned time editor: a line edit with an input mask for the display format ("hh:mm:ss"
// by default, or "hh:mm:ss.zzz") and up/down arrows ("/image/common/time_edit_arrow_up.png",
// "time_edit_arrow_down.png") that step the section under the cursor; Up/Down keys and the
// wheel do the same. Typing that would make an impossible time (minutes above 59, a time
// outside the range) is undone. User edits send emitTimeEdited with the text and
// emitTimeChanged with the time; setTime() from code sends neither. GUI thread only.
class QNxTimeEdit : public QNxWidget {
    Q_OBJECT
public:
    enum Section { HourSection = 0, MinuteSection, SecondSection, MsecSection };

    explicit QNxTimeEdit(QWidget* parent = nullptr);

    // "hh:mm:ss" or "hh:mm:ss.zzz"; the time is kept.
    void setDisplayFormat(const QString& format);
    QString displayFormat() const { return m_format; }
    void setTime(const QTime& time);
    QTime time() const { return m_time; }
    QString text() const;
    void setTimeRange(const QTime& minimum, const QTime& maximum);
    QTime minimumTime() const { return m_minimum; }
    QTime maximumTime() const { return m_maximum; }
    // The section the cursor is in.
    Section currentSection() const;
    void setCurrentSection(Section section);
    // Adds `steps` units of `section` (clamped to the range) as a user edit.
    void stepBy(int steps, Section section);
    QNxLineEdit* lineEdit() const { return m_edit; }

    QSize sizeHint() const override;

signals:
    void emitTimeEdited(const QString& text);
    void emitTimeChanged(const QTime& time);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onTextEdited();
    QTime parse(const QString& text) const;
    void showTime(const QTime& time);
    void userChange(const QTime& time);

    QNxLineEdit* m_edit = nullptr;
    QNxBaseButton* m_up = nullptr;
    QNxBaseButton* m_down = nullptr;
    QString m_format;
    QTime m_time{0, 0, 0};
    QTime m_minimum{0, 0, 0};
    QTime m_maximum{23, 59, 59, 999};
};
