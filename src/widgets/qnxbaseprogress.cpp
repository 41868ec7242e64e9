#include "qnxbaseprogress.h"

#include <QPainter>

#include "nxskin.h"
#include "qnxbaseboxdraw.h"

QNxBaseProgress::QNxBaseProgress(QWidget* parent) : QProgressBar(parent)
{
    setFont(NxSkin::font(11));
    setTextVisible(false);
    setImages(QStringLiteral("/image/BottomWidget/slider_play_bottom.png"),
              QStringLiteral("/image/BottomWidget/slider_play_top.png"));
}

bool QNxBaseProgress::setImages(const QString& bottom, const QString& top)
{
    // Track images have rounded ends; keep them from stretching.
    const QMargins caps =
        orientation() == Qt::Horizontal ? QMargins(3, 0, 3, 0) : QMargins(0, 3, 0, 3);
    bool ok = m_bottom.setImage(bottom, caps);
    ok = m_top.setImage(top, caps) && ok;
    update();
    return ok;
}

double QNxBaseProgress::ratio() const
{
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0 || value() < minimum())
        return 0.0;
    return qBound(0.0, double(qint64(value()) - minimum()) / double(span), 1.0);
}

QRect QNxBaseProgress::doneRect() const
{
    const double r = ratio();
    if (orientation() == Qt::Horizontal) {
        const int w = qRound(r * width());
        return invertedAppearance() ? QRect(width() - w, 0, w, height()) : QRect(0, 0, w, height());
    }
    const int h = qRound(r * height());
    return invertedAppearance() ? QRect(0, 0, width(), h) : QRect(0, height() - h, width(), h);
}

QSize QNxBaseProgress::sizeHint() const
{
    const int thick = m_bottom.hasImage() ? m_bottom.frameSize().height() : 6;
    return orientation() == Qt::Horizontal ? QSize(160, qMax(thick, isTextVisible() ? 16 : 0))
                                           : QSize(qMax(thick, 6), 100);
}

QSize QNxBaseProgress::minimumSizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(20, sizeHint().height())
                                           : QSize(sizeHint().width(), 20);
}

void QNxBaseProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect done = doneRect();
    const qreal radius = qMin(width(), height()) / 2.0;
    if (m_bottom.hasImage())
        m_bottom.draw(painter, rect());
    else
        QNxBaseBoxDraw(QColor(44, 47, 58), QColor(), radius).draw(painter, rect());
    if (!done.isEmpty()) {
        if (m_top.hasImage())
            m_top.draw(painter, done);
        else
            QNxBaseBoxDraw(NxSkin::accent(), QColor(), radius).draw(painter, done);
    }
    if (isTextVisible() && !text().isEmpty()) {
        painter.setPen(NxSkin::textBright());
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}
