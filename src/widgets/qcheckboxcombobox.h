#pragma once

#include "qnxcombobox.h"

class QStandardItemModel;

// A skinned combo box whose entries are check boxes: clicking an entry toggles it and keeps
// the list open; the box shows the checked entries joined by ", " (or the placeholder text
// when none is checked). GUI thread only.
class QCheckboxCombobox : public QNxComboBox {
    Q_OBJECT
public:
    explicit QCheckboxCombobox(QWidget* parent = nullptr);

    int addCheckItem(const QString& text, const QVariant& value = QVariant(), bool checked = false);
    void setItemChecked(int index, bool checked);
    bool isItemChecked(int index) const;
    QList<int> checkedIndexes() const;
    QVariantList checkedData() const;
    void setNoneText(const QString& text);

signals:
    void emitCheckedChanged();

protected:
    QString displayText() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStandardItemModel* m_model = nullptr;
    QString m_noneText;
};
