#include "positivenumbervalidator.h"

#include <QRegularExpression>

PositiveNumberValidator::PositiveNumberValidator(QObject* parent) : QValidator(parent) {}

QValidator::State PositiveNumberValidator::validate(QString& input, int&) const
{
    static const QRegularExpression positive(QStringLiteral("^[0-9]*[1-9][0-9]*$"));
    if (input.isEmpty())
        return Intermediate;
    if (input.size() > kMaxDigits)
        return Invalid;
    return positive.match(input).hasMatch() ? Acceptable : Invalid;
}
