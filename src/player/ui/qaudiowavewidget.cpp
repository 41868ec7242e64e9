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
    uchar* const bits = target.bits();
    const int stride = target.bytesPerLine();
    const QRgb background = backgroundColor().rgb();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + area.left(), line + area.right() + 1, background);
    }
    const auto toPixels = [ratio](int v) { return qRound(v * ratio); };
    // Rows top to bottom inclusive (widget coordinates) of the columns from left to right
    // (pixels inside the area).
    const auto fill = [&](int left, int right, int top, int bottom, QRgb color) {
        const int last = area.top() + qMin(area.height(), toPixels(bottom + 1));
        for (int y = area.top() + qMax(0, toPixels(top)); y < last; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride) + area.left();
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
        const int right = qMin(area.width(), toPixels(column.left() + column.width()));
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
