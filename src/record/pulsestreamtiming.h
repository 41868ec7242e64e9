#pragma once
// The capture time of a PulseAudio record stream's data, shared by the capture endpoints.

#include <cstdint>

struct pa_stream;

// When the next frame to read from `stream` was captured, on the session clock, from the
// stream's last timing snapshot. False when the stream has no usable snapshot.
bool pulseNextFrameTimeUs(pa_stream* stream, int64_t* us);
