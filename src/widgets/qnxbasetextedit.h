#pragma once

#include <QTextEdit>

// The skinned multi-line text edit: dark rounded field, accent border on focus, skinned
// scroll bars, plain text only (pasted rich text arrives as plain text), and an optional
// limit on the number of characters that typing and pasting cannot exceed. GUI thread only.
class QNxBaseTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit QNxBaseTextEdit(QWidget* parent = nullptr);

    // 0 (the default) for no limit.
    void setMaxLength(int characters);
    int maxLength() const { return m_maxLength; }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void enforceLimit();

    int m_maxLength = 0;
    bool m_enforcing = false;
};
