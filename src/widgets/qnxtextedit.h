#pragma once

#include "qnxbasetextedit.h"

// A skinned text edit for tag fields such as comment and lyrics: reports user edits with the
// plain text (emitTextEdited; not for setText from code) and drops characters that the field
// must not hold as they are typed or pasted. GUI thread only.
class QNxTextEdit : public QNxBaseTextEdit {
    Q_OBJECT
public:
    explicit QNxTextEdit(QWidget* parent = nullptr);

    void setForbiddenCharacters(const QString& characters);
    // Replaces the text without sending emitTextEdited.
    void setTextSilently(const QString& text);

signals:
    void emitTextEdited(const QString& text);

private:
    void onTextChanged();

    QString m_forbidden;
    bool m_silent = false;
    QString m_last;
};
