#pragma once
// The waveform form of the level display (recording display, Trim tab): the bar values drawn as
// a line that swings above and below a centre line, with the few lines before it kept behind
// in dim colours, so the display shows a short trace of the sound rather than a jumping edge.
// GUI thread only.

#include <QList>
#include <QPainterPath>

#include "qaudiodatawidget.h"

class QAudioWaveWidget : public QAudioDataWidget {
    Q_OBJECT
public:
    // Earlier lines kept behind the newest one.
    static constexpr int kKeptLines = 6;
    // A line is kept every this many blocks, so the trace spans kKeptLines * kKeepEvery blocks.
    static constexpr int kKeepEvery = 2;
    // Kept lines are drawn with this fraction of the pen width.
    static constexpr double kKeptPenFactor = 0.25;

    // The style of the recording display and the Trim tab: a 2-pixel line in the accent colour.
    static AudioDisplayStyle waveStyle();

    explicit QAudioWaveWidget(const AudioDisplayStyle& style = waveStyle(),
                              QWidget* parent = nullptr);

    // The kept lines, oldest first.
    const QList<QPainterPath>& keptLines() const { return m_kept; }

protected:
    void paintData(QPainter& painter) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPainterPath waveform() const;

    QList<QPainterPath> m_kept;
    int m_blocksSinceKept = 0;
};
