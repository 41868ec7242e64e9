#include "qaudiowavewidget.h"

#include <QPainter>

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
    // Kept lines were drawn for the old size.
    m_kept.clear();
    QAudioDataWidget::resizeEvent(event);
}

// Each bar's level swings the line alternately above and below the centre, by half the level,
// so a loud block fills the height and silence lies flat on the centre line.
QPainterPath QAudioWaveWidget::waveform() const
{
    const std::vector<int>& values = meter().values();
    const double centre = height() / 2.0;
    const int step = meter().style().barWidth;
    QPainterPath path(QPointF(0, centre));
    for (size_t b = 0; b < values.size(); ++b) {
        const double swing = values[b] * meter().style().cellHeight / 2.0;
        path.lineTo(double(b) * step, b % 2 ? centre + swing : centre - swing);
    }
    return path;
}

void QAudioWaveWidget::paintData(QPainter& painter)
{
    const AudioDisplayStyle& s = meter().style();
    const QPainterPath line = waveform();
    for (int i = 0; i < m_kept.size(); ++i) {
        QPen kept(NxSkin::waveTrail(i), s.barWidth * kKeptPenFactor);
        painter.strokePath(m_kept.at(i), kept);
    }
    QPen pen(s.barColor, s.barWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.strokePath(line, pen);

    if (++m_blocksSinceKept >= kKeepEvery) {
        m_blocksSinceKept = 0;
        m_kept.append(line);
        while (m_kept.size() > kKeptLines)
            m_kept.removeFirst();
    }
}
