#include "qvedualslider.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

#include "dualsliderrange.h"
#include "qvesliderctrlbtn.h"

using namespace DualSliderRange;

namespace {
constexpr int kTrackHeight = 6;
constexpr int kDefaultWidth = 400;

// The x of a handle's centre inside it, as QRect::center() counts it.
int centreOffset(const QWidget* w)
{
    return (w->width() - 1) / 2;
}
}  // namespace

QVEDualSlider::QVEDualSlider(QWidget* parent) : QWidget(parent)
{
    m_track.setImage(QStringLiteral("/image/EditDlg/slider_background_bottom.png"),
                     QMargins(3, 0, 3, 0));
    m_range.setImage(QStringLiteral("/image/EditDlg/slider_background_up.png"),
                     QMargins(3, 0, 3, 0));
    m_playBtn = new QVESliderCtrlBtn(QStringLiteral("/image/EditDlg/btn_slider_proess.png"), this);
    m_startBtn = new QVESliderCtrlBtn(QStringLiteral("/image/EditDlg/slider_btn.png"), this);
    m_endBtn = new QVESliderCtrlBtn(QStringLiteral("/image/EditDlg/slider_btn.png"), this);
    m_margin = std::max(m_startBtn->width(), m_playBtn->width()) / 2;
    connect(m_startBtn, &QVESliderCtrlBtn::mouseMove, this, &QVEDualSlider::btnMouseMove);
    connect(m_endBtn, &QVESliderCtrlBtn::mouseMove, this, &QVEDualSlider::btnEndMouseMove);
    connect(m_playBtn, &QVESliderCtrlBtn::mouseMove, this, &QVEDualSlider::btnProMouseMove);
    for (QVESliderCtrlBtn* handle : {m_startBtn, m_endBtn, m_playBtn}) {
        connect(handle, &QVESliderCtrlBtn::mouseDown, this, &QVEDualSlider::btnMousePress);
        connect(handle, &QVESliderCtrlBtn::mouseUp, this, &QVEDualSlider::btnMouseRelease);
    }
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(std::max(m_playBtn->height(), m_startBtn->height()));
    retranslate();
    resize(sizeHint());
}

void QVEDualSlider::retranslate()
{
    m_startBtn->setToolTip(tr("Start"));
    m_endBtn->setToolTip(tr("End"));
    m_playBtn->setToolTip(tr("Position"));
    setAccessibleName(tr("Trim range"));
}

int QVEDualSlider::usableWidth() const
{
    return DualSliderRange::usableWidth(width(), m_margin);
}

double QVEDualSlider::startValue() const
{
    return fractionOfPixel(m_startPx, usableWidth());
}

double QVEDualSlider::endValue() const
{
    return fractionOfPixel(m_endPx, usableWidth());
}

double QVEDualSlider::playValue() const
{
    return fractionOfPixel(m_playPx, usableWidth());
}

void QVEDualSlider::setStartValue(double percent)
{
    m_value.startPercent = std::clamp(percent, 0.0, 100.0);
    m_startPx = clampStart(pixelOfPercent(percent, usableWidth()), m_endPx, usableWidth());
    placeHandle(m_startBtn, m_startPx);
}

void QVEDualSlider::setEndValue(double percent)
{
    m_value.endPercent = std::clamp(percent, 0.0, 100.0);
    m_endPx = clampEnd(pixelOfPercent(percent, usableWidth()), m_startPx, usableWidth());
    placeHandle(m_endBtn, m_endPx);
}

void QVEDualSlider::setPlayValue(double percent)
{
    m_value.positionPercent = std::clamp(percent, 0.0, 100.0);
    m_playPx = pixelOfPercent(percent, usableWidth());
    placeHandle(m_playBtn, m_playPx);
}

void QVEDualSlider::setValue(const Value& value)
{
    // Open the range fully first, so neither mark is pushed by the other's old place.
    m_startPx = 0;
    m_endPx = usableWidth();
    setEndValue(value.endPercent);
    setStartValue(value.startPercent);
    setPlayValue(value.positionPercent);
}

void QVEDualSlider::setShowValue(bool flag)
{
    m_showRange = flag;
    m_startBtn->setVisible(flag);
    m_endBtn->setVisible(flag);
    update();
}

void QVEDualSlider::btnMouseMove(QMouseEvent*, int x)
{
    m_startPx = clampStart(x - m_margin, m_endPx, usableWidth());
    m_value.startPercent = startValue() * 100.0;
    placeHandle(m_startBtn, m_startPx);
    emit sendProgressValue(startValue());
}

void QVEDualSlider::btnEndMouseMove(QMouseEvent*, int x)
{
    m_endPx = clampEnd(x - m_margin, m_startPx, usableWidth());
    m_value.endPercent = endValue() * 100.0;
    placeHandle(m_endBtn, m_endPx);
    emit sendEndProgressValue(endValue());
}

void QVEDualSlider::btnProMouseMove(QMouseEvent*, int x)
{
    m_playPx = clampPosition(x - m_margin, usableWidth());
    m_value.positionPercent = playValue() * 100.0;
    placeHandle(m_playBtn, m_playPx);
    emit sendPlayProValue(playValue());
}

void QVEDualSlider::btnMousePress()
{
    emit emitMousePress();
}

void QVEDualSlider::btnMouseRelease()
{
    emit emitmouseRelease();
}

void QVEDualSlider::placeHandle(QVESliderCtrlBtn* handle, int pixel)
{
    handle->move(m_margin + pixel - centreOffset(handle), (height() - handle->height()) / 2);
    update();
}

void QVEDualSlider::placeHandles()
{
    setValue(m_value);
}

QRect QVEDualSlider::trackRect() const
{
    return QRect(m_margin, (height() - kTrackHeight) / 2, usableWidth(), kTrackHeight);
}

QSize QVEDualSlider::sizeHint() const
{
    return QSize(kDefaultWidth, minimumHeight());
}

QSize QVEDualSlider::minimumSizeHint() const
{
    return QSize(4 * m_margin, minimumHeight());
}

void QVEDualSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect track = trackRect();
    m_track.draw(painter, track);
    if (m_showRange && m_endPx > m_startPx) {
        QRect range = track;
        range.setLeft(m_margin + m_startPx);
        range.setRight(m_margin + m_endPx);
        m_range.draw(painter, range);
    }
}

void QVEDualSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeHandles();
}

void QVEDualSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    btnProMouseMove(event, event->pos().x());
}

void QVEDualSlider::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left)
        emit emitPreviousFrame();
    else if (event->key() == Qt::Key_Right)
        emit emitNextFrame();
    else
        QWidget::keyPressEvent(event);
}

void QVEDualSlider::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
