#pragma once

#include "qnxdialog.h"

class QPropertyAnimation;

// The skinned dialog with the application logo before its title and an animated close: the
// window fades out before the dialog finishes, so closing a large dialog does not flash.
// GUI thread only.
class QNxDialogEx : public QNxDialog {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 160;

    explicit QNxDialogEx(QWidget* parent = nullptr);

    void setLogoVisible(bool visible);
    bool isLogoVisible() const { return m_logoVisible; }
    // Fades the window out, then finishes with `result` (QDialog::done). A second call while
    // fading only changes the result.
    void closeAnimated(int result);
    bool isClosing() const { return m_closingResult >= 0; }

public slots:
    void OnBtnClose() override;

protected:
    int titleTextLeft() const override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPropertyAnimation* m_fade = nullptr;
    bool m_logoVisible = true;
    int m_closingResult = -1;
};
