#pragma once

#include <QLineEdit>

// The skinned line edit: a dark rounded field whose border lights up in the accent colour on
// hover and focus, Tahoma 12 px, with ready-made validators for number fields and file names.
// Sends emitFocusOut when it loses the focus (after the validator's fixup). GUI thread only.
class QNxLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit QNxLineEdit(QWidget* parent = nullptr);
    explicit QNxLineEdit(const QString& text, QWidget* parent = nullptr);

    // Whole numbers from `minimum` to `maximum`, zero-padded to `padWidth` digits on fixup.
    void setNumberRange(int minimum, int maximum, int padWidth = 0);
    // Names usable as file names (see QNxFileNameValidator).
    void setFileNameInput();
    // Left/right inner margins of the text in pixels.
    void setTextPadding(int left, int right);

signals:
    void emitFocusOut(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applySkin();

    int m_paddingLeft = 6;
    int m_paddingRight = 6;
};
