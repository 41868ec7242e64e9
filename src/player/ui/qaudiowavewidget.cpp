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

    if (++m_blocksSinceKept >= kKeepEvery) {
        m_blocksSinceKept = 0;
        m_kept.append(m_columns);
        while (m_kept.size() > kKeptLines)
            m_kept.removeFirst();
    }
}
