#pragma once
// QVEDualSlider: the Trim tab's range slider. A horizontal track with three handles: the
// start and end marks (the part between them drawn highlighted) and the play position, which
// may go anywhere. Handles are placed by the pixel rules of DualSliderRange: values given to
// the slider are percentages 0..100, values read from it fractions 0..1 of the track.
//
// Dragging a handle sends its new fraction (sendProgressValue for the start,
// sendEndProgressValue for the end, sendPlayProValue for the position); a press on the bare
// track moves the play position there. Left and Right keys ask for the previous and next
// frame. Setting values from code sends nothing. GUI thread only.

#include <QWidget>

#include "qnxbaserectimagedraw.h"

class QMouseEvent;
class QVESliderCtrlBtn;

class QVEDualSlider : public QWidget {
    Q_OBJECT
public:
    // The three handles' places, in percent of the track.
    struct Value {
        double startPercent = 0.0;
        double endPercent = 100.0;
        double positionPercent = 0.0;
    };

    explicit QVEDualSlider(QWidget* parent = nullptr);

    // Pixels kept free at both ends of the track, so a handle at either end shows whole.
    int margin() const { return m_margin; }
    // The track's usable width W in pixels.
    int usableWidth() const;

    // Fractions 0..1 of the handles.
    double startValue() const;
    double endValue() const;
    double playValue() const;
    // Handle pixels along the track (0..W).
    int startPixel() const { return m_startPx; }
    int endPixel() const { return m_endPx; }
    int playPixel() const { return m_playPx; }

    void setStartValue(double percent);
    void setEndValue(double percent);
    void setPlayValue(double percent);

    QVESliderCtrlBtn* startHandle() const { return m_startBtn; }
    QVESliderCtrlBtn* endHandle() const { return m_endBtn; }
    QVESliderCtrlBtn* playHandle() const { return m_playBtn; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sendProgressValue(double fraction);
    void sendEndProgressValue(double fraction);
    void sendPlayProValue(double fraction);
    void emitPreviousFrame();
    void emitNextFrame();
    void emitMousePress();
    void emitmouseRelease();

public slots:
    // Drags of the start, end and position handles to a centre at x (slider coordinates).
    void btnMouseMove(QMouseEvent* e, int x);
    void btnEndMouseMove(QMouseEvent* e, int x);
    void btnProMouseMove(QMouseEvent* e, int x);
    void btnMousePress();
    void btnMouseRelease();
    void setValue(const QVEDualSlider::Value& value);
    // Shows or hides the start and end handles and the highlighted range.
    void setShowValue(bool flag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // Re-reads the percentages into pixels after a resize, so the marks keep their places.
    void placeHandles();
    void placeHandle(QVESliderCtrlBtn* handle, int pixel);
    QRect trackRect() const;

    QVESliderCtrlBtn* m_startBtn = nullptr;
    QVESliderCtrlBtn* m_endBtn = nullptr;
    QVESliderCtrlBtn* m_playBtn = nullptr;
    QNxBaseRectImageDraw m_track;
    QNxBaseRectImageDraw m_range;
    int m_margin = 0;
    int m_startPx = 0;
    int m_endPx = 0;
    int m_playPx = 0;
    // The handles' places as percentages, kept so a resize does not move the marks.
    Value m_value;
    bool m_showRange = true;
};

Q_DECLARE_METATYPE(QVEDualSlider::Value)
