#pragma once
// A date value of a property list: whole seconds since 1970-01-01T00:00:00 UTC.
// A default-constructed date holds the current time. Plain value type, no shared state.

#include <cstdint>
#include <string>

class PlistDate {
public:
    PlistDate();
    explicit PlistDate(int64_t secondsSinceEpoch) : m_seconds(secondsSinceEpoch) {}

    // Sets the date from calendar fields. With utc false the fields are local time; with utc
    // true they are a UTC time. Throws std::runtime_error("PlistDate::set() date invalid")
    // when the calendar conversion fails.
    void set(int month, int day, int year, int hour, int minute, int second, bool utc);
    // Reads "YYYY-MM-DDThh:mm:ssZ" (the XML form) as a UTC time.
    void setFromIsoText(const std::string& text);
    // Reads the binary form: seconds since 2001-01-01T00:00:00 UTC, truncated to whole seconds.
    // Throws "PlistDate::set() date invalid" for a value outside the 64-bit second range.
    void setFromReferenceSeconds(double seconds);

    int64_t secondsSinceEpoch() const { return m_seconds; }
    // The date as "YYYY-MM-DDThh:mm:ssZ" in UTC.
    std::string toIsoText() const;

    bool operator==(const PlistDate& other) const { return m_seconds == other.m_seconds; }
    bool operator!=(const PlistDate& other) const { return m_seconds != other.m_seconds; }

private:
    int64_t m_seconds = 0;
};
