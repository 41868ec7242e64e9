#pragma once

#include <QWidget>

#include "qnxbaseboxdraw.h"

// A widget painted entirely by code: a box background, then drawContent() of the subclass.
// Keeps whether the pointer is over it so subclasses can draw a hover look. GUI thread only.
class QBaseDrawWidget : public QWidget {
    Q_OBJECT
public:
    explicit QBaseDrawWidget(QWidget* parent = nullptr);

    QNxBaseBoxDraw& background() { return m_background; }
    bool isHovered() const { return m_hovered; }

protected:
    // Draws the content over the background; `area` is the widget rectangle.
    virtual void drawContent(QPainter& painter, const QRect& area);
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QNxBaseBoxDraw m_background;
    bool m_hovered = false;
};
