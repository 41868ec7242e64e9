#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qnxbasebuttondraw.h"

// The drawing and state machine shared by the skinned check box and radio button: the indicator
// from a four-frame strip (a marked button shows the pressed frame), the text at its right in the
// state's colour. States follow the button rules (0 normal, 1 hover, 2 pressed, 3 disabled).
// Base is QCheckBox or QRadioButton; the subclass says when the button counts as marked.
// GUI thread only.
template <class Base>
class QNxIndicatorButton : public Base {
public:
    bool setIndicatorImage(const QString& path)
    {
        const bool ok = m_draw.setImage(path);
        this->updateGeometry();
        this->update();
        return ok;
    }
    int state() const { return m_state; }
    void setTextColor(int state, const QColor& color)
    {
        m_draw.setTextColor(state, color);
        this->update();
    }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(this->font());
        const QString text = this->text();
        const int textWidth = text.isEmpty() ? 0 : m_spacing + fm.horizontalAdvance(text) + 2;
        return QSize(indicatorSize().width() + textWidth,
                     qMax(indicatorSize().height(), fm.height()) + 4);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    QNxIndicatorButton(const QString& text, const QString& indicatorImage, QWidget* parent)
        : Base(text, parent)
    {
        this->setFont(NxSkin::font(12));
        this->setMouseTracking(true);
        this->setCursor(Qt::PointingHandCursor);
        m_draw.setTextColor(QNxBaseButtonDraw::Pressed, NxSkin::text());
        setIndicatorImage(indicatorImage);
    }

    virtual bool isMarked() const = 0;

    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QSize indicator = indicatorSize();
        const QRect box(0, (this->height() - indicator.height()) / 2, indicator.width(),
                        indicator.height());
        const bool marked = isMarked();
        QColor color = m_draw.paint(painter, box, m_state, marked);
        if (m_state == QNxBaseButtonDraw::Disabled)
            color = m_draw.textColor(QNxBaseButtonDraw::Disabled);
        else if (marked && m_state == QNxBaseButtonDraw::Hover)
            color = m_draw.textColor(QNxBaseButtonDraw::Hover);
        if (this->text().isEmpty())
            return;
        painter.setFont(this->font());
        painter.setPen(color);
        const QRect area(box.right() + 1 + m_spacing, 0, this->width() - box.width() - m_spacing,
                         this->height());
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(this->text(), Qt::ElideRight,
                                                          area.width()));
    }

    void enterEvent(QEvent* event) override
    {
        Base::enterEvent(event);
        setState(QNxBaseButtonDraw::Hover);
    }

    void leaveEvent(QEvent* event) override
    {
        Base::leaveEvent(event);
        setState(QNxBaseButtonDraw::Normal);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            setState(QNxBaseButtonDraw::Pressed);
        Base::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            setState(this->rect().contains(event->pos()) ? QNxBaseButtonDraw::Hover
                                                         : QNxBaseButtonDraw::Normal);
        Base::mouseReleaseEvent(event);
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            m_state = this->isEnabled() ? QNxBaseButtonDraw::Normal : QNxBaseButtonDraw::Disabled;
            this->update();
        }
        Base::changeEvent(event);
    }

private:
    QSize indicatorSize() const { return m_draw.hasImage() ? m_draw.frameSize() : QSize(16, 16); }

    void setState(int state)
    {
        if (!this->isEnabled())
            state = QNxBaseButtonDraw::Disabled;
        if (state != m_state) {
            m_state = state;
            this->update();
        }
    }

    QNxBaseButtonDraw m_draw;
    int m_state = QNxBaseButtonDraw::Normal;
    int m_spacing = 7;
};
