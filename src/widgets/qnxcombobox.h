#pragma once

#include <QComboBox>

#include "qnxbasebuttondraw.h"

class QNxComboBoxItem;

// The skinned combo box: a rounded dark box whose border follows the state (normal, hover,
// pressed while the list is open, disabled), the current text elided at the right, and the
// arrow from the four-frame strip "/image/common/combo_arrow.png". Its pop-up list uses
// QNxComboBoxItem rows and a skinned scroll bar. GUI thread only.
class QNxComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit QNxComboBox(QWidget* parent = nullptr);

    int state() const { return m_state; }
    QNxComboBoxItem* itemDelegateNx() const { return m_delegate; }
    void showPopup() override;
    void hidePopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // The text shown in the box; subclasses may show something else than the current item.
    virtual QString displayText() const;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void setState(int state);

private:
    QNxBaseButtonDraw m_arrow;
    QNxComboBoxItem* m_delegate = nullptr;
    int m_state = QNxBaseButtonDraw::Normal;
    bool m_popupOpen = false;
};
