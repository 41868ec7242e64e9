#include "qnxbasetextedit.h"

#include <QMimeData>
#include <QTextCursor>

#include "nxskin.h"
#include "qnxscrollbar.h"

QNxBaseTextEdit::QNxBaseTextEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setFont(NxSkin::font(12));
    setVerticalScrollBar(new QNxScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new QNxScrollBar(Qt::Horizontal, this));
    setStyleSheet(QStringLiteral(
        "QTextEdit{background:rgb(32,33,41);border:1px solid rgb(54,57,70);border-radius:4px;"
        "color:rgb(214,216,224);padding:2px;selection-background-color:rgb(61,170,228);"
        "selection-color:white;}"
        "QTextEdit:focus{border-color:rgb(61,170,228);}"
        "QTextEdit:disabled{background:rgb(26,27,33);color:rgb(92,96,108);}"));
    connect(this, &QTextEdit::textChanged, this, &QNxBaseTextEdit::enforceLimit);
}

void QNxBaseTextEdit::setMaxLength(int characters)
{
    m_maxLength = qMax(0, characters);
    enforceLimit();
}

bool QNxBaseTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void QNxBaseTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        textCursor().insertText(source->text());
}

void QNxBaseTextEdit::enforceLimit()
{
    if (m_maxLength <= 0 || m_enforcing)
        return;
    const QString text = toPlainText();
    if (text.size() <= m_maxLength)
        return;
    // Remove what went past the limit just before the cursor, so typing stops at the limit
    // and a paste is cut short, while the text already there stays as it is.
    m_enforcing = true;
    QTextCursor cursor = textCursor();
    const int excess = text.size() - m_maxLength;
    const int end = cursor.position();
    const int start = qMax(0, end - excess);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (toPlainText().size() > m_maxLength) {
        cursor.movePosition(QTextCursor::End);
        cursor.setPosition(m_maxLength, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    setTextCursor(cursor);
    m_enforcing = false;
}
