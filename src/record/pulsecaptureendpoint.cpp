#include "pulsecaptureendpoint.h"

#include "pulseclient.h"
#include "sessionclock.h"

#include <pulse/pulseaudio.h>

namespace {

constexpr pa_usec_t kFragmentUs = 10000;
constexpr pa_usec_t kMaxBufferedUs = 1000000;

const char* sourceName(int mode)
{
    return mode == CaptureEndpoint::Microphone ? "@DEFAULT_SOURCE@" : "@DEFAULT_MONITOR@";
}

// Engine sample format of a server format we take as it is; -1 for the rest, which the server
// converts to float for us.
int engineSampleFormat(pa_sample_format_t format)
{
    switch (format) {
        case PA_SAMPLE_U8:
            return 0;
        case PA_SAMPLE_S16NE:
            return 1;
        case PA_SAMPLE_S32NE:
            return 2;
        case PA_SAMPLE_FLOAT32NE:
            return 3;
        default:
            return -1;
    }
}

// WAVE channel bits of a channel map; 0 (the default layout for the count) when a position has
// no WAVE bit or appears twice.
uint64_t waveChannelMask(const pa_channel_map& map)
{
    if (map.channels == 1)
        return 0;
    uint64_t mask = 0;
    for (unsigned i = 0; i < map.channels; ++i) {
        uint64_t bit = 0;
        switch (map.map[i]) {
            case PA_CHANNEL_POSITION_FRONT_LEFT:
                bit = 0x1;
                break;
            case PA_CHANNEL_POSITION_FRONT_RIGHT:
                bit = 0x2;
                break;
            case PA_CHANNEL_POSITION_FRONT_CENTER:
                bit = 0x4;
                break;
            case PA_CHANNEL_POSITION_LFE:
                bit = 0x8;
                break;
            case PA_CHANNEL_POSITION_REAR_LEFT:
                bit = 0x10;
                break;
            case PA_CHANNEL_POSITION_REAR_RIGHT:
                bit = 0x20;
                break;
            case PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER:
                bit = 0x40;
                break;
            case PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER:
                bit = 0x80;
                break;
            case PA_CHANNEL_POSITION_REAR_CENTER:
                bit = 0x100;
                break;
            case PA_CHANNEL_POSITION_SIDE_LEFT:
                bit = 0x200;
                break;
            case PA_CHANNEL_POSITION_SIDE_RIGHT:
                bit = 0x400;
                break;
            case PA_CHANNEL_POSITION_TOP_CENTER:
                bit = 0x800;
                break;
            case PA_CHANNEL_POSITION_TOP_FRONT_LEFT:
                bit = 0x1000;
                break;
            case PA_CHANNEL_POSITION_TOP_FRONT_CENTER:
                bit = 0x2000;
                break;
            case PA_CHANNEL_POSITION_TOP_FRONT_RIGHT:
                bit = 0x4000;
                break;
            case PA_CHANNEL_POSITION_TOP_REAR_LEFT:
                bit = 0x8000;
                break;
            case PA_CHANNEL_POSITION_TOP_REAR_CENTER:
                bit = 0x10000;
                break;
            case PA_CHANNEL_POSITION_TOP_REAR_RIGHT:
                bit = 0x20000;
                break;
            default:
                return 0;
        }
        if (mask & bit)
            return 0;
        mask |= bit;
    }
    return mask;
}

}  // namespace

struct PulseCaptureEndpoint::SourceInfo {
    bool done = false;
    bool found = false;
    pa_sample_spec spec{};
    pa_channel_map map{};
    bool isMonitor = false;
    QString name;
};

void PulseCaptureEndpoint::onSourceInfo(pa_context*, const pa_source_info* info, int eol,
                                        void* user)
{
    auto* result = static_cast<SourceInfo*>(user);
    if (eol) {
        result->done = true;
        return;
    }
    if (!info)
        return;
    result->found = true;
    result->spec = info->sample_spec;
    result->map = info->channel_map;
    result->isMonitor = info->monitor_of_sink != PA_INVALID_INDEX;
    result->name = QString::fromUtf8(info->name);
}

bool PulseCaptureEndpoint::querySource(int mode, SourceInfo* info, int64_t deadlineUs)
{
    pa_operation* op =
        pa_context_get_source_info_by_name(m_context.get(), sourceName(mode), &onSourceInfo, info);
    bool answered = false;
    if (op) {
        answered = iterateUntil([info] { return info->done; }, deadlineUs);
        pa_operation_cancel(op);
        pa_operation_unref(op);
    }
    if (info->found)
        return true;
    if (!answered)
        return fail(QStringLiteral("no sound server: it does not answer"));
    return fail(mode == Microphone
                    ? QStringLiteral("no microphone: the sound server has no default source")
                    : QStringLiteral("no system audio: the sound server has no default sink"));
}

PulseCaptureEndpoint::PulseCaptureEndpoint() = default;

PulseCaptureEndpoint::~PulseCaptureEndpoint()
{
    close();
}

bool PulseCaptureEndpoint::fail(const QString& message)
{
    m_error = message;
    m_dead = true;
    return false;
}

bool PulseCaptureEndpoint::iterateUntil(const std::function<bool()>& done, int64_t deadlineUs)
{
    return pulseIterateUntil(m_loop.get(), done, deadlineUs, [this] { return cancelled(); });
}

void PulseCaptureEndpoint::dispatchPending()
{
    while (pa_mainloop_iterate(m_loop.get(), 0, nullptr) > 0) {
    }
}

bool PulseCaptureEndpoint::connectContext(int64_t deadlineUs)
{
    const QString why =
        pulseConnect(&m_loop, &m_context, deadlineUs, [this] { return cancelled(); });
    return why.isEmpty() || fail(why);
}

bool PulseCaptureEndpoint::open(int mode, CaptureFormat* format)
{
    close();
    m_dead = false;
    m_error.clear();
    const int64_t deadlineUs = sessionClockUs() + int64_t(kOpenTimeoutMs) * 1000;
    SourceInfo info;
    if (!connectContext(deadlineUs) || !querySource(mode, &info, deadlineUs))
        return false;
    // A monitor as the default source would record what the computer plays a second time.
    if (mode == Microphone && info.isMonitor) {
        return fail(
            QStringLiteral("no microphone: the default input is a monitor (%1)").arg(info.name));
    }
    if (!connectStream(mode, info, deadlineUs))
        return false;

    pa_stream* stream = m_stream.get();
    const pa_sample_spec* actual = pa_stream_get_sample_spec(stream);
    const pa_channel_map* actualMap = pa_stream_get_channel_map(stream);
    format->sampleFormat = engineSampleFormat(actual->format);
    format->rateHz = int(actual->rate);
    format->channels = int(actual->channels);
    format->channelMask = actualMap ? waveChannelMask(*actualMap) : 0;
    format->blockAlign = int(pa_frame_size(actual));
    format->bitsPerSample = int(pa_sample_size(actual) * 8);
    m_blockAlign = format->blockAlign;
    return true;
}

bool PulseCaptureEndpoint::connectStream(int mode, const SourceInfo& info, int64_t deadlineUs)
{
    pa_sample_spec spec = info.spec;
    if (engineSampleFormat(spec.format) < 0)
        spec.format = PA_SAMPLE_FLOAT32NE;
    const char* streamName = mode == Microphone ? "Microphone" : "System audio";
    m_stream.reset(pa_stream_new(m_context.get(), streamName, &spec, &info.map));
    if (!m_stream) {
        return fail(QStringLiteral("cannot create a capture stream: %1")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
    }
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(pa_usec_to_bytes(kMaxBufferedUs, &spec));
    attr.fragsize = uint32_t(pa_usec_to_bytes(kFragmentUs, &spec));
    attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
    const QByteArray device = info.name.toUtf8();
    // DONT_MOVE: the server would otherwise move the stream to whatever source becomes the
    // default when this device goes away, and the recording would silently switch from the
    // microphone to a monitor (or the reverse). The source ends with a failure instead.
    // The timing flags keep the latency known between updates (see captureTimeUs()).
    const auto flags =
        pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE |
                          PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_record(m_stream.get(), device.constData(), &attr, flags) < 0) {
        return fail(
            QStringLiteral("cannot record from %1: %2")
                .arg(info.name, QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
    }
    pa_stream* stream = m_stream.get();
    const bool settled = iterateUntil(
        [stream] {
            const pa_stream_state_t s = pa_stream_get_state(stream);
            return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
        },
        deadlineUs);
    if (!settled || pa_stream_get_state(stream) != PA_STREAM_READY) {
        const int err = pa_context_errno(m_context.get());
        return fail(QStringLiteral("cannot record from %1: %2")
                        .arg(info.name, err ? QString::fromUtf8(pa_strerror(err))
                                            : QStringLiteral("the sound server does not answer")));
    }
    return true;
}

bool PulseCaptureEndpoint::checkAlive()
{
    if (m_dead)
        return false;
    if (!m_stream)
        return fail(QStringLiteral("the capture stream is not open"));
    dispatchPending();
    const pa_context_state_t cs = pa_context_get_state(m_context.get());
    if (cs != PA_CONTEXT_READY) {
        return fail(QStringLiteral("lost the sound server: %1")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
    }
    if (pa_stream_get_state(m_stream.get()) != PA_STREAM_READY)
        return fail(QStringLiteral("the capture device went away"));
    return true;
}

// What is already here is handed out without a trip through the main loop; only when the
// local queue is empty is the server's socket read (and the connection checked).
int64_t PulseCaptureEndpoint::readableBytes()
{
    if (m_dead || !m_stream)
        return checkAlive() ? 0 : -1;
    size_t size = pa_stream_readable_size(m_stream.get());
    if (size == 0 || size == size_t(-1)) {
        if (!checkAlive())
            return -1;
        size = pa_stream_readable_size(m_stream.get());
    }
    if (size == size_t(-1)) {
        fail(QStringLiteral("cannot read the capture stream: %1")
                 .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
        return -1;
    }
    return int64_t(size);
}

bool PulseCaptureEndpoint::peek(const void** data, int64_t* frames)
{
    *data = nullptr;
    *frames = 0;
    if (m_dead || !m_stream)
        return fail(m_error.isEmpty() ? QStringLiteral("the capture stream is not open") : m_error);
    size_t bytes = 0;
    if (pa_stream_peek(m_stream.get(), data, &bytes) < 0) {
        return fail(QStringLiteral("cannot read the capture stream: %1")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
    }
    // bytes == 0: nothing there, and nothing to drop. A null pointer with bytes: a hole in the
    // stream (data the server lost), handed on as such.
    m_peeked = bytes > 0;
    *frames = int64_t(bytes) / m_blockAlign;
    return true;
}

bool PulseCaptureEndpoint::drop()
{
    if (!m_peeked)
        return !m_dead;
    m_peeked = false;
    if (pa_stream_drop(m_stream.get()) < 0) {
        return fail(QStringLiteral("cannot read the capture stream: %1")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context.get())))));
    }
    return true;
}

void PulseCaptureEndpoint::refreshTiming()
{
    m_timingFresh = false;
    if (m_dead || !m_stream)
        return;
    auto onUpdated = [](pa_stream*, int success, void* self) {
        static_cast<PulseCaptureEndpoint*>(self)->m_timingFresh = success != 0;
    };
    if (pa_operation* op = pa_stream_update_timing_info(m_stream.get(), onUpdated, this))
        pa_operation_unref(op);
}

// The capture time of the next frame to read, from the server's own account of the stream.
bool PulseCaptureEndpoint::captureTimeUs(int64_t* us)
{
    if (m_dead || !m_stream)
        return false;
    dispatchPending();
    return m_timingFresh && pulseNextFrameTimeUs(m_stream.get(), us);
}

void PulseCaptureEndpoint::close()
{
    m_peeked = false;
    m_timingFresh = false;
    m_stream.reset();
    m_context.reset();
    m_loop.reset();
}

QString PulseCaptureEndpoint::errorString() const
{
    return m_error;
}

bool PulseCaptureEndpoint::sourceAvailable(int mode, QString* reason)
{
    PulseCaptureEndpoint probe;
    auto failWith = [&](const QString& text) {
        if (reason)
            *reason = text;
        return false;
    };
    SourceInfo info;
    const int64_t deadlineUs = sessionClockUs() + int64_t(kOpenTimeoutMs) * 1000;
    if (!probe.connectContext(deadlineUs) || !probe.querySource(mode, &info, deadlineUs))
        return failWith(probe.m_error);
    if (mode == Microphone && info.isMonitor) {
        return failWith(
            QStringLiteral("no microphone: the default input is a monitor (%1)").arg(info.name));
    }
    return true;
}
