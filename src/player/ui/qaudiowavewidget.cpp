#include "qaudiowavewidget.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <QVarLengthArray>

#include <algorithm>
#include <climits>

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
    m_envelopeRatio = 0;
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
        QPoint origin;
        QRect dirty;
        if (QImage* target = windowImage(&origin, &dirty)) {
            // Straight into the window's image, without a painter to set up.
            renderInto(*target, origin, dirty, ratio);
        } else {
            const QSize pixels = (QSizeF(size()) * ratio).toSize();
            if (m_image.size() != pixels)
                m_image = QImage(pixels, QImage::Format_RGB32);
            m_image.setDevicePixelRatio(ratio);
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
        m_envelopeRatio = 0;
        while (m_kept.size() > kKeptLines) {
            m_kept.removeFirst();
            m_keptSpread.removeFirst();
        }
    }
}

namespace {

// Logical to device pixels. Whole ratios (1, 2) scale by an integer product: this runs for
// every column and layer of every frame.
struct DevicePixels {
    explicit DevicePixels(qreal r)
        : ratio(r), whole(qFuzzyCompare(r, qreal(qRound(r))) ? qRound(r) : 0)
    {
    }
    int operator()(int v) const { return whole ? v * whole : qRound(v * ratio); }
    qreal ratio;
    int whole;
};

}  // namespace

void QAudioWaveWidget::buildTrailEnvelope(qreal ratio)
{
    const DevicePixels toPixels(ratio);
    int columns = 0;
    for (const QVector<QRect>& kept : qAsConst(m_kept))
        columns = qMax(columns, kept.size());
    m_envelope.clear();
    m_envelopeStart.assign(size_t(columns) + 1, 0);
    for (int b = 0; b < columns; ++b) {
        int top = INT_MAX, bottom = INT_MIN;  // empty until a kept block has this column
        for (int k = m_kept.size() - 1; k >= 0; --k) {
            const QVector<QRect>& kept = m_kept.at(k);
            if (b >= kept.size())
                continue;
            const int keptTop = toPixels(kept.at(b).top());
            const int keptBottom = toPixels(kept.at(b).bottom() + 1);
            if (keptTop >= top && keptBottom <= bottom)
                continue;  // hidden behind the newer kept blocks
            top = qMin(top, keptTop);
            bottom = qMax(bottom, keptBottom);
            m_envelope.push_back({top, bottom, NxSkin::waveTrail(k).rgb()});
        }
        m_envelopeStart[size_t(b) + 1] = int(m_envelope.size());
    }
    m_envelopeRatio = ratio;
}

void QAudioWaveWidget::renderInto(QImage& target, const QPoint& origin, const QRect& dirty,
                                  qreal ratio)
{
    const int stride = target.bytesPerLine();
    const int pitch = stride / int(sizeof(QRgb));
    uchar* const bits = target.bits() + origin.y() * stride + origin.x() * int(sizeof(QRgb));
    const QRgb background = backgroundColor().rgb();
    const DevicePixels toPixels(ratio);
    if (m_envelopeRatio != ratio)
        buildTrailEnvelope(ratio);
    const int envelopeColumns = int(m_envelopeStart.size()) - 1;
    const QRgb newest = meter().style().barColor.rgb();
    const int x0 = dirty.left(), x1 = dirty.right() + 1;
    const int y0 = dirty.top(), y1 = dirty.bottom() + 1;
    // The background first, row by row: the rows come into the cache in the order the memory
    // holds them, which the columns going down one at a time would not do.
    for (int y = y0; y < y1; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + x0, x1 - x0, background);

    // Every column is centred on the same line, so the layers of a column nest: from the top
    // of `dirty` down, each kept block from the oldest in, the newest block, and the kept
    // blocks out again.
    for (int b = 0; b < m_columns.size(); ++b) {
        const QRect& column = m_columns.at(b);
        const int left = qMax(x0, toPixels(column.left()));
        const int right = qMin(x1, toPixels(column.left() + column.width()));
        if (left >= right)
            continue;
        const int top = toPixels(column.top());
        const int bottom = toPixels(column.bottom() + 1);
        // The pixel column goes down in runs of one colour; columns are narrow (two pixels at
        // a ratio of 1), so each row is written directly rather than through a fill.
        const int width = right - left;
        QRgb* const columnBits = reinterpret_cast<QRgb*>(bits) + left;
        int y = y0;  // rows of this column done so far, from the top
        const auto downTo = [&](int end, QRgb c) {
            end = qMin(end, y1);
            if (end <= y)
                return;
            QRgb* p = columnBits + y * pitch;
            if (width == 2) {
                for (int rows = end - y; rows > 0; --rows, p += pitch)
                    p[0] = p[1] = c;
            } else {
                for (int rows = end - y; rows > 0; --rows, p += pitch)
                    std::fill_n(p, width, c);
            }
            y = end;
        };
        const auto skipTo = [&](int end) { y = qMax(y, qMin(end, y1)); };
        // The kept blocks that show in this column, innermost first.
        const Span* first = nullptr;
        const Span* last = nullptr;
        if (b < envelopeColumns) {
            first = m_envelope.data() + m_envelopeStart[size_t(b)];
            last = m_envelope.data() + m_envelopeStart[size_t(b) + 1];
        }
        if (first != last) {
            skipTo(qMin(last[-1].top, top));
            for (const Span* s = last - 1; s != first; --s)
                downTo(qMin(s[-1].top, top), s->colour);
            downTo(top, first->colour);
        }
        skipTo(top);
        downTo(bottom, newest);
        for (const Span* s = first; s != last; ++s)
            downTo(s->bottom, s->colour);
    }
}
