#include "schedulerepeat.h"

#include "scheduletime.h"

#include <QStringList>

namespace {

const QString kOnce = QStringLiteral("once");
const QString kDaily = QStringLiteral("daily");
const QString kWeekdays = QStringLiteral("weekdays");
const QString kDays = QStringLiteral("days");

}  // namespace

bool ScheduleRepeat::fallsOn(int day) const
{
    switch (mode) {
        case Mode::Once:
        case Mode::Daily:
            return true;
        case Mode::Weekdays:
            return day >= 1 && day <= 5;
        case Mode::Days:
            return day >= 1 && day <= 7 && (days & (1u << (day - 1)));
    }
    return false;
}

QString ScheduleRepeat::modeText() const
{
    switch (mode) {
        case Mode::Once:
            return kOnce;
        case Mode::Daily:
            return kDaily;
        case Mode::Weekdays:
            return kWeekdays;
        case Mode::Days:
            return kDays;
    }
    return kOnce;
}

QString ScheduleRepeat::daysText() const
{
    QStringList list;
    for (int day = 1; day <= 7; ++day) {
        if (days & (1u << (day - 1)))
            list << QString::number(day);
    }
    return list.join(QLatin1Char(','));
}

ScheduleRepeat ScheduleRepeat::fromText(const QString& mode, const QString& days)
{
    ScheduleRepeat repeat;
    if (mode == kDaily)
        repeat.mode = Mode::Daily;
    else if (mode == kWeekdays)
        repeat.mode = Mode::Weekdays;
    else if (mode == kDays)
        repeat.mode = Mode::Days;
    for (const QString& part : days.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int day = part.trimmed().toInt();
        if (day >= 1 && day <= 7)
            repeat.days |= uint8_t(1u << (day - 1));
    }
    return repeat;
}

namespace ScheduleTime {

QDateTime nextStart(const QDateTime& notBefore, uint64_t startUs, const ScheduleRepeat& repeat)
{
    QDateTime when = target(notBefore, startUs);
    // A week and a day: the day of the start itself may be past its time.
    for (int i = 0; i < 8; ++i, when = when.addDays(1)) {
        if (repeat.fallsOn(when.date().dayOfWeek()))
            return when;
    }
    return {};
}

}  // namespace ScheduleTime
