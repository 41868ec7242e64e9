#pragma once
// The recording session's clock and the platform check for loopback capture.

#include <cstdint>

// Microseconds of a monotonic clock (steady_clock); only differences are meaningful.
int64_t sessionClockUs();

// Whether what the computer plays can be captured (the sound server's monitor sources). With a
// sound server this is always so; there is no fallback path that records the microphone only.
bool loopbackCaptureAvailable();
