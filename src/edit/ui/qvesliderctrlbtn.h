#pragma once
// QVESliderCtrlBtn: a draggable handle of the Trim tab's range slider (QVEDualSlider), drawn
// from a four-frame skin image like every skinned button. It does not move itself: it reports
// the drag to its parent, which clamps the position and places it.
//
// The coordinates it reports are where the handle's centre should go, in the parent's
// coordinates: the pointer's position minus where in the handle it was grabbed, so a handle
// does not jump by half its size when the drag starts. GUI thread only.

#include "qnxbasebutton.h"

class QVESliderCtrlBtn : public QNxBaseButton {
    Q_OBJECT
public:
    explicit QVESliderCtrlBtn(const QString& imagePath, QWidget* parent = nullptr);

signals:
    void mouseMove(QMouseEvent* event, int x);
    void mouseMoveY(QMouseEvent* event, int y);
    void mouseDown(QMouseEvent* event);
    void mouseDownY(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);
    void mouseUpY(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the pointer grabbed the handle, relative to its centre.
    QPoint m_grab;
};
