#include "qnxfilenamevalidator.h"

QNxFileNameValidator::QNxFileNameValidator(QObject* parent) : QValidator(parent) {}

bool QNxFileNameValidator::isForbidden(QChar c)
{
    static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || kForbidden.contains(c);
}

QValidator::State QNxFileNameValidator::validate(QString& input, int&) const
{
    for (const QChar c : qAsConst(input)) {
        if (isForbidden(c))
            return Invalid;
    }
    if (input.toUtf8().size() > kMaxBytes)
        return Invalid;
    if (input.isEmpty() || input == QLatin1String(".") || input == QLatin1String("..") ||
        input.endsWith(QLatin1Char(' ')) || input.endsWith(QLatin1Char('.')))
        return Intermediate;
    return Acceptable;
}

void QNxFileNameValidator::fixup(QString& input) const
{
    QString clean;
    for (const QChar c : qAsConst(input)) {
        if (!isForbidden(c))
            clean.append(c);
    }
    while (clean.endsWith(QLatin1Char(' ')) || clean.endsWith(QLatin1Char('.')))
        clean.chop(1);
    while (clean.toUtf8().size() > kMaxBytes)
        clean.chop(1);
    input = clean;
}
