#include "scheduletime.h"

#include <QCoreApplication>
#include <QStringList>

namespace ScheduleTime {

QTime timeOfDay(uint64_t us)
{
    const uint64_t seconds = (us / kUsPerSecond) % 86400;
    return QTime(int(seconds / 3600), int((seconds / 60) % 60), int(seconds % 60));
}

uint64_t microseconds(const QTime& time)
{
    if (!time.isValid())
        return 0;
    return uint64_t(time.hour() * 3600 + time.minute() * 60 + time.second()) * kUsPerSecond;
}

uint64_t parseText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const uint64_t h = parts.value(0).toULongLong();
    const uint64_t m = parts.value(1).toULongLong();
    const uint64_t s = parts.value(2).toULongLong();
    return (h * 3600 + m * 60 + s) * kUsPerSecond;
}

QDateTime target(const QDateTime& now, uint64_t startUs)
{
    QDateTime when = now;
    when.setTime(timeOfDay(startUs));
    if (when.time() < now.time())
        when = when.addDays(1);
    return when;
}

uint64_t spanUs(uint64_t startUs, uint64_t endUs)
{
    return (endUs + kUsPerDay - startUs % kUsPerDay) % kUsPerDay;
}

bool spanExceeded(uint64_t startUs, uint64_t endUs, uint64_t recordedUs)
{
    const uint64_t span = spanUs(startUs, endUs);
    return span != 0 && recordedUs > span;
}

QString countdownText(qint64 secondsLeft)
{
    return QCoreApplication::translate("ScheduleTime", "%1s later, Quillon will start recording.")
        .arg(secondsLeft);
}

}  // namespace ScheduleTime
