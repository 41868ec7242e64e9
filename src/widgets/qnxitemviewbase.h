#pragma once

#include <QAbstractItemView>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "nxskin.h"
#include "qdelegatestylewidget.h"
#include "qnxbaserectimagedraw.h"
#include "qnxcontrolstyledelegate.h"
#include "qnxscrollbar.h"
#include "qnxviewmodeldrawattribute.h"

// What the skinned list and table views share, on top of their Qt view class: no frame,
// skinned scroll bars, the panel background, pointer tracking (the hovered row is the view's
// "nxHoverRow" property and goes into the model's QNxViewModelDrawAttribute, for delegates),
// an image drawn centred while the view is empty, and the delegates' style widget.
// The subclasses own the signals (moc does not read templates) and hear of changes through
// hoverRowChanged() and currentIndexChanged(). GUI thread only.
template <class View>
class QNxItemViewBase : public View {
public:
    int hoverRow() const { return m_hoverRow; }
    bool setEmptyImage(const QString& path)
    {
        const bool ok = m_empty.setImage(path);
        this->viewport()->update();
        return ok;
    }
    QDelegateStyleWidget* delegateStyle() const { return m_delegateStyle; }

protected:
    // viewClass names the Qt class in the style sheet ("QListView", "QTableView").
    QNxItemViewBase(QWidget* parent, const char* viewClass) : View(parent)
    {
        this->setFrameShape(QFrame::NoFrame);
        this->setMouseTracking(true);
        this->setFont(NxSkin::font(12));
        this->setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, this));
        this->setHorizontalScrollBar(new QNxScrollBar(Qt::Horizontal, this));
        this->setStyleSheet(QStringLiteral("%1{border:none;background:%2;}")
                                .arg(QLatin1String(viewClass), NxSkin::panel().name()));
        m_delegateStyle = new QDelegateStyleWidget(this);
        this->setProperty("nxHoverRow", -1);
    }

    virtual void hoverRowChanged(int row) = 0;
    virtual void currentIndexChanged(const QModelIndex& index) = 0;

    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        View::currentChanged(current, previous);
        currentIndexChanged(current);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        setHoverRow(this->indexAt(event->pos()).row());
        View::mouseMoveEvent(event);
    }
    void leaveEvent(QEvent* event) override
    {
        setHoverRow(-1);
        if (auto* control = qobject_cast<QNxControlStyleDelegate*>(this->itemDelegate()))
            control->clearButtonStates();
        View::leaveEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        View::paintEvent(event);
        QAbstractItemModel* model = this->model();
        if (!m_empty.hasImage() || (model && model->rowCount(this->rootIndex()) > 0))
            return;
        QPainter painter(this->viewport());
        const QSize s = m_empty.frameSize();
        m_empty.draw(painter,
                     QRect((this->viewport()->width() - s.width()) / 2,
                           (this->viewport()->height() - s.height()) / 2, s.width(), s.height()));
    }

private:
    void setHoverRow(int row)
    {
        if (QNxViewModelDrawAttribute* attribute = QNxViewModelDrawAttribute::of(this->model()))
            attribute->setHoverRow(row);
        if (row == m_hoverRow)
            return;
        m_hoverRow = row;
        this->setProperty("nxHoverRow", row);
        this->viewport()->update();
        hoverRowChanged(row);
    }

    QDelegateStyleWidget* m_delegateStyle = nullptr;
    QNxBaseRectImageDraw m_empty;
    int m_hoverRow = -1;
};
