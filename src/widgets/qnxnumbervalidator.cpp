#include "qnxnumbervalidator.h"

QNxNumberValidator::QNxNumberValidator(int minimum, int maximum, QObject* parent)
    : QValidator(parent), m_minimum(qMin(minimum, maximum)), m_maximum(qMax(minimum, maximum))
{
}

QValidator::State QNxNumberValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : qAsConst(input)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    // More digits than the maximum has can only overflow (leading zeros up to the pad width
    // are fine).
    const int digits = qMax(QString::number(m_maximum).size(), m_padWidth);
    if (input.size() > digits)
        return Invalid;
    const qlonglong value = input.toLongLong();
    if (value > m_maximum)
        return Invalid;
    // A short number is complete only once fixup() has padded it.
    if (value < m_minimum || input.size() < m_padWidth)
        return Intermediate;
    return Acceptable;
}

void QNxNumberValidator::fixup(QString& input) const
{
    QString digitsOnly;
    for (const QChar c : qAsConst(input)) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitsOnly.append(c);
    }
    qlonglong value = digitsOnly.isEmpty() ? m_minimum : digitsOnly.left(18).toLongLong();
    value = qBound<qlonglong>(m_minimum, value, m_maximum);
    input = QString::number(value).rightJustified(m_padWidth, QLatin1Char('0'));
}
