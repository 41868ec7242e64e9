#include "trimtime.h"

#include <QStringList>

#include "timetext.h"

QString trimTimeText(uint64_t us)
{
    return clockTextMs(us);
}

namespace {

// A run of one to nine ASCII digits; false for anything else.
bool digitsValue(const QString& part, uint64_t* value)
{
    if (part.isEmpty() || part.size() > 9)
        return false;
    uint64_t v = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + uint64_t(c.unicode() - '0');
    }
    *value = v;
    return true;
}

}  // namespace

bool parseTrimTime(const QString& text, uint64_t* us)
{
    const int firstColon = text.indexOf(QLatin1Char(':'));
    const int secondColon = text.indexOf(QLatin1Char(':'), firstColon + 1);
    const int dot = text.indexOf(QLatin1Char('.'), secondColon + 1);
    if (firstColon < 0 || secondColon < 0 || dot < 0)
        return false;
    uint64_t h = 0, m = 0, s = 0, ms = 0;
    if (!digitsValue(text.mid(0, firstColon), &h) ||
        !digitsValue(text.mid(firstColon + 1, secondColon - firstColon - 1), &m) ||
        !digitsValue(text.mid(secondColon + 1, dot - secondColon - 1), &s) ||
        !digitsValue(text.mid(dot + 1), &ms))
        return false;
    // Parts of at most nine digits keep the sum below 3.7e18 us: no overflow.
    *us = ((((h * 60) + m) * 60 + s) * 1000 + ms) * 1000;
    return true;
}
