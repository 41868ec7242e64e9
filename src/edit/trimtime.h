#pragma once
// The Trim tab's time texts: "hh:mm:ss.zzz" (hours not wrapped, milliseconds truncated), as
// its labels, time editors and clip rows show them, and the parsing of such a text back into
// microseconds (clip rows keep only their texts, so picking a row reads its marks back).

#include <QString>

#include <cstdint>

// "hh:mm:ss.zzz" of a microsecond count.
QString trimTimeText(uint64_t us);

// Reads "h:m:s.z": hours up to the first ':', minutes up to the next ':', then seconds and
// milliseconds around the '.'; every part is one or more digits. The value is
// ((h x 60 + m) x 60 + s) x 1000 + z milliseconds, in microseconds. False (and *us untouched)
// for any other text, including half-typed ones with blanks.
bool parseTrimTime(const QString& text, uint64_t* us);
