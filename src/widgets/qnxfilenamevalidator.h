#pragma once

#include <QValidator>

// Accepts texts that can be used as a file name on the systems recordings are shared with:
// no path separators, none of : * ? " < > | and no control characters (refused as typed),
// at most 255 bytes in UTF-8; a name that is empty, ends in a space or a dot, or is "." or
// ".." is intermediate. fixup() removes the refused characters and trailing spaces and dots.
class QNxFileNameValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr int kMaxBytes = 255;

    explicit QNxFileNameValidator(QObject* parent = nullptr);

    static bool isForbidden(QChar c);
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
