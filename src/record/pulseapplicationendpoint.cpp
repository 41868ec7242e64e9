#include "pulseapplicationendpoint.h"

#include "pulseclient.h"
#include "sessionclock.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <climits>

namespace {

constexpr pa_usec_t kFragmentUs = 10000;
constexpr pa_usec_t kMaxBufferedUs = 1000000;

QString propertyOf(const pa_proplist* list, const char* key)
{
    const char* value = list ? pa_proplist_gets(list, key) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

QString serverError(pa_context* context)
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(context)));
}

pa_buffer_attr bufferAttributes(const pa_sample_spec& spec)
{
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(pa_usec_to_bytes(kMaxBufferedUs, &spec));
    attr.fragsize = uint32_t(pa_usec_to_bytes(kFragmentUs, &spec));
    attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
    return attr;
}

void discardAll(pa_stream* stream)
{
    const void* data = nullptr;
    size_t bytes = 0;
    while (pa_stream_get_state(stream) == PA_STREAM_READY && pa_stream_readable_size(stream) > 0 &&
           pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0)
        pa_stream_drop(stream);
}

}  // namespace

// One stream of the application, read through a capture stream tied to it.
struct PulseApplicationEndpoint::Follower {
    uint32_t sinkInput = 0;
    std::unique_ptr<pa_stream, Deleters> stream;
    int64_t at = 0;        // frame of the mix where its next frame goes
    bool aligned = false;  // `at` is known: it delivered since it joined or fell behind
    bool timingFresh = false;
};

PulseApplicationEndpoint::PulseApplicationEndpoint(const QString& application)
    : m_application(application)
{
}

PulseApplicationEndpoint::~PulseApplicationEndpoint()
{
    close();
}

bool PulseApplicationEndpoint::belongsTo(const QString& application, const QString& name,
                                         const QString& binary)
{
    return !application.isEmpty() && (application == name || application == binary);
}

bool PulseApplicationEndpoint::fail(const QString& message)
{
    m_error = message;
    m_dead = true;
    return false;
}

bool PulseApplicationEndpoint::iterateUntil(const std::function<bool()>& done, int64_t deadlineUs)
{
    return pulseIterateUntil(m_loop.get(), done, deadlineUs, [this] { return cancelled(); });
}

bool PulseApplicationEndpoint::connectContext(int64_t deadlineUs)
{
    const QString why =
        pulseConnect(&m_loop, &m_context, deadlineUs, [this] { return cancelled(); });
    return why.isEmpty() || fail(why);
}

// The rate of what the computer plays (the default sink's monitor), so that the usual case
// needs no resampling; 48 kHz when there is no default sink.
bool PulseApplicationEndpoint::learnRate(int64_t deadlineUs)
{
    struct Answer {
        bool done = false;
        int rateHz = 0;
    } answer;
    auto onInfo = [](pa_context*, const pa_source_info* info, int eol, void* user) {
        auto* a = static_cast<Answer*>(user);
        if (info)
            a->rateHz = int(info->sample_spec.rate);
        if (eol)
            a->done = true;
    };
    pa_operation* op =
        pa_context_get_source_info_by_name(m_context.get(), "@DEFAULT_MONITOR@", onInfo, &answer);
    if (!op)
        return fail(QStringLiteral("no sound server: %1").arg(serverError(m_context.get())));
    const bool answered = iterateUntil([&answer] { return answer.done; }, deadlineUs);
    pa_operation_cancel(op);
    pa_operation_unref(op);
    if (!answered)
        return fail(QStringLiteral("no sound server: it does not answer"));
    if (answer.rateHz > 0)
        m_rateHz = answer.rateHz;
    return true;
}

// A sink renders as far ahead as its clients allow (up to seconds when nobody asks for less),
// and a capture stream tied to a stream gets only what is rendered after it attached. A plain
// capture of the default sink's monitor that asks for short blocks keeps that sink rendering
// in short blocks, so a stream the application opens later loses at most one short block.
// What it captures is thrown away.
void PulseApplicationEndpoint::holdLatencyDown()
{
    pa_sample_spec spec;
    spec.format = PA_SAMPLE_FLOAT32NE;
    spec.rate = uint32_t(m_rateHz);
    spec.channels = kChannels;
    m_anchor.reset(pa_stream_new(m_context.get(), "Application audio timing", &spec, nullptr));
    if (!m_anchor)
        return;
    pa_buffer_attr attr = bufferAttributes(spec);
    if (pa_stream_connect_record(m_anchor.get(), "@DEFAULT_MONITOR@", &attr,
                                 PA_STREAM_ADJUST_LATENCY) < 0)
        m_anchor.reset();
}

bool PulseApplicationEndpoint::watchStreams(int64_t deadlineUs)
{
    pa_context_set_subscribe_callback(
        m_context.get(),
        [](pa_context*, pa_subscription_event_type_t type, uint32_t index, void* self) {
            const auto what = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
            if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SINK_INPUT &&
                what != PA_SUBSCRIPTION_EVENT_REMOVE)
                static_cast<PulseApplicationEndpoint*>(self)->askAbout(index);
        },
        this);
    if (pa_operation* op = pa_context_subscribe(m_context.get(), PA_SUBSCRIPTION_MASK_SINK_INPUT,
                                                nullptr, nullptr))
        pa_operation_unref(op);
    m_listDone = false;
    pa_operation* op = pa_context_get_sink_input_info_list(m_context.get(), &onStreamInfo, this);
    if (!op)
        return fail(QStringLiteral("no sound server: %1").arg(serverError(m_context.get())));
    const bool answered = iterateUntil([this] { return m_listDone; }, deadlineUs);
    pa_operation_cancel(op);
    pa_operation_unref(op);
    return answered || fail(QStringLiteral("no sound server: it does not answer"));
}

void PulseApplicationEndpoint::onStreamInfo(pa_context*, const pa_sink_input_info* info, int eol,
                                            void* self)
{
    auto* endpoint = static_cast<PulseApplicationEndpoint*>(self);
    if (eol) {
        endpoint->m_listDone = true;
        return;
    }
    if (!info ||
        !belongsTo(endpoint->m_application, propertyOf(info->proplist, PA_PROP_APPLICATION_NAME),
                   propertyOf(info->proplist, PA_PROP_APPLICATION_PROCESS_BINARY)))
        return;
    for (const auto& follower : endpoint->m_followers) {
        if (follower->sinkInput == info->index)
            return;
    }
    endpoint->follow(info->index);
}

void PulseApplicationEndpoint::askAbout(uint32_t sinkInput)
{
    if (pa_operation* op =
            pa_context_get_sink_input_info(m_context.get(), sinkInput, &onStreamInfo, this))
        pa_operation_unref(op);
}

void PulseApplicationEndpoint::follow(uint32_t sinkInput)
{
    pa_sample_spec spec;
    spec.format = PA_SAMPLE_FLOAT32NE;
    spec.rate = uint32_t(m_rateHz);
    spec.channels = kChannels;
    pa_channel_map map;
    pa_channel_map_init_stereo(&map);
    auto follower = std::make_unique<Follower>();
    follower->sinkInput = sinkInput;
    follower->stream.reset(pa_stream_new(m_context.get(), "Application audio", &spec, &map));
    if (!follower->stream)
        return;
    pa_stream_set_monitor_stream(follower->stream.get(), sinkInput);
    pa_buffer_attr attr = bufferAttributes(spec);
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                         PA_STREAM_AUTO_TIMING_UPDATE);
    // No device: the server records from the monitor of whichever sink the stream plays on.
    if (pa_stream_connect_record(follower->stream.get(), nullptr, &attr, flags) < 0)
        return;
    m_followers.push_back(std::move(follower));
}

bool PulseApplicationEndpoint::open(int, CaptureFormat* format)
{
    close();
    m_dead = false;
    m_error.clear();
    const int64_t deadlineUs = sessionClockUs() + int64_t(kOpenTimeoutMs) * 1000;
    if (!connectContext(deadlineUs) || !learnRate(deadlineUs))
        return false;
    holdLatencyDown();
    if (!watchStreams(deadlineUs))
        return false;
    format->sampleFormat = 3;
    format->rateHz = m_rateHz;
    format->channels = kChannels;
    format->channelMask = 0;
    format->blockAlign = int(sizeof(float)) * kChannels;
    format->bitsPerSample = 32;
    return true;
}

bool PulseApplicationEndpoint::pump()
{
    if (m_dead || !m_context)
        return false;
    while (pa_mainloop_iterate(m_loop.get(), 0, nullptr) > 0) {
    }
    if (pa_context_get_state(m_context.get()) != PA_CONTEXT_READY)
        return fail(QStringLiteral("lost the sound server: %1").arg(serverError(m_context.get())));
    if (m_anchor)
        discardAll(m_anchor.get());
    for (size_t i = 0; i < m_followers.size();) {
        Follower& follower = *m_followers[i];
        const pa_stream_state_t state = pa_stream_get_state(follower.stream.get());
        if (state == PA_STREAM_READY)
            takeFrom(follower);
        if (PA_STREAM_IS_GOOD(state)) {
            ++i;
            continue;
        }
        // The stream ended, or moved to another sink (which ends the capture tied to it): if it
        // is still there, it is followed again.
        const uint32_t sinkInput = follower.sinkInput;
        m_followers.erase(m_followers.begin() + std::ptrdiff_t(i));
        askAbout(sinkInput);
    }
    return true;
}

void PulseApplicationEndpoint::takeFrom(Follower& follower)
{
    pa_stream* stream = follower.stream.get();
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        const int64_t frames = int64_t(bytes / (sizeof(float) * kChannels));
        if (!follower.aligned) {
            bool others = false;
            for (const auto& other : m_followers)
                others = others || (other.get() != &follower && other->aligned);
            // Its newest frames belong with the others' newest ones.
            follower.at = others ? std::max<int64_t>(0, mixFrames() - frames) : mixFrames();
            follower.aligned = true;
        }
        mixIn(follower, static_cast<const float*>(data), frames);
        pa_stream_drop(stream);
    }
}

// A null `samples` is a hole in the stream: its frames add nothing.
void PulseApplicationEndpoint::mixIn(Follower& follower, const float* samples, int64_t frames)
{
    const size_t end = size_t(follower.at + frames) * kChannels;
    if (m_mix.size() < end)
        m_mix.resize(end, 0.0f);
    if (samples) {
        float* into = m_mix.data() + follower.at * kChannels;
        for (int64_t i = 0; i < frames * kChannels; ++i)
            into[i] += samples[i];
    }
    follower.at += frames;
}

int64_t PulseApplicationEndpoint::readyFrames() const
{
    int64_t least = INT64_MAX;
    for (const auto& follower : m_followers) {
        if (follower->aligned)
            least = std::min(least, follower->at);
    }
    const int64_t all = mixFrames();
    if (least == INT64_MAX)
        return all;
    const int64_t lagFrames = kLagUs * m_rateHz / 1000000;
    return std::min(all, std::max(least, all - lagFrames));
}

int64_t PulseApplicationEndpoint::readableBytes()
{
    if (!pump())
        return -1;
    return readyFrames() * int64_t(sizeof(float)) * kChannels;
}

bool PulseApplicationEndpoint::peek(const void** data, int64_t* frames)
{
    *data = nullptr;
    *frames = 0;
    if (m_dead || !m_context)
        return fail(m_error.isEmpty() ? QStringLiteral("the capture stream is not open") : m_error);
    m_peeked = readyFrames();
    if (m_peeked > 0) {
        *data = m_mix.data();
        *frames = m_peeked;
    }
    return true;
}

bool PulseApplicationEndpoint::drop()
{
    if (m_peeked > 0) {
        m_mix.erase(m_mix.begin(), m_mix.begin() + std::ptrdiff_t(m_peeked * kChannels));
        for (const auto& follower : m_followers) {
            follower->at -= m_peeked;
            // It fell behind what was handed out: lined up again when it delivers.
            if (follower->at < 0) {
                follower->at = 0;
                follower->aligned = false;
            }
        }
        m_peeked = 0;
    }
    return !m_dead;
}

void PulseApplicationEndpoint::refreshTiming()
{
    auto onUpdated = [](pa_stream*, int success, void* follower) {
        static_cast<Follower*>(follower)->timingFresh = success != 0;
    };
    for (const auto& follower : m_followers) {
        follower->timingFresh = false;
        if (pa_stream_get_state(follower->stream.get()) != PA_STREAM_READY)
            continue;
        if (pa_operation* op =
                pa_stream_update_timing_info(follower->stream.get(), onUpdated, follower.get()))
            pa_operation_unref(op);
    }
}

// From any stream that has delivered and whose timing came: the time of its next frame, less
// the mixed frames ahead of that frame.
bool PulseApplicationEndpoint::captureTimeUs(int64_t* us)
{
    if (!pump())
        return false;
    for (const auto& follower : m_followers) {
        int64_t nextUs = 0;
        if (follower->aligned && follower->timingFresh &&
            pulseNextFrameTimeUs(follower->stream.get(), &nextUs)) {
            *us = nextUs - follower->at * 1000000 / m_rateHz;
            return true;
        }
    }
    return false;
}

void PulseApplicationEndpoint::close()
{
    m_followers.clear();
    m_anchor.reset();
    m_mix.clear();
    m_peeked = 0;
    m_context.reset();
    m_loop.reset();
}

QString PulseApplicationEndpoint::errorString() const
{
    return m_error;
}
