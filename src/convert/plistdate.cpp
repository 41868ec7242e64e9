#include "plistdate.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace {

// Seconds between 1970-01-01 and 2001-01-01, the epoch of binary property-list dates.
constexpr double kReferenceEpochOffset = 978307200.0;

[[noreturn]] void throwInvalid()
{
    throw std::runtime_error("PlistDate::set() date invalid");
}

}  // namespace

PlistDate::PlistDate() : m_seconds(static_cast<int64_t>(std::time(nullptr))) {}

void PlistDate::set(int month, int day, int year, int hour, int minute, int second, bool utc)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;

    const std::time_t now = std::time(nullptr);
    std::tm nowLocal{};
    localtime_r(&now, &nowLocal);
    fields.tm_isdst = nowLocal.tm_isdst;

    if (!utc) {
        const std::time_t local = std::mktime(&fields);
        if (local < -1)
            throwInvalid();
        m_seconds = static_cast<int64_t>(local);
        return;
    }

    // mktime only knows local time: convert the fields as if they were local standard time,
    // then shift by the zone offset measured at that instant (local conversion of the
    // instant's own UTC breakdown), which lands on the UTC instant.
    fields.tm_isdst = 0;
    const std::time_t asLocal = std::mktime(&fields);
    if (asLocal < -1)
        throwInvalid();
    std::tm utcFields{};
    if (!gmtime_r(&asLocal, &utcFields))
        throwInvalid();
    utcFields.tm_isdst = 0;
    const std::time_t utcAsLocal = std::mktime(&utcFields);
    if (utcAsLocal < -1)
        throwInvalid();
    m_seconds = static_cast<int64_t>(asLocal) +
                (static_cast<int64_t>(asLocal) - static_cast<int64_t>(utcAsLocal));
}

void PlistDate::setFromIsoText(const std::string& text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ", &year, &month, &day, &hour, &minute,
                &second);
    set(month, day, year, hour, minute, second, true);
}

void PlistDate::setFromReferenceSeconds(double seconds)
{
    const double epochSeconds = std::trunc(seconds + kReferenceEpochOffset);
    // A double beyond +-2^63 has no int64 value; such a date cannot come from a real writer.
    if (!std::isfinite(epochSeconds) || epochSeconds >= 9223372036854775808.0 ||
        epochSeconds < -9223372036854775808.0)
        throwInvalid();
    m_seconds = static_cast<int64_t>(epochSeconds);
}

std::string PlistDate::toIsoText() const
{
    const std::time_t t = static_cast<std::time_t>(m_seconds);
    std::tm fields{};
    if (!gmtime_r(&t, &fields))
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", fields.tm_year + 1900,
                  fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec);
    return text;
}
