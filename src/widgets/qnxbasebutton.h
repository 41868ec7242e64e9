#pragma once

#include <QAbstractButton>
#include <QMargins>

#include "qnxbasebuttondraw.h"

// The skinned image button. Its state is 0 normal, 1 hover, 2 pressed, 3 disabled: a
// disabled button is always 3; entering sets 1, leaving 0; a press sets 2 and the release 1
// when the pointer is still over the button, else 0. Painted from a four-frame strip
// (QNxBaseButtonDraw) with the text of the button drawn on top in the state's colour.
// Loading an image resizes the button to one frame. GUI thread only.
class QNxBaseButton : public QAbstractButton {
    Q_OBJECT
public:
    // Labelled skin images keep their icon in this many pixels at the left.
    static constexpr int kIconTextMargin = 40;

    explicit QNxBaseButton(QWidget* parent = nullptr);
    QNxBaseButton(const QString& imagePath, QWidget* parent = nullptr);

    // Loads the strip (a skin path such as "/image/btn_close.png" or an existing file) and
    // resizes the button to one frame; returns false and changes nothing when it is missing.
    bool setImage(const QString& path);
    QString imagePath() const { return m_imagePath; }
    const QNxBaseButtonDraw& drawer() const { return m_draw; }

    int state() const { return m_state; }
    void setTextColor(int state, const QColor& color);
    void setTextColors(const QColor& normal, const QColor& hover, const QColor& pressed,
                       const QColor& disabled);
    // Space kept free of text inside the button (e.g. the icon of a labelled image).
    void setTextMargins(const QMargins& margins);
    void setTextAlignment(Qt::Alignment alignment);
    void setFontPixelSize(int pixelSize);
    // The cursor shown while the pointer is over the button.
    void setHoverCursor(Qt::CursorShape shape);

    QSize sizeHint() const override;

signals:
    void emitStateChanged(int state);

protected:
    void setState(int state);
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Draws the text in `color` inside the text rectangle; subclasses may draw more.
    virtual void paintText(QPainter& painter, const QColor& color);
    QRect textRect() const;

    QNxBaseButtonDraw m_draw;

private:
    int m_state = QNxBaseButtonDraw::Normal;
    QString m_imagePath;
    QMargins m_textMargins;
    Qt::Alignment m_textAlignment = Qt::AlignCenter;
    Qt::CursorShape m_hoverCursor = Qt::PointingHandCursor;
};
