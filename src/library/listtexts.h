#pragma once
// The texts of the recordings list: the size of a file or of a total in whole units of 1024,
// the total duration of the summary line, and the parsing back of the per-file size and
// duration texts that the history stores, so that the summary can add them up.

#include <QString>

#include <cstdint>

namespace ListTexts {

// "%1 B" below 1024 bytes, else the truncated quotient of the largest unit (up to terabytes)
// that keeps the value at least 1: 1536 bytes give "1 KB".
QString sizeText(qint64 bytes);
// Bytes of a size text "<number> <unit>" with the number truncated to an integer ("1.50 KB"
// counts 1024); -1 when the text does not split that way or the unit is unknown.
qint64 sizeTextBytes(const QString& text);
// Seconds of a duration text of exactly three numbers "h:m:s"; -1 otherwise.
qint64 durationTextSeconds(const QString& text);
// "%1 Seconds", "%1 Minutes", "%1 Hours", "%1 Days" (24 hours), "%1 Months" (30 days): the
// largest unit the total reaches, truncated.
QString totalDurationText(qint64 seconds);
// "<count> Audios, <size>, <duration>".
QString summaryText(int count, qint64 bytes, qint64 seconds);
// The creation time "dd-MM-yyyy hh:mm" as the number yyyyMMddhhmm; -1 when it does not parse.
qint64 createTimeKey(const QString& text);
// A file's creation time as the list shows it (the last change where the file system keeps
// no birth time); empty when the file does not exist.
QString fileCreateTime(const QString& path);

}  // namespace ListTexts
