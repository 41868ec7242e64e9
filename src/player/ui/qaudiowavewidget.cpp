#include "qaudiowavewidget.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

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
    // Kept blocks were laid out for the old size, and the whole widget is repainted.
    m_kept.clear();
    m_keptSpread.clear();
    m_shownSpread = height();
    QAudioDataWidget::resizeEvent(event);
}

// A column never gets thinner than the bar width, so silence still shows as a line.
void QAudioWaveWidget::buildColumns()
{
    const std::vector<int>& values = meter().values();
    const AudioDisplayStyle& s = meter().style();
    const int centre = height() / 2;
    m_columns.resize(int(values.size()));
    m_columnsSpread = 0;
    for (size_t b = 0; b < values.size(); ++b) {
        const int spread = qMax(s.barWidth, values[b] * s.cellHeight);
        m_columns[int(b)] = QRect(int(b) * s.barWidth, centre - spread / 2, s.barWidth, spread);
        m_columnsSpread = qMax(m_columnsSpread, spread);
    }
}

int QAudioWaveWidget::drawnSpread() const
{
    int spread = m_columnsSpread;
    for (const int kept : m_keptSpread)
        spread = qMax(spread, kept);
    return spread;
}

// One pixel more on each side, for the rounding of fractional device pixel ratios.
QRect QAudioWaveWidget::band(int spread) const
{
    const int top = height() / 2 - spread / 2 - 1;
    return QRect(0, top, width(), spread + 3) & rect();
}

QRect QAudioWaveWidget::areaToRepaint() const
{
    // What the window shows, and what the next paint draws: the new block over the kept ones.
    int spread = m_shownSpread;
    if (meter().hasData()) {
        const AudioDisplayStyle& s = meter().style();
        for (const int value : meter().values())
            spread = qMax(spread, qMax(s.barWidth, value * s.cellHeight));
        for (const int kept : m_keptSpread)
            spread = qMax(spread, kept);
    }
    return band(spread);
}

void QAudioWaveWidget::paintEvent(QPaintEvent* event)
{
    // What the window showed outside this paint stays, so it still counts.
    const bool coversShown = QRegion(band(m_shownSpread)).subtracted(event->region()).isEmpty();
    m_paintedSpread = 0;
    if (!meter().hasData() || backgroundColor().alpha() != 255 || hasBackgroundPicture()) {
        QAudioDataWidget::paintEvent(event);
    } else {
        buildColumns();
        m_paintedSpread = drawnSpread();
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        if (m_image.size() != pixels)
            m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        QPoint origin;
        QRect dirty;
        if (QImage* target = windowImage(&origin, &dirty)) {
            // Into the window's image without a painter to set up. The columns go down the
            // rows of an image of our own, which stays in the cache from frame to frame; the
            // window's image, which the display server reads, is then written row by row.
            renderInto(m_image, QPoint(0, 0), dirty, ratio);
            copyRows(m_image, dirty, *target, origin + dirty.topLeft());
        } else {
            renderInto(m_image, QPoint(0, 0), m_image.rect(), ratio);
            QPainter(this).drawImage(QPoint(0, 0), m_image);
        }
        advanceTrail();
        finishPaint();
    }
    m_shownSpread = coversShown ? m_paintedSpread : qMax(m_shownSpread, m_paintedSpread);
}

// The image this paint goes to, when the raster back end paints the widget straight into a
// plain 32-bit image (the window's, or one given to render()) with nothing but an offset in
// between and asks for one unbroken rectangle of it (the system clip holds all of its
// bounding rectangle). Then `origin` is where the widget lies in the image and `dirty` the
// asked part, both in device pixels. Otherwise (a pixmap, a printer, a shared painter, a
// region of several pieces) nothing.
QImage* QAudioWaveWidget::windowImage(QPoint* origin, QRect* dirty) const
{
    QPoint offset;
    QPaintDevice* device = sharedPainter() ? nullptr : redirected(&offset);
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* target = static_cast<QImage*>(device);
    const qreal ratio = devicePixelRatioF();
    QPaintEngine* engine = target->paintEngine();
    if ((target->format() != QImage::Format_RGB32 &&
         target->format() != QImage::Format_ARGB32_Premultiplied) ||
        !qFuzzyCompare(target->devicePixelRatioF(), ratio) || !engine || engine->isActive())
        return nullptr;
    // The redirection offset is the widget's position negated, in device-independent pixels.
    const QRect area(QPoint(qRound(-offset.x() * ratio), qRound(-offset.y() * ratio)),
                     (QSizeF(size()) * ratio).toSize());
    const QRegion clip = engine->systemClip();
    const QRect asked = clip.boundingRect() & area & target->rect();
    if (asked.isEmpty() || !QRegion(asked).subtracted(clip).isEmpty())
        return nullptr;
    *origin = area.topLeft();
    *dirty = asked.translated(-area.topLeft());
    return target;
}

void QAudioWaveWidget::copyRows(const QImage& source, const QRect& part, QImage& target,
                                const QPoint& to)
{
    const int bytes = part.width() * int(sizeof(QRgb));
    for (int y = 0; y < part.height(); ++y)
        std::memcpy(target.scanLine(to.y() + y) + to.x() * int(sizeof(QRgb)),
                    source.constScanLine(part.top() + y) + part.left() * int(sizeof(QRgb)), bytes);
}

void QAudioWaveWidget::paintData(QPainter& painter)
{
    buildColumns();
    m_paintedSpread = drawnSpread();
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
        m_keptSpread.append(m_columnsSpread);
        while (m_kept.size() > kKeptLines) {
            m_kept.removeFirst();
            m_keptSpread.removeFirst();
        }
    }
}

void QAudioWaveWidget::renderInto(QImage& target, const QPoint& origin, const QRect& dirty,
                                  qreal ratio)
{
    const int stride = target.bytesPerLine();
    uchar* const bits = target.bits() + origin.y() * stride + origin.x() * int(sizeof(QRgb));
    const QRgb background = backgroundColor().rgb();
    // Whole ratios (1, 2) scale by an integer product: this runs for every column and layer.
    const int wholeRatio = qFuzzyCompare(ratio, qreal(qRound(ratio))) ? qRound(ratio) : 0;
    const auto toPixels = [ratio, wholeRatio](int v) {
        return wholeRatio ? v * wholeRatio : qRound(v * ratio);
    };
    const int x0 = dirty.left(), x1 = dirty.right() + 1;
    const int y0 = dirty.top(), y1 = dirty.bottom() + 1;
    // Rows [first, last) of the pixel columns [left, right) of the widget, within `dirty`.
    const auto fill = [&](int left, int right, int first, int last, QRgb color) {
        left = qMax(left, x0);
        right = qMin(right, x1);
        first = qMax(first, y0);
        last = qMin(last, y1);
        if (left >= right)
            return;
        uchar* row = bits + first * stride + left * int(sizeof(QRgb));
        for (int y = first; y < last; ++y, row += stride)
            std::fill_n(reinterpret_cast<QRgb*>(row), right - left, color);
    };
    QVarLengthArray<QRgb, kKeptLines> trail;
    for (int i = 0; i < m_kept.size(); ++i)
        trail.append(NxSkin::waveTrail(i).rgb());
    const QRgb newest = meter().style().barColor.rgb();

    // Every column is centred on the same line, so the newer layers of a column cover one
    // unbroken stretch: going from the newest layer to the oldest, each only adds what reaches
    // beyond that stretch, and the background takes the rest. Each pixel is written once.
    int covered = x0;  // pixel columns drawn so far, from the left
    for (int b = 0; b < m_columns.size() && covered < x1; ++b) {
        const QRect& column = m_columns.at(b);
        const int left = qMax(covered, toPixels(column.left()));
        const int right = qMin(x1, toPixels(column.left() + column.width()));
        if (left >= right)
            continue;
        if (left > covered)
            fill(covered, left, y0, y1, background);
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
        fill(left, right, y0, top, background);
        fill(left, right, bottom, y1, background);
    }
    if (covered < x1)
        fill(covered, x1, y0, y1, background);
}
