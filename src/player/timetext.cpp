#include "timetext.h"

namespace {

QString twoDigits(uint64_t v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString clockText(uint64_t us)
{
    const uint64_t s = uint64_t(double(us) / 1000.0) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(twoDigits(s / 3600), twoDigits(s / 60 % 60), twoDigits(s % 60));
}

QString clockTextMs(uint64_t us)
{
    const uint64_t ms = uint64_t(double(us) / 1000.0);
    return QStringLiteral("%1.%2")
        .arg(clockText(ms * 1000))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString playTimeText(uint64_t positionUs, uint64_t durationUs, bool withMs)
{
    if (withMs)
        return QStringLiteral("%1 / %2").arg(clockTextMs(positionUs), clockTextMs(durationUs));
    return QStringLiteral("%1 / %2").arg(clockText(positionUs), clockText(durationUs));
}
