#pragma once
// QConvertProgressDlg: "Converting", the progress of the running conversion job (0-100) on the
// skinned bar, and "Cancel". Cancel and the close button both go through onClose(), which
// closes the window and emits emitCancel(); the recordings list then stops the job.
// The list shows it when a job starts and hides it when the job ends. GUI thread only.

#include "qnxdialogex.h"

class QLabel;
class QNxBaseButton;
class QNxBaseProgress;

class QConvertProgressDlg : public QNxDialogEx {
    Q_OBJECT
public:
    explicit QConvertProgressDlg(QWidget* parent = nullptr);

    void setProgress(int percent);
    int progress() const;
    // The file being written, shown above the bar.
    void setFileName(const QString& name);
    QNxBaseButton* cancelButton() const { return m_btnCancel; }
    QNxBaseProgress* progressBar() const { return m_progress; }

signals:
    void emitCancel();

public slots:
    void onClose();
    // The close button cancels, as "Cancel" does.
    void OnBtnClose() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* m_lblFile = nullptr;
    QLabel* m_lblPercent = nullptr;
    QNxBaseProgress* m_progress = nullptr;
    QNxBaseButton* m_btnCancel = nullptr;
};
