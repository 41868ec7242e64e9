#pragma once
// Capture endpoint that records one application only: what its playback streams (sink inputs)
// play, without the rest of what the computer plays. Each stream of the application is read on
// its own through a capture stream tied to it (pa_stream_set_monitor_stream on the monitor of
// the stream's sink), and the streams are mixed into one.
//
// The application is followed by name: a stream belongs to it when its "application.name" or
// its "application.process.binary" is the name asked for. Streams that appear while the
// endpoint is open (a browser opens one per tab or track) are followed from the moment the
// server reports them; streams that end or move away are dropped (and a moved one is followed
// again on its new sink). While the application plays nothing, the endpoint delivers nothing,
// and the capture thread covers that time with silence as it does for a quiet monitor.
//
// Mixing: the server hands every tied capture stream the block its sink just rendered, so the
// streams' newest frames belong together; a stream that joins later is lined up by its newest
// frames against those of the others. Mixed frames are handed out once every stream has
// delivered up to them, or once they are kLagUs old (a stream that delivers nothing, such as a
// paused one, holds nothing up for longer).
//
// A stream is heard from the moment the endpoint is tied to it: what its sink rendered before
// (a sink renders ahead, by up to seconds when no client asks for short blocks) is not
// captured. The endpoint keeps the default sink rendering in short blocks while it is open, so
// a stream that appears later loses at most a few milliseconds; one that plays already when
// the endpoint opens may lose what was rendered ahead of that moment.
//
// The format is fixed at open(): float stereo at the rate of the default sink's monitor; the
// server converts each stream to it. Like PulseCaptureEndpoint it runs its own plain mainloop,
// iterated without blocking by the calls of the capture thread.

#include "captureendpoint.h"
#include "pulseclient.h"

#include <QString>

#include <memory>
#include <vector>

struct pa_context;
struct pa_mainloop;
struct pa_sink_input_info;
struct pa_stream;

class PulseApplicationEndpoint : public CaptureEndpoint {
public:
    static constexpr int64_t kLagUs = 100000;

    explicit PulseApplicationEndpoint(const QString& application);
    ~PulseApplicationEndpoint() override;

    // `mode` is not used: the source is always the application.
    bool open(int mode, CaptureFormat* format) override;
    int64_t readableBytes() override;
    bool peek(const void** data, int64_t* frames) override;
    bool drop() override;
    void refreshTiming() override;
    bool captureTimeUs(int64_t* us) override;
    void close() override;
    QString errorString() const override;

    // Whether a stream with these properties belongs to `application`.
    static bool belongsTo(const QString& application, const QString& name, const QString& binary);
    // The application's streams followed now.
    int followedStreams() const { return int(m_followers.size()); }

private:
    using Deleters = PulseDeleters;
    struct Follower;

    bool connectContext(int64_t deadlineUs);
    bool learnRate(int64_t deadlineUs);
    void holdLatencyDown();
    bool watchStreams(int64_t deadlineUs);
    bool iterateUntil(const std::function<bool()>& done, int64_t deadlineUs);
    static void onStreamInfo(pa_context* context, const pa_sink_input_info* info, int eol,
                             void* self);
    void askAbout(uint32_t sinkInput);
    void follow(uint32_t sinkInput);
    // Runs what the server sent, mixes what the streams delivered and drops ended streams.
    bool pump();
    void takeFrom(Follower& follower);
    void mixIn(Follower& follower, const float* samples, int64_t frames);
    int64_t readyFrames() const;
    int64_t mixFrames() const { return int64_t(m_mix.size()) / kChannels; }
    bool fail(const QString& message);

    static constexpr int kChannels = 2;

    const QString m_application;
    std::unique_ptr<pa_mainloop, Deleters> m_loop;
    std::unique_ptr<pa_context, Deleters> m_context;
    std::unique_ptr<pa_stream, Deleters> m_anchor;
    std::vector<std::unique_ptr<Follower>> m_followers;
    std::vector<float> m_mix;  // interleaved; frame 0 is the next one to hand out
    int m_rateHz = 48000;
    int64_t m_peeked = 0;
    bool m_listDone = false;
    bool m_dead = false;
    QString m_error;
};
