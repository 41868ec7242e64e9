#pragma once

#include <QSlider>

#include "qnxbasebuttondraw.h"
#include "qnxbaserectimagedraw.h"

// The skinned slider: a track image stretched along the slider, the part from the minimum to
// the handle covered by the "top" image, and the handle from a four-frame strip (normal,
// hover, pressed while dragged, disabled). A press anywhere on the track moves the handle
// there. User changes (press, drag, keys, wheel) report the position as a ratio 0..1 through
// sendProgressValue; changes made by code do not. GUI thread only.
class QNxBaseSlider : public QSlider {
    Q_OBJECT
public:
    explicit QNxBaseSlider(QWidget* parent = nullptr);
    explicit QNxBaseSlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Skin paths of the track, the covered track and the handle strip. Missing files leave
    // the previous image; the return value says whether all three were found.
    bool setImages(const QString& bottom, const QString& top, const QString& handle);
    // (value - minimum) / (maximum - minimum), 0 for an empty range.
    double ratio() const;
    // Moves the handle to `ratio` of the range without reporting it; ignored while the user
    // holds the handle, so a playing position does not fight the drag.
    void setRatio(double ratio);
    int handleState() const { return m_handleState; }
    // Pixels kept free at both ends of the track.
    void setTrackMargin(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void sendProgressValue(double ratio);
    void sendPressEvent(QMouseEvent* event);
    void sendReleseEvent(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize handleSize() const;
    // The handle rectangle for the current value.
    QRect handleRect() const;
    int valueFromPosition(const QPoint& pos) const;
    void setHandleState(int state);
    void userSetValue(int value);

    QNxBaseRectImageDraw m_bottom;
    QNxBaseRectImageDraw m_top;
    QNxBaseButtonDraw m_handle;
    int m_handleState = QNxBaseButtonDraw::Normal;
    int m_trackMargin = 0;
    bool m_dragging = false;
};
