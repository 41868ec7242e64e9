#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

// Paints a skinned button from a strip of four equal frames side by side: normal, hover,
// pressed, disabled. A checked button shows the pressed frame. Also keeps the text colour
// of each state. Used by QNxBaseButton and by buttons drawn inside views. GUI thread only.
class QNxBaseButtonDraw {
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };
    static constexpr int kFrameCount = 4;

    QNxBaseButtonDraw();

    // Loads the strip when the file exists (see NxSkin::resolveImage); returns false and
    // keeps the previous image otherwise.
    bool setImage(const QString& path);
    void setPixmap(const QPixmap& pixmap);
    bool hasImage() const { return !m_image.isNull(); }
    const QPixmap& image() const { return m_image; }
    // One frame: the image width divided by 4 (integer division) by the image height.
    QSize frameSize() const;
    // The source rectangle of `frame` inside an image of `imageSize`.
    static QRect frameRect(const QSize& imageSize, int frame);

    void setTextColor(int state, const QColor& color);
    QColor textColor(int state) const;
    // The frame a button in `state` shows: the pressed frame when checked, else the state.
    static int frameFor(int state, bool checked);

    // Draws the frame for `state` into `target` (nothing without an image). A state outside
    // 0..3 draws the whole image unscaled at the target's top left. Returns the text colour
    // that goes with the frame.
    QColor paint(QPainter& painter, const QRect& target, int state, bool checked) const;

private:
    QPixmap m_image;
    QColor m_textColors[kFrameCount];
};
