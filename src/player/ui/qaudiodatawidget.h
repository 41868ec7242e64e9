#pragma once
// A level display: every level block (about every 50 ms from a player or the recorder) becomes
// a row of segmented bars or one line through the bar tops, with optional falling peak
// markers, over a background colour (transparent by default) and an optional centred picture.
// A null block clears it. The arithmetic lives in AudioLevelMeter; this class draws it.
// GUI thread only.

#include <QWidget>

#include "audiolevelmeter.h"

class QTimer;

class QAudioDataWidget : public QWidget {
    Q_OBJECT
public:
    explicit QAudioDataWidget(const AudioDisplayStyle& style, QWidget* parent = nullptr);

    // Transparent by default; an opaque colour makes the display opaque.
    void setBackgroundColor(const QColor& color);
    // A skin image drawn centred behind the bars; false when it does not exist.
    bool setBackgroundPicture(const QString& path);
    // Repaints at least every `ms` while blocks come (0, the default: only per block).
    void setRefreshPeriod(int ms);

    const AudioLevelMeter& meter() const { return m_meter; }

public slots:
    // Takes one level block of `sps` 16-bit values and repaints; true when it is silent.
    bool setAudioData(unsigned char* block, int sps);
    void refreshTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Draws the data of the last block; `painter` is antialiased.
    virtual void paintData(QPainter& painter);
    // Called at the end of every paint: clears the has-data flag and keeps the refresh going.
    void finishPaint();
    // The part of the widget a new block may change: all of it unless a subclass knows better.
    virtual QRect areaToRepaint() const { return rect(); }
    void paintBackground(QPainter& painter);
    const QColor& backgroundColor() const { return m_background; }
    bool hasBackgroundPicture() const { return !m_picture.isNull(); }

private:
    void paintBars(QPainter& painter);
    void paintLine(QPainter& painter);
    void paintPeaks(QPainter& painter);

    AudioLevelMeter m_meter;
    QColor m_background = Qt::transparent;
    QPixmap m_picture;
    QTimer* m_refresh = nullptr;
    int m_refreshMs = 0;
};
