#include "pulseclient.h"

#include "sessionclock.h"

#include <pulse/pulseaudio.h>

namespace {

// The main loop is polled in slices this long, so a cancelled wait ends soon.
constexpr int kIterateSliceUs = 20000;

}  // namespace

void PulseDeleters::operator()(pa_mainloop* loop) const
{
    pa_mainloop_free(loop);
}

void PulseDeleters::operator()(pa_context* context) const
{
    pa_context_disconnect(context);
    pa_context_unref(context);
}

void PulseDeleters::operator()(pa_stream* stream) const
{
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

bool pulseIterateUntil(pa_mainloop* loop, const std::function<bool()>& done, int64_t deadlineUs,
                       const std::function<bool()>& cancelled)
{
    while (!done()) {
        if (sessionClockUs() >= deadlineUs || cancelled())
            return false;
        if (pa_mainloop_prepare(loop, kIterateSliceUs) < 0 || pa_mainloop_poll(loop) < 0 ||
            pa_mainloop_dispatch(loop) < 0)
            return false;
    }
    return true;
}

QString pulseConnect(PulseLoopPtr* loop, PulseContextPtr* context, int64_t deadlineUs,
                     const std::function<bool()>& cancelled)
{
    loop->reset(pa_mainloop_new());
    if (!*loop)
        return QStringLiteral("cannot create a PulseAudio main loop");
    context->reset(pa_context_new(pa_mainloop_get_api(loop->get()), "Quillon Audio Recorder"));
    if (!*context)
        return QStringLiteral("cannot create a PulseAudio context");
    pa_context* c = context->get();
    if (pa_context_connect(c, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return QStringLiteral("no sound server: %1")
            .arg(QString::fromUtf8(pa_strerror(pa_context_errno(c))));
    const bool settled = pulseIterateUntil(
        loop->get(),
        [c] {
            const pa_context_state_t s = pa_context_get_state(c);
            return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
        },
        deadlineUs, cancelled);
    if (!settled || pa_context_get_state(c) != PA_CONTEXT_READY) {
        const int err = pa_context_errno(c);
        return QStringLiteral("no sound server: %1")
            .arg(err ? QString::fromUtf8(pa_strerror(err)) : QStringLiteral("it does not answer"));
    }
    return QString();
}

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
