#pragma once

#include <QList>
#include <QMap>

#include "qnxbasestyledelegate.h"

class QNxStyleButton;

// A row delegate with image buttons (QNxStyleButton) in chosen columns, e.g. play, edit and
// delete in the recordings list. Buttons show on the hovered row only unless told otherwise
// (or unless the model's QNxViewModelDrawAttribute says so); mouse events of the view reach
// them through editorEvent, and their tool tips show through helpEvent. GUI thread only.
class QNxControlStyleDelegate : public QNxBaseStyleDelegate {
    Q_OBJECT
public:
    explicit QNxControlStyleDelegate(QObject* parent = nullptr);

    // Adds `button` (the delegate takes ownership) to `column`.
    QNxStyleButton* addButton(int column, QNxStyleButton* button);
    QList<QNxStyleButton*> buttons(int column) const { return m_buttons.value(column); }
    void setButtonsOnHoverOnly(bool hoverOnly) { m_hoverOnly = hoverOnly; }
    // Forgets hover and pressed states of every button (the pointer left the view).
    void clearButtonStates();

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const override;
    bool showsButtons(const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    QMap<int, QList<QNxStyleButton*>> m_buttons;
    bool m_hoverOnly = true;
};
