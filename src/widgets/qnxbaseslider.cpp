#include "qnxbaseslider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "nxskin.h"

namespace {
// Track images have rounded ends of this many pixels that must not stretch.
constexpr int kTrackCap = 3;
}  // namespace

QNxBaseSlider::QNxBaseSlider(QWidget* parent) : QNxBaseSlider(Qt::Horizontal, parent) {}

QNxBaseSlider::QNxBaseSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    if (orientation == Qt::Horizontal) {
        setImages(QStringLiteral("/image/BottomWidget/slider_play_bottom.png"),
                  QStringLiteral("/image/BottomWidget/slider_play_top.png"),
                  QStringLiteral("/image/slider_btn.png"));
    } else {
        setImages(QStringLiteral("/image/slider_bottom.png"),
                  QStringLiteral("/image/slider_top.png"), QStringLiteral("/image/slider_btn.png"));
    }
}

bool QNxBaseSlider::setImages(const QString& bottom, const QString& top, const QString& handle)
{
    const QMargins caps = orientation() == Qt::Horizontal ? QMargins(kTrackCap, 0, kTrackCap, 0)
                                                          : QMargins(0, kTrackCap, 0, kTrackCap);
    bool ok = m_bottom.setImage(bottom, caps);
    ok = m_top.setImage(top, caps) && ok;
    ok = m_handle.setImage(handle) && ok;
    updateGeometry();
    update();
    return ok;
}

double QNxBaseSlider::ratio() const
{
    const int span = maximum() - minimum();
    return span > 0 ? double(value() - minimum()) / span : 0.0;
}

void QNxBaseSlider::setRatio(double ratio)
{
    if (m_dragging || isSliderDown())
        return;
    ratio = qBound(0.0, ratio, 1.0);
    setValue(minimum() + qRound(ratio * (maximum() - minimum())));
}

void QNxBaseSlider::setTrackMargin(int pixels)
{
    m_trackMargin = qMax(0, pixels);
    update();
}

QSize QNxBaseSlider::handleSize() const
{
    return m_handle.hasImage() ? m_handle.frameSize() : QSize(14, 14);
}

QSize QNxBaseSlider::sizeHint() const
{
    const QSize h = handleSize();
    const int thick = qMax(h.height(), m_bottom.frameSize().height());
    if (orientation() == Qt::Horizontal)
        return QSize(160, thick);
    return QSize(qMax(h.width(), m_bottom.frameSize().width()), 120);
}

QSize QNxBaseSlider::minimumSizeHint() const
{
    const QSize h = handleSize();
    return orientation() == Qt::Horizontal ? QSize(3 * h.width(), h.height())
                                           : QSize(h.width(), 3 * h.height());
}

QRect QNxBaseSlider::handleRect() const
{
    const QSize h = handleSize();
    const bool horizontal = orientation() == Qt::Horizontal;
    const int length = (horizontal ? width() : height()) - 2 * m_trackMargin;
    const int travel = qMax(0, length - (horizontal ? h.width() : h.height()));
    double r = ratio();
    if (invertedAppearance())
        r = 1.0 - r;
    const int offset = m_trackMargin + qRound(r * travel);
    if (horizontal)
        return QRect(offset, (height() - h.height()) / 2, h.width(), h.height());
    // Vertical sliders grow upwards: the minimum is at the bottom.
    return QRect((width() - h.width()) / 2, height() - offset - h.height(), h.width(), h.height());
}

int QNxBaseSlider::valueFromPosition(const QPoint& pos) const
{
    const QSize h = handleSize();
    const bool horizontal = orientation() == Qt::Horizontal;
    const int length = (horizontal ? width() : height()) - 2 * m_trackMargin;
    const int handleLength = horizontal ? h.width() : h.height();
    const int travel = length - handleLength;
    if (travel <= 0)
        return minimum();
    const int along = horizontal ? pos.x() : height() - pos.y();
    double r = double(along - m_trackMargin - handleLength / 2) / travel;
    r = qBound(0.0, r, 1.0);
    if (invertedAppearance())
        r = 1.0 - r;
    return minimum() + qRound(r * (maximum() - minimum()));
}

void QNxBaseSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect handle = handleRect();
    const bool horizontal = orientation() == Qt::Horizontal;
    const QSize track = m_bottom.frameSize();
    QRect groove;
    QRect covered;
    if (horizontal) {
        groove = QRect(m_trackMargin, (height() - track.height()) / 2, width() - 2 * m_trackMargin,
                       track.height());
        covered = groove;
        if (invertedAppearance())
            covered.setLeft(handle.center().x());
        else
            covered.setRight(handle.center().x());
    } else {
        groove = QRect((width() - track.width()) / 2, m_trackMargin, track.width(),
                       height() - 2 * m_trackMargin);
        covered = groove;
        if (invertedAppearance())
            covered.setBottom(handle.center().y());
        else
            covered.setTop(handle.center().y());
    }
    m_bottom.draw(painter, groove);
    if (isEnabled())
        m_top.draw(painter, covered);
    m_handle.paint(painter, handle, m_handleState, false);
}

void QNxBaseSlider::setHandleState(int state)
{
    if (!isEnabled())
        state = QNxBaseButtonDraw::Disabled;
    if (state != m_handleState) {
        m_handleState = state;
        update();
    }
}

void QNxBaseSlider::userSetValue(int newValue)
{
    const int before = value();
    setValue(newValue);
    if (value() != before || m_dragging)
        emit sendProgressValue(ratio());
}

void QNxBaseSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    emit sendPressEvent(event);
    m_dragging = true;
    setSliderDown(true);
    setHandleState(QNxBaseButtonDraw::Pressed);
    userSetValue(valueFromPosition(event->pos()));
    event->accept();
}

void QNxBaseSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        const int target = valueFromPosition(event->pos());
        if (target != value()) {
            setSliderPosition(target);
            userSetValue(target);
        }
        return;
    }
    setHandleState(handleRect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                                       : QNxBaseButtonDraw::Normal);
}

void QNxBaseSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = false;
    setSliderDown(false);
    setHandleState(handleRect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                                       : QNxBaseButtonDraw::Normal);
    emit sendReleseEvent(event);
}

void QNxBaseSlider::keyPressEvent(QKeyEvent* event)
{
    const int before = value();
    QSlider::keyPressEvent(event);
    if (value() != before)
        emit sendProgressValue(ratio());
}

void QNxBaseSlider::wheelEvent(QWheelEvent* event)
{
    const int before = value();
    QSlider::wheelEvent(event);
    if (value() != before)
        emit sendProgressValue(ratio());
}

void QNxBaseSlider::leaveEvent(QEvent* event)
{
    if (!m_dragging)
        setHandleState(QNxBaseButtonDraw::Normal);
    QSlider::leaveEvent(event);
}

void QNxBaseSlider::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_handleState = isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
        update();
    }
    QSlider::changeEvent(event);
}
