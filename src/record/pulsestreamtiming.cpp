#include "pulsestreamtiming.h"

#include "sessionclock.h"

#include <pulse/pulseaudio.h>

// At the moment of the snapshot the server had written up to write_index into the stream, and
// the last of those bytes was captured source_usec before (the data still in the device); the
// frames from read_index on came before it. (libpulse's interpolated latency also subtracts,
// for a monitor, the output's latency at the snapshot, which swings with the output's block
// position and shifts a monitor against other sources by milliseconds from run to run.)
bool pulseNextFrameTimeUs(pa_stream* stream, int64_t* us)
{
    const pa_timing_info* info = pa_stream_get_timing_info(stream);
    const pa_sample_spec* spec = pa_stream_get_sample_spec(stream);
    if (!info || !spec || info->read_index_corrupt || info->write_index_corrupt)
        return false;
    // Negative when frames written after the snapshot have been read since: they came later.
    const int64_t queuedFrames =
        (info->write_index - info->read_index) / int64_t(pa_frame_size(spec));
    const int64_t queuedUs = queuedFrames * 1000000 / int64_t(spec->rate);
    // The snapshot's time is on the wall clock (gettimeofday); the session clock is monotonic.
    const int64_t snapshotWallUs =
        int64_t(info->timestamp.tv_sec) * 1000000 + int64_t(info->timestamp.tv_usec);
    *us = sessionClockAtWallUs(snapshotWallUs) - int64_t(info->source_usec) - queuedUs;
    return true;
}
