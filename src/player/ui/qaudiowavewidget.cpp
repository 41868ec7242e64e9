#include "qaudiowavewidget.h"

#include <QPainter>

#include <QVarLengthArray>

#include <algorithm>

#include "nxskin.h"

AudioDisplayStyle QAudioWaveWidget::waveStyle()
{
    AudioDisplayStyle s;
    s.kind = AudioDisplayStyle::Line;
    s.barWidth = 2;
    s.cellHeight = 1;
    s.barGap = 6;  // forced to 0 by the line style
    s.cellGap = 1;
    s.peaks = false;
    s.peakGravity = true;
    s.barColor = NxSkin::accent();
    s.peakColor = NxSkin::levelPeak();
    return s;
}

QAudioWaveWidget::QAudioWaveWidget(const AudioDisplayStyle& style, QWidget* parent)
    : QAudioDataWidget(style, parent)
{
}

void QAudioWaveWidget::resizeEvent(QResizeEvent* event)
{
    // Kept blocks were laid out for the old size.
    m_kept.clear();
    QAudioDataWidget::resizeEvent(event);
}

// A column never gets thinner than the bar width, so silence still shows as a line.
void QAudioWaveWidget::buildColumns()
{
    const std::vector<int>& values = meter().values();
    const AudioDisplayStyle& s = meter().style();
    const int centre = height() / 2;
    m_columns.resize(int(values.size()));
    for (size_t b = 0; b < values.size(); ++b) {
        const int spread = qMax(s.barWidth, values[b] * s.cellHeight);
        m_columns[int(b)] = QRect(int(b) * s.barWidth, centre - spread / 2, s.barWidth, spread);
    }
}

void QAudioWaveWidget::paintEvent(QPaintEvent* event)
{
    if (!meter().hasData() || backgroundColor().alpha() != 255 || hasBackgroundPicture()) {
        QAudioDataWidget::paintEvent(event);
        return;
    }
    buildColumns();
    renderImage();
    advanceTrail();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
    finishPaint();
}

void QAudioWaveWidget::paintData(QPainter& painter)
{
    buildColumns();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_kept.size(); ++i) {
        painter.setBrush(NxSkin::waveTrail(i));
        painter.drawRects(m_kept.at(i));
    }
    painter.setBrush(meter().style().barColor);
    painter.drawRects(m_columns);
    advanceTrail();
}

void QAudioWaveWidget::advanceTrail()
{
    if (++m_blocksSinceKept >= kKeepEvery) {
        m_blocksSinceKept = 0;
        m_kept.append(m_columns);
        while (m_kept.size() > kKeptLines)
            m_kept.removeFirst();
    }
}

void QAudioWaveWidget::renderImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() != pixels)
        m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(backgroundColor());

    uchar* const bits = m_image.bits();
    const int stride = m_image.bytesPerLine();
    const int height = m_image.height();
    const auto toPixels = [ratio](int v) { return qRound(v * ratio); };
    // Rows top to bottom inclusive (widget coordinates) of the columns from left to right.
    const auto fill = [&](int left, int right, int top, int bottom, QRgb color) {
        const int last = qMin(height, toPixels(bottom + 1));
        for (int y = qMax(0, toPixels(top)); y < last; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
            std::fill(line + left, line + right, color);
        }
    };
    QVarLengthArray<QRgb, kKeptLines> trail;
    for (int i = 0; i < m_kept.size(); ++i)
        trail.append(NxSkin::waveTrail(i).rgb());
    const QRgb newest = meter().style().barColor.rgb();

    // Every column is centred on the same line, so the newer layers of a column cover one
    // unbroken stretch: going from the newest layer to the oldest, each only adds what reaches
    // beyond that stretch. Far fewer pixels than painting the layers over each other.
    for (int b = 0; b < m_columns.size(); ++b) {
        const QRect& column = m_columns.at(b);
        const int left = qMax(0, toPixels(column.left()));
        const int right = qMin(m_image.width(), toPixels(column.left() + column.width()));
        if (left >= right)
            continue;
        int top = column.top();
        int bottom = column.bottom();
        fill(left, right, top, bottom, newest);
        for (int i = m_kept.size() - 1; i >= 0; --i) {
            if (b >= m_kept.at(i).size())
                continue;
            const QRect& older = m_kept.at(i).at(b);
            if (older.top() < top) {
                fill(left, right, older.top(), top - 1, trail[i]);
                top = older.top();
            }
            if (older.bottom() > bottom) {
                fill(left, right, bottom + 1, older.bottom(), trail[i]);
                bottom = older.bottom();
            }
        }
    }
}
