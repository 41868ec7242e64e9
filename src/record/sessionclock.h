#pragma once
// The recording session's clock and the platform check for loopback capture.

#include <cstdint>

// Microseconds of a monotonic clock (steady_clock); only differences are meaningful.
int64_t sessionClockUs();

// The session clock's reading at the moment the wall clock (gettimeofday) read `wallUs`. The two
// clocks are read side by side; a read that was interrupted in between (the thread lost the CPU)
// is taken again, so that a busy machine does not shift the result by a time slice.
int64_t sessionClockAtWallUs(int64_t wallUs);

// Whether what the computer plays can be captured (the sound server's monitor sources). With a
// sound server this is always so; there is no fallback path that records the microphone only.
bool loopbackCaptureAvailable();
