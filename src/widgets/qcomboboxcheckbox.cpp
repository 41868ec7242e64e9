#include "qcomboboxcheckbox.h"

#include <QHBoxLayout>

#include "qnxcheckbox.h"
#include "qnxcombobox.h"

QComboboxCheckbox::QComboboxCheckbox(const QString& text, QWidget* parent)
    : QNxWidget(parent), m_check(new QNxCheckBox(text, this)), m_combo(new QNxComboBox(this))
{
    setBackgroundColor(QColor());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(m_check);
    layout->addWidget(m_combo, 1);
    m_combo->setEnabled(false);
    connect(m_check, &QAbstractButton::toggled, this, [this](bool on) {
        m_combo->setEnabled(on);
        onChanged();
    });
    connect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QComboboxCheckbox::onChanged);
}

bool QComboboxCheckbox::isChecked() const
{
    return m_check->isChecked();
}

void QComboboxCheckbox::setChecked(bool checked)
{
    m_check->setChecked(checked);
    m_combo->setEnabled(checked);
}

int QComboboxCheckbox::currentIndex() const
{
    return m_combo->currentIndex();
}

void QComboboxCheckbox::onChanged()
{
    emit emitStateChanged(m_check->isChecked(), m_combo->currentIndex());
}
