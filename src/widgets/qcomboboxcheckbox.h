#pragma once

#include "qnxwidget.h"

class QNxCheckBox;
class QNxComboBox;

// A check box followed by a combo box whose choice only applies while the box is checked:
// the combo box is enabled exactly when the check box is checked (e.g. "Split at silence"
// with the length to wait). GUI thread only.
class QComboboxCheckbox : public QNxWidget {
    Q_OBJECT
public:
    explicit QComboboxCheckbox(const QString& text = QString(), QWidget* parent = nullptr);

    QNxCheckBox* checkBox() const { return m_check; }
    QNxComboBox* comboBox() const { return m_combo; }
    bool isChecked() const;
    void setChecked(bool checked);
    int currentIndex() const;

signals:
    // Sent when the check box or the chosen entry changes.
    void emitStateChanged(bool checked, int index);

private:
    void onChanged();

    QNxCheckBox* m_check = nullptr;
    QNxComboBox* m_combo = nullptr;
};
