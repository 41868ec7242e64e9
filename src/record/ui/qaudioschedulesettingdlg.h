#pragma once
// The dialog "Record time options": the QTimeOptions form with OK and Cancel. OK stores the
// schedule's times and repeat, sets the run-time schedule flag when the schedule is ticked and its
// times differ, tells the main window (emitSetSchedule) and closes. GUI thread only.

#include "qnxdialog.h"

class QNxBaseButton;
class QTimeOptions;

class QAudioScheduleSettingDlg : public QNxDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 330;
    static constexpr int kHeight = 220;

    explicit QAudioScheduleSettingDlg(QWidget* parent = nullptr);

    QTimeOptions* timeOptions() const { return m_options; }
    QNxBaseButton* okButton() const { return m_btnOk; }
    QNxBaseButton* cancelButton() const { return m_btnCancel; }

signals:
    void emitSetSchedule();

public slots:
    void OnBtnOk();

private:
    QTimeOptions* m_options = nullptr;
    QNxBaseButton* m_btnOk = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
};
