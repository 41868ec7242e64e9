#pragma once

#include <QWidget>

#include "qnxbaseboxdraw.h"
#include "qnxbaserectimagedraw.h"

// The skinned plain widget: a panel-coloured background (or a stretched background image)
// with an optional border, Tahoma text. Base of the panels of every window. GUI thread only.
class QNxWidget : public QWidget {
    Q_OBJECT
public:
    explicit QNxWidget(QWidget* parent = nullptr);

    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return m_box.fill(); }
    void setBorderColor(const QColor& color);
    void setRadius(qreal radius);
    // A stretched background image (e.g. "/image/common/bg_gradual.png"); false if missing.
    bool setBackgroundImage(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QNxBaseBoxDraw m_box;
    QNxBaseRectImageDraw m_image;
};
