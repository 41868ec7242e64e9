#include "qnxtextedit.h"

#include <QTextCursor>

QNxTextEdit::QNxTextEdit(QWidget* parent) : QNxBaseTextEdit(parent)
{
    connect(this, &QTextEdit::textChanged, this, &QNxTextEdit::onTextChanged);
}

void QNxTextEdit::setForbiddenCharacters(const QString& characters)
{
    m_forbidden = characters;
}

void QNxTextEdit::setTextSilently(const QString& text)
{
    m_silent = true;
    setPlainText(text);
    m_last = toPlainText();
    m_silent = false;
}

void QNxTextEdit::onTextChanged()
{
    if (m_silent)
        return;
    QString text = toPlainText();
    if (!m_forbidden.isEmpty()) {
        QString clean;
        for (const QChar c : qAsConst(text)) {
            if (!m_forbidden.contains(c))
                clean.append(c);
        }
        if (clean != text) {
            QTextCursor cursor = textCursor();
            const int position = cursor.position() - (text.size() - clean.size());
            m_silent = true;
            setPlainText(clean);
            m_silent = false;
            cursor = textCursor();
            cursor.setPosition(qBound(0, position, clean.size()));
            setTextCursor(cursor);
            text = clean;
        }
    }
    if (text == m_last)
        return;
    m_last = text;
    emit emitTextEdited(text);
}
