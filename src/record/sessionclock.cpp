#include "sessionclock.h"

#include <chrono>
#include <climits>

int64_t sessionClockUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

int64_t wallClockUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// A pair of readings closer than this was not interrupted; an interruption is a time slice
// (milliseconds), an uninterrupted pair a few hundred nanoseconds.
constexpr int64_t kCleanPairUs = 20;
constexpr int kPairAttempts = 8;

}  // namespace

int64_t sessionClockAtWallUs(int64_t wallUs)
{
    // The wall clock is read between two readings of the session clock; the narrowest bracket
    // of a few attempts gives the offset between the clocks.
    int64_t bestWidth = INT64_MAX;
    int64_t offset = 0;
    for (int attempt = 0; attempt < kPairAttempts && bestWidth > kCleanPairUs; ++attempt) {
        const int64_t before = sessionClockUs();
        const int64_t wall = wallClockUs();
        const int64_t after = sessionClockUs();
        if (after - before < bestWidth) {
            bestWidth = after - before;
            offset = before + (after - before) / 2 - wall;
        }
    }
    return wallUs + offset;
}

bool loopbackCaptureAvailable()
{
    return true;
}
