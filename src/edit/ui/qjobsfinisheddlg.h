#pragma once
// QJobsFinishedDlg: the warning before the machine goes to sleep or shuts down after the last
// conversion job: "The computer will ... in N seconds." with "Cancel". It follows an
// EndOfJobsAction: it shows the count as it falls and closes when the countdown ends; Cancel,
// Escape and the close button cancel the countdown. GUI thread only.

#include "endofjobsaction.h"
#include "qnxdialogex.h"

class QLabel;
class QNxBaseButton;

class QJobsFinishedDlg : public QNxDialogEx {
    Q_OBJECT
public:
    QJobsFinishedDlg(EndOfJobsAction* action, QWidget* parent = nullptr);

    QString text() const;
    QNxBaseButton* cancelButton() const { return m_btnCancel; }

public slots:
    void OnBtnClose() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCount(int seconds);

    EndOfJobsAction* m_action;
    EndOfJobsAction::Action m_shown = EndOfJobsAction::Action::None;
    QLabel* m_lblText = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
};
