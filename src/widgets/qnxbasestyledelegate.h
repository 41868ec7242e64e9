#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

#include "qdelegatestylewidget.h"

// Base delegate of the skinned views: draws the row background (alternating shade, the
// hovered row, the selected row), the decoration icon and the text elided at the right in
// Tahoma, aligned by the model's text alignment. Colours come from a QDelegateStyleWidget
// when one is set, else from the theme. Hover is taken from the view (QNxListView /
// QNxTableView) or from the model's QNxViewModelDrawAttribute. GUI thread only.
class QNxBaseStyleDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit QNxBaseStyleDelegate(QObject* parent = nullptr);

    void setStyleWidget(QDelegateStyleWidget* widget) { m_style = widget; }
    void setAlternatingRows(bool alternating) { m_alternating = alternating; }
    void setTextPadding(int pixels) { m_padding = pixels; }
    void setFontPixelSize(int pixels) { m_fontPixelSize = pixels; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Whether the row of `index` is the one under the pointer in the view drawing it.
    static bool isHoverRow(const QStyleOptionViewItem& option, const QModelIndex& index);

protected:
    virtual void paintBackground(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const;
    virtual void paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const;
    QColor textColorFor(const QStyleOptionViewItem& option) const;
    QColor backgroundFor(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    QPointer<QDelegateStyleWidget> m_style;
    bool m_alternating = false;
    int m_padding = 8;
    int m_fontPixelSize = 12;
};
