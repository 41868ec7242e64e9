#pragma once

#include <QMargins>
#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

// Draws a skin image into a rectangle of any size: the borders given by the margins keep
// their size and the middle stretches, so rounded tracks and backgrounds stay crisp.
// With several frames (a strip), one frame is drawn the same way. GUI thread only.
class QNxBaseRectImageDraw {
public:
    QNxBaseRectImageDraw() = default;
    explicit QNxBaseRectImageDraw(const QString& path, const QMargins& fixed = QMargins(),
                                  int frames = 1);

    bool setImage(const QString& path, const QMargins& fixed = QMargins(), int frames = 1);
    bool hasImage() const { return !m_image.isNull(); }
    QSize frameSize() const;
    int frames() const { return m_frames; }
    void draw(QPainter& painter, const QRect& target, int frame = 0) const;

private:
    QPixmap m_image;
    QMargins m_fixed;
    int m_frames = 1;
};
