#include "qcheckboxcombobox.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStandardItemModel>

QCheckboxCombobox::QCheckboxCombobox(QWidget* parent)
    : QNxComboBox(parent), m_model(new QStandardItemModel(this)), m_noneText(tr("None"))
{
    setModel(m_model);
    view()->viewport()->installEventFilter(this);
    connect(m_model, &QStandardItemModel::itemChanged, this, [this] {
        update();
        emit emitCheckedChanged();
    });
}

int QCheckboxCombobox::addCheckItem(const QString& text, const QVariant& value, bool checked)
{
    auto* item = new QStandardItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setData(value, Qt::UserRole);
    item->setData(checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    m_model->appendRow(item);
    update();
    return m_model->rowCount() - 1;
}

void QCheckboxCombobox::setItemChecked(int index, bool checked)
{
    if (QStandardItem* item = m_model->item(index))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool QCheckboxCombobox::isItemChecked(int index) const
{
    const QStandardItem* item = m_model->item(index);
    return item && item->checkState() == Qt::Checked;
}

QList<int> QCheckboxCombobox::checkedIndexes() const
{
    QList<int> rows;
    for (int i = 0; i < m_model->rowCount(); ++i) {
        if (isItemChecked(i))
            rows.append(i);
    }
    return rows;
}

QVariantList QCheckboxCombobox::checkedData() const
{
    QVariantList values;
    for (int row : checkedIndexes())
        values.append(m_model->item(row)->data(Qt::UserRole));
    return values;
}

void QCheckboxCombobox::setNoneText(const QString& text)
{
    m_noneText = text;
    update();
}

QString QCheckboxCombobox::displayText() const
{
    QStringList names;
    for (int row : checkedIndexes())
        names.append(m_model->item(row)->text());
    return names.isEmpty() ? m_noneText : names.join(QStringLiteral(", "));
}

bool QCheckboxCombobox::eventFilter(QObject* watched, QEvent* event)
{
    // Toggle on release and swallow it, so the list stays open for more choices.
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view()->indexAt(me->pos());
        if (index.isValid()) {
            setItemChecked(index.row(), !isItemChecked(index.row()));
            return true;
        }
    }
    return QNxComboBox::eventFilter(watched, event);
}
