#pragma once
// The waveform form of the level display (recording display, Trim tab): every bar's level
// spreads half above and half below a centre line, as a column of the bar width in the bar
// colour, so a loud block fills the height and silence is a flat line along the centre. The
// few blocks before the newest stay behind it in dim colours, so the display shows a short
// trace of the sound rather than a jumping edge.
//
// Drawn with solid axis-aligned rectangles: 20 frames a second of a window-wide wave cost a
// fraction of a millisecond each, where stroking the same outline with a 2-pixel antialiased
// pen costs several. GUI thread only.

#include <QVector>

#include <QRect>

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
    void paintData(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The columns of the newest block into m_columns.
    void buildColumns();

    QVector<QRect> m_columns;
    QVector<QVector<QRect>> m_kept;
    int m_blocksSinceKept = 0;
};
