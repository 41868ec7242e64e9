#include "qnxlineedit.h"

#include <QFocusEvent>

#include "nxskin.h"
#include "qnxfilenamevalidator.h"
#include "qnxnumbervalidator.h"

QNxLineEdit::QNxLineEdit(QWidget* parent) : QNxLineEdit(QString(), parent) {}

QNxLineEdit::QNxLineEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    setFont(NxSkin::font(12));
    setMinimumHeight(28);
    applySkin();
}

void QNxLineEdit::applySkin()
{
    setStyleSheet(
        QStringLiteral(
            "QLineEdit{background:rgb(32,33,41);border:1px solid rgb(54,57,70);border-radius:4px;"
            "color:rgb(214,216,224);padding:0px %1px 0px %2px;"
            "selection-background-color:rgb(61,170,228);selection-color:white;}"
            "QLineEdit:hover,QLineEdit:focus{border-color:rgb(61,170,228);}"
            "QLineEdit:disabled{background:rgb(26,27,33);border-color:rgb(37,39,47);"
            "color:rgb(92,96,108);}")
            .arg(m_paddingRight)
            .arg(m_paddingLeft));
}

void QNxLineEdit::setNumberRange(int minimum, int maximum, int padWidth)
{
    auto* validator = new QNxNumberValidator(minimum, maximum, this);
    validator->setPadWidth(padWidth);
    setValidator(validator);
}

void QNxLineEdit::setFileNameInput()
{
    setValidator(new QNxFileNameValidator(this));
    setMaxLength(QNxFileNameValidator::kMaxBytes);
}

void QNxLineEdit::setTextPadding(int left, int right)
{
    m_paddingLeft = left;
    m_paddingRight = right;
    applySkin();
}

void QNxLineEdit::focusOutEvent(QFocusEvent* event)
{
    // QLineEdit only fixes up on Return; a field left with the mouse gets the same fix.
    if (const QValidator* v = validator()) {
        QString value = text();
        int pos = cursorPosition();
        if (v->validate(value, pos) != QValidator::Acceptable) {
            v->fixup(value);
            if (value != text()) {
                setText(value);
                emit textEdited(value);
            }
        }
    }
    QLineEdit::focusOutEvent(event);
    emit emitFocusOut(text());
}
