#pragma once
// The waveform form of the level display (recording display, Trim tab): every bar's level
// spreads half above and half below a centre line, as a column of the bar width in the bar
// colour, so a loud block fills the height and silence is a flat line along the centre. The
// few blocks before the newest stay behind it in dim colours, so the display shows a short
// trace of the sound rather than a jumping edge.
//
// Drawn as solid axis-aligned columns. Over an opaque background the visible part of each
// column is written straight into the window's image when nothing else covers the widget, or
// else into an image of its own that is then copied in one piece: the seven layers of a
// window-wide wave are some 2,500 columns, and filling each through the painter costs more
// than the rest of the frame. Over a transparent background or a picture they go through the
// painter.
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

private:
    // The columns of the newest block into m_columns.
    void buildColumns();
    // Keeps the newest columns behind the next blocks every kKeepEvery blocks.
    void advanceTrail();
    QImage* unclippedTarget(QPainter& painter, const QSize& pixels) const;
    // Background, kept columns and newest columns into `area` (device pixels) of `target`.
    void renderInto(QImage& target, const QRect& area, qreal ratio);

    QImage m_image;

    QVector<QRect> m_columns;
    QVector<QVector<QRect>> m_kept;
    int m_blocksSinceKept = 0;
};
