#include "sessionclock.h"

#include <chrono>

int64_t sessionClockUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

bool loopbackCaptureAvailable() { return true; }
