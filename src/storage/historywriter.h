#pragma once
// Entering a finished recording into the history. The recording session calls
// appendRecordingToHistory once the recorder has closed the file; the text helpers are shared
// with everything that shows the same texts.

#include <QString>

#include <cstdint>

#include "historyrecord.h"

// Size text of a byte count: above 1073741824 "%.2f GB", above 1048576 "%.2f MB", above 1024
// "%.2f KB" (of bytes / 1024^n), otherwise "%d B" (so 1024 bytes give "1024 B").
QString recordingSizeText(qint64 bytes);
// "hh:mm:ss" of a microsecond count, hours always shown (at least two digits), truncated.
QString recordingDurationText(uint64_t durationUs);

// Builds the history record of a finished recording file: path and title (the file name without
// its extension), "%1*%2" resolution, size text, the file's creation time as "dd-MM-yyyy hh:mm",
// format name, extension, duration text, preference path = the file's folder, video flag
// cleared, new-file flag set. Works from the file on disk (it must exist for the size and
// time; a missing file gives "0 B" and an empty creation time).
HistoryRecord finishedRecordingRecord(const QString& path, uint64_t durationUs,
                                      const QString& formatName, const QString& extension,
                                      int width, int height);

// Builds that record and stores it with ParserXML::addOrUpdateHistory. False (and nothing
// stored) when the path is empty or the file does not exist.
bool appendRecordingToHistory(const QString& path, uint64_t durationUs, const QString& formatName,
                              const QString& extension, int width, int height);
