#pragma once
// The time texts of players and chapter lists. A microsecond count is truncated to whole
// milliseconds first; hours are not wrapped at 24; every part has at least two digits.

#include <QString>

#include <cstdint>

// "hh:mm:ss"
QString clockText(uint64_t us);
// "hh:mm:ss.zzz"
QString clockTextMs(uint64_t us);
// "hh:mm:ss / hh:mm:ss" (or with milliseconds)
QString playTimeText(uint64_t positionUs, uint64_t durationUs, bool withMs = false);
