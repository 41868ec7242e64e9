#pragma once
// ChapterEntry: one row of a file's chapter list as the edit dialog's chapter box shows it.
// Row 0 is the whole file ("Current"); rows 1..N are the file's chapters.

#include <QMetaType>

#include <cstdint>
#include <string>

struct ChapterEntry {
    int32_t index = -1;
    uint64_t startUs = 0;
    uint64_t durationUs = 0;
    uint64_t endUs = 0;  // startUs + durationUs
    std::string title;   // UTF-8, empty when the chapter has none
    std::string label;   // "  3, 00:01:00-00:02:30 (Intro)"
};

Q_DECLARE_METATYPE(ChapterEntry)
