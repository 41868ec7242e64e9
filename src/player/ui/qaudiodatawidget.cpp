#include "qaudiodatawidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "nxskin.h"

QAudioDataWidget::QAudioDataWidget(const AudioDisplayStyle& style, QWidget* parent)
    : QWidget(parent), m_meter(style)
{
}

void QAudioDataWidget::setBackgroundColor(const QColor& color)
{
    m_background = color;
    // An opaque display paints every pixel itself, so what is behind it needs no repaint for
    // each block.
    setAttribute(Qt::WA_OpaquePaintEvent, color.alpha() == 255);
    update();
}

bool QAudioDataWidget::setBackgroundPicture(const QString& path)
{
    m_picture = NxSkin::pixmap(path);
    update();
    return !m_picture.isNull();
}

void QAudioDataWidget::setRefreshPeriod(int ms)
{
    m_refreshMs = qMax(0, ms);
    if (m_refreshMs > 0 && !m_refresh) {
        m_refresh = new QTimer(this);
        m_refresh->setSingleShot(true);
        connect(m_refresh, &QTimer::timeout, this, &QAudioDataWidget::refreshTimer);
    }
}

bool QAudioDataWidget::setAudioData(unsigned char* block, int sps)
{
    const bool silent = m_meter.takeBlock(block, sps);
    update(areaToRepaint());
    return silent;
}

void QAudioDataWidget::refreshTimer()
{
    update();
}

void QAudioDataWidget::showEvent(QShowEvent* event)
{
    m_meter.resize(width(), height());
    QWidget::showEvent(event);
}

void QAudioDataWidget::resizeEvent(QResizeEvent* event)
{
    m_meter.resize(width(), height());
    QWidget::resizeEvent(event);
}

void QAudioDataWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintBackground(painter);
    if (m_meter.hasData()) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintData(painter);
    }
    finishPaint();
}

void QAudioDataWidget::paintBackground(QPainter& painter)
{
    if (m_background.alpha() > 0)
        painter.fillRect(rect(), m_background);
    if (!m_picture.isNull()) {
        const QSize size = m_picture.size() / m_picture.devicePixelRatio();
        painter.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, m_picture);
    }
}

void QAudioDataWidget::paintData(QPainter& painter)
{
    if (m_meter.style().kind == AudioDisplayStyle::Line)
        paintLine(painter);
    else
        paintBars(painter);
    if (m_meter.style().peaks)
        paintPeaks(painter);
}

void QAudioDataWidget::finishPaint()
{
    m_meter.clearHasData();
    if (m_refresh && m_refreshMs > 0 && !m_refresh->isActive())
        m_refresh->start(m_refreshMs / 2);
}

void QAudioDataWidget::paintBars(QPainter& painter)
{
    const AudioDisplayStyle& s = m_meter.style();
    painter.setPen(s.barColor);
    painter.setBrush(s.barColor);
    const std::vector<int>& values = m_meter.values();
    for (size_t b = 0; b < values.size(); ++b) {
        const int x = int(b) * (s.barWidth + s.barGap);
        for (int c = 0; c < values[b]; ++c) {
            const int bottom = height() - c * (s.cellHeight + s.cellGap);
            const QRectF cell(x, bottom - s.cellHeight, s.barWidth, s.cellHeight);
            painter.drawRoundedRect(cell, s.cornerRadius, s.cornerRadius);
        }
    }
}

void QAudioDataWidget::paintLine(QPainter& painter)
{
    const AudioDisplayStyle& s = m_meter.style();
    const std::vector<int>& values = m_meter.values();
    if (values.empty())
        return;
    QPainterPath path(QPointF(0, height() - s.cellHeight * values[0]));
    for (size_t b = 0; b < values.size(); ++b)
        path.lineTo(int(b) * s.barWidth, height() - s.cellHeight * values[b]);
    painter.setPen(QPen(s.barColor, s.barWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void QAudioDataWidget::paintPeaks(QPainter& painter)
{
    const AudioDisplayStyle& s = m_meter.style();
    const std::vector<int>& peaks = m_meter.peaks();
    for (size_t b = 0; b < peaks.size(); ++b) {
        if (peaks[b] > 0) {
            const int x = int(b) * (s.barWidth + s.barGap);
            painter.fillRect(QRect(x, height() - peaks[b] - 1, s.barWidth, 1), s.peakColor);
        }
    }
}
