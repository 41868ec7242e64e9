#pragma once

#include <QCheckBox>

#include "qnxbasebuttondraw.h"

// The skinned check box: the indicator from the four-frame strip "/image/common/checkbox.png"
// (a checked box shows the pressed frame), the text at its right in the state's colour.
// States follow the button rules (0 normal, 1 hover, 2 pressed, 3 disabled). GUI thread only.
class QNxCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit QNxCheckBox(QWidget* parent = nullptr);
    explicit QNxCheckBox(const QString& text, QWidget* parent = nullptr);

    bool setIndicatorImage(const QString& path);
    int state() const { return m_state; }
    void setTextColor(int state, const QColor& color);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setState(int state);

    QNxBaseButtonDraw m_draw;
    int m_state = QNxBaseButtonDraw::Normal;
    int m_spacing = 7;
};
