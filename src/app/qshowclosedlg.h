#pragma once
// The question the main window asks when it is closed: minimise to the tray or exit, and
// whether to ask again. The choice preselected is the stored close behaviour ("CLOSE_ITEM" /
// "bIsCloseDlg": "Y" = exit). OK accepts, Cancel and the close button reject; storing the
// answer is the caller's. GUI thread only.

#include "qnxdialog.h"

class QNxBaseButton;
class QNxCheckBox;
class QNxRadioButton;

class QShowCloseDlg : public QNxDialog {
    Q_OBJECT
public:
    explicit QShowCloseDlg(QWidget* parent = nullptr);

    bool exitChosen() const;
    bool dontShowAgain() const;

    QNxRadioButton* minimizeButton() const { return m_radMinimize; }
    QNxRadioButton* exitButton() const { return m_radExit; }
    QNxCheckBox* noteBox() const { return m_chkNote; }
    QNxBaseButton* okButton() const { return m_btnOk; }
    QNxBaseButton* cancelButton() const { return m_btnCancel; }

private:
    QNxRadioButton* m_radMinimize = nullptr;
    QNxRadioButton* m_radExit = nullptr;
    QNxCheckBox* m_chkNote = nullptr;
    QNxBaseButton* m_btnOk = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
};
