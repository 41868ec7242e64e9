#include "qnxcontrolstyledelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

#include "qnxstylebutton.h"
#include "qnxviewmodeldrawattribute.h"

QNxControlStyleDelegate::QNxControlStyleDelegate(QObject* parent) : QNxBaseStyleDelegate(parent) {}

QNxStyleButton* QNxControlStyleDelegate::addButton(int column, QNxStyleButton* button)
{
    button->setParent(this);
    m_buttons[column].append(button);
    return button;
}

void QNxControlStyleDelegate::clearButtonStates()
{
    for (const QList<QNxStyleButton*>& list : qAsConst(m_buttons)) {
        for (QNxStyleButton* button : list)
            button->clearState();
    }
}

bool QNxControlStyleDelegate::showsButtons(const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    bool hoverOnly = m_hoverOnly;
    if (const QNxViewModelDrawAttribute* attribute = QNxViewModelDrawAttribute::of(index.model()))
        hoverOnly = hoverOnly && attribute->buttonsOnHoverOnly();
    return !hoverOnly || isHoverRow(option, index);
}

void QNxControlStyleDelegate::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const QList<QNxStyleButton*> list = m_buttons.value(index.column());
    if (list.isEmpty()) {
        QNxBaseStyleDelegate::paintContent(painter, option, index);
        return;
    }
    if (!showsButtons(option, index))
        return;
    for (QNxStyleButton* button : list)
        button->paint(painter, option, index);
}

bool QNxControlStyleDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                          const QStyleOptionViewItem& option,
                                          const QModelIndex& index)
{
    const QList<QNxStyleButton*> list = m_buttons.value(index.column());
    bool consumed = false;
    if (event->type() == QEvent::MouseMove) {
        // A move over another cell ends the hover of buttons in other columns.
        for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
            if (it.key() != index.column()) {
                for (QNxStyleButton* button : it.value())
                    button->clearState();
            }
        }
    }
    if (showsButtons(option, index)) {
        for (QNxStyleButton* button : list)
            consumed = button->handleEvent(event, option, index) || consumed;
    }
    if (consumed) {
        if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
            view->viewport()->update();
        return true;
    }
    return QNxBaseStyleDelegate::editorEvent(event, model, option, index);
}

bool QNxControlStyleDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                        const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip) {
        for (QNxStyleButton* button : m_buttons.value(index.column())) {
            if (button->isVisible() && !button->toolTip().isEmpty() &&
                button->buttonRect(option.rect).contains(event->pos())) {
                QToolTip::showText(event->globalPos(), button->toolTip(), view);
                return true;
            }
        }
    }
    return QNxBaseStyleDelegate::helpEvent(event, view, option, index);
}
