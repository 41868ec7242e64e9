#pragma once
// The waveform form of the level display (recording display, Trim tab): every bar's level
// spreads half above and half below a centre line, as a column of the bar width in the bar
// colour, so a loud block fills the height and silence is a flat line along the centre. The
// few blocks before the newest stay behind it in dim colours, so the display shows a short
// trace of the sound rather than a jumping edge.
//
// Drawn as solid axis-aligned columns. Over an opaque background each column's visible part
// is filled into an image of our own (some 2,500 columns for the seven layers of a
// window-wide wave: through the painter they would cost more than the rest of the frame),
// which then goes row by row straight into the window's image when the window asks for one
// unbroken rectangle of it, with no painter at all, or else through the painter in one piece.
// Over a transparent background or a picture the columns go through the painter.
// A block repaints only the band around the centre line that the last picture or the new
// block reaches: above and below it both pictures are background. On a recording display
// that band is usually a fraction of the height, and a frame costs that much less.
// GUI thread only.

#include <QImage>
#include <QRect>
#include <QVector>

#include "qaudiodatawidget.h"

class QAudioWaveWidget : public QAudioDataWidget {
    Q_OBJECT
public:
    // Earlier blocks kept behind the newest one.
    static constexpr int kKeptLines = 6;
    // A block is kept every this many blocks, so the trace spans kKeptLines * kKeepEvery blocks.
    static constexpr int kKeepEvery = 2;

    // The style of the recording display and the Trim tab: 2-pixel columns in the accent colour.
    static AudioDisplayStyle waveStyle();

    explicit QAudioWaveWidget(const AudioDisplayStyle& style = waveStyle(),
                              QWidget* parent = nullptr);

    // The kept blocks' columns, oldest first.
    const QVector<QVector<QRect>>& keptLines() const { return m_kept; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintData(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;
    QRect areaToRepaint() const override;

private:
    // The columns of the newest block into m_columns.
    void buildColumns();
    // Keeps the newest columns behind the next blocks every kKeepEvery blocks.
    void advanceTrail();
    // The tallest column of the newest block and of the kept ones.
    int drawnSpread() const;
    // The rows around the centre line that columns up to `spread` pixels tall cover.
    QRect band(int spread) const;
    QImage* windowImage(QPoint* origin, QRect* dirty) const;
    // Background, kept columns and newest columns into the part `dirty` (device pixels,
    // relative to the widget) of the widget placed at `origin` in `target`.
    void renderInto(QImage& target, const QPoint& origin, const QRect& dirty, qreal ratio);
    static void copyRows(const QImage& source, const QRect& part, QImage& target, const QPoint& to);

    QImage m_image;

    QVector<QRect> m_columns;
    int m_columnsSpread = 0;
    QVector<QVector<QRect>> m_kept;
    QVector<int> m_keptSpread;
    int m_blocksSinceKept = 0;
    // How tall a column the window may still show from earlier paints: nothing beyond the band
    // of that spread differs from the background.
    int m_shownSpread = 0;
    int m_paintedSpread = 0;  // set by the paint under way
};
