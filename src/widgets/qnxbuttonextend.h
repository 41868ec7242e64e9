#pragma once

#include "qnxbasebutton.h"

// A button with an icon and a text side by side: the icon (one frame, or a four-frame strip
// following the button state) at the left, the text after it. Without a skin strip it draws
// a rounded background in the colour of its state. Used for menu-like entries such as
// "Add New List" and for tab buttons. GUI thread only.
class QNxButtonExtend : public QNxBaseButton {
    Q_OBJECT
public:
    explicit QNxButtonExtend(QWidget* parent = nullptr);

    // `frames` is 1 for a plain icon or 4 for a strip; false if the file is missing.
    bool setIconImage(const QString& path, int frames = 1);
    void setBackgroundColor(int state, const QColor& color);
    void setIconSpacing(int pixels);
    void setContentMargin(int pixels);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_icon;
    int m_iconFrames = 1;
    int m_spacing = 6;
    int m_margin = 8;
    QColor m_background[QNxBaseButtonDraw::kFrameCount];
};
