#pragma once
// QLibraryDelegate: draws the playlist panel's rows (the base row drawing with the section
// headers dimmed and the spacer left empty) and edits a playlist's name in place. A committed
// name is not written into the model: it goes to emitChangeName, and the panel decides
// whether to take it. GUI thread only.

#include "qnxbasestyledelegate.h"

class QLibraryDelegate : public QNxBaseStyleDelegate {
    Q_OBJECT
public:
    explicit QLibraryDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    // index: of the model the view shows; text: the name typed.
    void emitChangeName(const QModelIndex& index, const QString& text) const;

protected:
    void paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const override;
};
