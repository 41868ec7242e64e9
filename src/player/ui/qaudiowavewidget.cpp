#include "qaudiowavewidget.h"

#include <QPaintEngine>
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
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (QImage* target = unclippedTarget(painter, pixels)) {
        // Straight into the window's image: saves copying a widget-sized image every frame.
        const QTransform t = painter.deviceTransform();
        renderInto(*target, QRect(QPoint(qRound(t.dx()), qRound(t.dy())), pixels), ratio);
    } else {
        if (m_image.size() != pixels)
            m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        renderInto(m_image, m_image.rect(), ratio);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    advanceTrail();
    finishPaint();
}

// The image the painter writes to, when this widget covers a plain 32-bit area of it that no
// other widget overlaps (the system clip holds all of it) and nothing but an offset lies
// between the two: the raster back end painting a widget into its window's image. Otherwise
// (a pixmap, a printer, a scaled or partly covered widget) nothing.
QImage* QAudioWaveWidget::unclippedTarget(QPainter& painter, const QSize& pixels) const
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* target = static_cast<QImage*>(device);
    if (target->format() != QImage::Format_RGB32 &&
        target->format() != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || !qFuzzyCompare(t.m11(), devicePixelRatioF()) ||
        !qFuzzyCompare(t.m22(), devicePixelRatioF()))
        return nullptr;
    const QRect area(QPoint(qRound(t.dx()), qRound(t.dy())), pixels);
    const QRegion clip = engine->systemClip();
    if (!target->rect().contains(area) || !QRegion(area).subtracted(clip).isEmpty())
        return nullptr;
    return target;
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

void QAudioWaveWidget::renderInto(QImage& target, const QRect& area, qreal ratio)
{
    uchar* const bits = target.bits() + area.top() * target.bytesPerLine();
    const int stride = target.bytesPerLine();
    const QRgb background = backgroundColor().rgb();
    const auto toPixels = [ratio](int v) { return qRound(v * ratio); };
    const int rows = area.height();
    // Rows [first, last) of the pixel columns [left, right) of the area.
    const auto fill = [&](int left, int right, int first, int last, QRgb color) {
        first = qMax(first, 0);
        last = qMin(last, rows);
        uchar* row = bits + first * stride + (area.left() + left) * int(sizeof(QRgb));
        for (int y = first; y < last; ++y, row += stride) {
            QRgb* pixel = reinterpret_cast<QRgb*>(row);
            for (int x = left; x < right; ++x)
                *pixel++ = color;
        }
    };
    QVarLengthArray<QRgb, kKeptLines> trail;
    for (int i = 0; i < m_kept.size(); ++i)
        trail.append(NxSkin::waveTrail(i).rgb());
    const QRgb newest = meter().style().barColor.rgb();

    // Every column is centred on the same line, so the newer layers of a column cover one
    // unbroken stretch: going from the newest layer to the oldest, each only adds what reaches
    // beyond that stretch, and the background takes the rest. Each pixel is written once.
    int covered = 0;  // pixel columns drawn so far, from the left
    for (int b = 0; b < m_columns.size(); ++b) {
        const QRect& column = m_columns.at(b);
        const int left = qMax(covered, toPixels(column.left()));
        const int right = qMin(area.width(), toPixels(column.left() + column.width()));
        if (left >= right)
            continue;
        if (left > covered)
            fill(covered, left, 0, rows, background);
        covered = right;
        int top = toPixels(column.top());
        int bottom = toPixels(column.bottom() + 1);
        fill(left, right, top, bottom, newest);
        for (int i = m_kept.size() - 1; i >= 0; --i) {
            if (b >= m_kept.at(i).size())
                continue;
            const QRect& older = m_kept.at(i).at(b);
            const int olderTop = toPixels(older.top());
            const int olderBottom = toPixels(older.bottom() + 1);
            if (olderTop < top) {
                fill(left, right, olderTop, top, trail[i]);
                top = olderTop;
            }
            if (olderBottom > bottom) {
                fill(left, right, bottom, olderBottom, trail[i]);
                bottom = olderBottom;
            }
        }
        fill(left, right, 0, top, background);
        fill(left, right, bottom, rows, background);
    }
    if (covered < area.width())
        fill(covered, area.width(), 0, rows, background);
}
