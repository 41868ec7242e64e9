#include "qrecordaudioobject.h"

#include "pulseapplicationendpoint.h"
#include "pulsecaptureendpoint.h"
#include "qaudioframebuffer.h"
#include "recordingrecognition.h"
#include "sessionclock.h"
#include "trackchange.h"

#include <brisca/brisca.h>

#include <algorithm>
#include <climits>

namespace {

constexpr int kPollMs = 10;
// A block reaches the recorder only once this many newer ones are queued behind it.
constexpr int kPacketQueueDepth = 4;
constexpr int kSilenceQueueDepth = 1;
// Data after this long without any is checked against the source's timing: it may follow a
// pause of the device rather than continue the stream.
constexpr int64_t kArrivalGapUs = 100000;
// Data that needs its capture time waits while the source's timing is asked again and again:
// each answer may be late by up to one server block, so the earliest of kTimingAnswers answers
// (or of those that came within kTimingSettleUs) places it. The answers come about once per
// poll and their lateness drifts slowly, so a starved thread that got fewer than
// kTimingFewAnswers waits longer, up to kTimingSettleMaxUs, to see the whole range of it.
// Without any answer within kTimingWaitUs the data is placed by its arrival instead.
constexpr int kTimingAnswers = 100;
constexpr int kTimingFewAnswers = 50;
constexpr int64_t kTimingSettleUs = 1500000;
constexpr int64_t kTimingSettleMaxUs = 4000000;
constexpr int64_t kTimingWaitUs = 200000;
// Silence goes out in blocks of at most this many milliseconds.
constexpr int64_t kSilenceBlockMs = 1000;

}  // namespace

QRecordAudioObject::QRecordAudioObject(int mode, QObject* parent)
    : QObject(parent),
      m_mode(mode),
      m_recognition(new RecordingRecognition(this)),
      m_frame(CreateFrame())
{
    // The tags cross from the capture thread to the receivers' thread.
    qRegisterMetaType<NxRecognizerAudioTagInfo>("NxRecognizerAudioTagInfo");
    connect(m_recognition, &RecordingRecognition::recognized, this,
            &QRecordAudioObject::emitRecognizedAudioTagInfo, Qt::DirectConnection);
    connect(m_recognition, &RecordingRecognition::unrecognized, this,
            &QRecordAudioObject::emitRecordingUnrecognized, Qt::DirectConnection);
    connect(m_recognition, &RecordingRecognition::trackRecognized, this,
            &QRecordAudioObject::emitRecognizedTrack, Qt::DirectConnection);
}

QRecordAudioObject::~QRecordAudioObject()
{
    stopCapture();
    ReleaseFrame(m_frame);
}

void QRecordAudioObject::setEndpointFactory(CaptureEndpointFactory factory)
{
    m_factory = std::move(factory);
}

void QRecordAudioObject::startCapture()
{
    stopCapture();
    m_stop = false;
    m_active = false;
    m_stopAtUs = 0;
    m_opened = false;
    m_starting = true;
    setError(QString());
    // Read here, on the owning thread: a cut prepares the next recognition on the capture thread.
    m_recognition->setContinuous(TrackChange::enabled());
    m_recognition->prepare(m_route.current().path, m_route.current().piece);
    QUtilThread::start();
}

void QRecordAudioObject::stopCapture(int64_t stopAtUs)
{
    m_stopAtUs = stopAtUs;
    m_stop = true;
    stopAndWait();
    m_starting = false;
}

bool QRecordAudioObject::recognitionPending() const
{
    return m_recognition->recognitionPending();
}

QString QRecordAudioObject::lastError() const
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_error;
}

void QRecordAudioObject::setError(const QString& error)
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_error = error;
}

void QRecordAudioObject::run()
{
    const bool ok = capture();
    m_capturing = false;
    m_starting = false;
    emit emitVolume(-10000);
    // A capture stopped while it was opening or running ends as asked, not as a failure.
    if (!ok && !m_stop)
        emit emitAudioRecordFail();
}

bool QRecordAudioObject::setUp(CaptureEndpoint* endpoint)
{
    endpoint->setCancelFlag(&m_stop);
    if (!endpoint->open(m_mode, &m_format)) {
        setError(endpoint->errorString());
        return false;
    }
    SetFrameSampleFormat(m_frame, m_format.sampleFormat);
    SetFrameSampleRate(m_frame, m_format.rateHz);
    SetFrameChannels(m_frame, m_format.channels);
    SetFrameChannelLayout(m_frame, m_format.channelMask);
    // Only what goes to a recorder is listened to: the mixed-in microphone's sound reaches it
    // through the system source's recorder.
    if (m_route.current().sink != 0)
        m_recognition->begin({m_format.sampleFormat, m_format.rateHz, m_format.channels,
                              int32_t(m_format.channelMask)});
    m_queue = std::make_unique<QAudioFrameBuffer>();
    m_held.clear();
    m_heldFrames = 0;
    m_filePosKnown = m_targetWritten = false;
    m_began = false;
    m_writeFailing = false;
    return true;
}

bool QRecordAudioObject::capture()
{
    std::unique_ptr<CaptureEndpoint> endpoint;
    if (m_factory)
        endpoint = m_factory();
    else if (m_mode == CaptureEndpoint::SystemAudio && !m_application.isEmpty())
        endpoint = std::make_unique<PulseApplicationEndpoint>(m_application);
    else
        endpoint = std::make_unique<PulseCaptureEndpoint>();
    if (!setUp(endpoint.get()))
        return false;
    m_capturing = true;
    m_opened = true;
    m_starting = false;
    emit emitStarted();

    // The level is not measured here: 0 once, not a signal every 10 ms that says the same.
    emit emitVolume(0);
    bool ok = true;
    while (ok && !m_stop) {
        if (waitForStop(std::chrono::milliseconds(kPollMs)))
            break;
        ok = poll(*endpoint);
    }
    if (!ok)
        setError(endpoint->errorString());
    finishCapture(*endpoint, ok);
    return ok;
}

// One poll: takes what the endpoint has. Data that comes after a silent stretch waits for the
// endpoint's timing answer; while nothing comes, silence keeps the recording on the clock.
bool QRecordAudioObject::poll(CaptureEndpoint& endpoint)
{
    const int64_t readable = endpoint.readableBytes();
    if (readable < 0)
        return false;
    if (!m_active) {
        discardAll(endpoint, readable);
        return true;
    }
    const int64_t now = sessionClockUs();
    if (!m_began) {
        m_timeline.begin(m_format.rateHz, m_route.current().startUs);
        m_began = true;
        m_lastDataUs = now;
    }
    if (readable > 0 && now - m_lastDataUs > kArrivalGapUs)
        m_timeline.expectDiscontinuity();
    if (readable > 0 && m_timeline.needsTime() && m_held.isEmpty()) {
        endpoint.refreshTiming();
        m_timingAskedUs = now;
        m_timingAnswers = 0;
        m_earliestCaptureUs = INT64_MAX;
    }
    m_dataThisPoll = false;
    if (!readAll(endpoint, readable))
        return false;
    if (m_dataThisPoll)
        m_lastDataUs = now;
    if (!m_held.isEmpty()) {
        resolveTiming(endpoint, false);
    } else if (!m_dataThisPoll) {
        int64_t from = 0;
        const int64_t frames =
            m_timeline.silenceUntil(now - CaptureTimeline::kSilenceHoldUs, &from);
        sendSilence(from, frames);
    }
    return true;
}

// Takes what the endpoint has; a poll gives up early when the capture is being stopped, the
// final drain (`toEnd`) does not.
bool QRecordAudioObject::readAll(CaptureEndpoint& endpoint, int64_t readable, bool toEnd)
{
    while (readable > 0 && (toEnd || !m_stop)) {
        const void* data = nullptr;
        int64_t frames = 0;
        if (!endpoint.peek(&data, &frames))
            return false;
        if (frames > 0) {
            takePacket(data, frames);
            m_dataThisPoll = true;
        }
        if (!endpoint.drop() || (readable = endpoint.readableBytes()) < 0)
            return false;
    }
    return true;
}

void QRecordAudioObject::discardAll(CaptureEndpoint& endpoint, int64_t readable)
{
    const void* data = nullptr;
    int64_t frames = 0;
    while (readable > 0 && endpoint.peek(&data, &frames) && endpoint.drop())
        readable = endpoint.readableBytes();
}

// A null `data` is a hole: frames the endpoint lost, which stand for silence of their length.
void QRecordAudioObject::takePacket(const void* data, int64_t frames)
{
    if (m_timeline.needsTime()) {
        const QByteArray bytes =
            data ? QByteArray(static_cast<const char*>(data), int(frames * m_format.blockAlign))
                 : QByteArray();
        m_held.append({bytes, frames});
        m_heldFrames += frames;
        return;
    }
    sendStamped(data, frames, m_timeline.stamp(frames));
}

bool QRecordAudioObject::timingSettled(int64_t waitedUs) const
{
    if (waitedUs >= kTimingSettleMaxUs)
        return true;
    return waitedUs >= kTimingSettleUs && m_timingAnswers >= kTimingFewAnswers;
}

// Places the held data once its capture time is settled: the earliest of the endpoint's answers,
// or, when it does not answer in time, its arrival.
void QRecordAudioObject::resolveTiming(CaptureEndpoint& endpoint, bool final)
{
    const int64_t now = sessionClockUs();
    const int64_t heldUs = m_heldFrames * 1000000 / m_format.rateHz;
    int64_t answerUs = 0;
    if (endpoint.captureTimeUs(&answerUs)) {
        // The answer is the time of the frame after the held ones.
        m_earliestCaptureUs = std::min(m_earliestCaptureUs, answerUs - heldUs);
        ++m_timingAnswers;
        endpoint.refreshTiming();
    }
    const int64_t waited = now - m_timingAskedUs;
    int64_t captureUs = m_earliestCaptureUs;
    if (m_timingAnswers == 0) {
        if (!final && waited <= kTimingWaitUs)
            return;
        captureUs = now - heldUs;
    } else if (!final && m_timingAnswers < kTimingAnswers && !timingSettled(waited)) {
        return;
    }
    int64_t silenceFrom = 0;
    const int64_t silence = m_timeline.confirm(captureUs, &silenceFrom);
    sendSilence(silenceFrom, silence);
    for (const HeldPacket& packet : qAsConst(m_held)) {
        const void* data = packet.bytes.isEmpty() ? nullptr : packet.bytes.constData();
        sendStamped(data, packet.frames, m_timeline.stamp(packet.frames));
    }
    m_held.clear();
    m_heldFrames = 0;
}

// Sends what is still waiting, then silence up to the end of the recording (or up to the moment
// the source was lost).
void QRecordAudioObject::finishCapture(CaptureEndpoint& endpoint, bool ok)
{
    // What was captured up to now, also since the last poll: part of it is before the stop.
    if (ok && m_began) {
        const int64_t readable = endpoint.readableBytes();
        if (readable > 0 && m_active)
            readAll(endpoint, readable, true);
    }
    if (!m_held.isEmpty())
        resolveTiming(endpoint, true);
    endpoint.close();
    const int64_t stopAt = m_stopAtUs;
    const int64_t endUs = ok ? stopAt : sessionClockUs();
    if (m_began && endUs > 0) {
        int64_t from = 0;
        const int64_t frames = m_timeline.silenceUntil(endUs, &from);
        sendSilence(from, frames);
    }
    flushQueue(0);
    m_recognition->end();
}

void QRecordAudioObject::sendStamped(const void* data, int64_t frames, int64_t timestampUs)
{
    QByteArray zeros;
    if (!data) {
        // Unsigned 8-bit samples are silent at their midpoint, every other format at zero.
        zeros.fill(m_format.sampleFormat == 0 ? char(0x80) : char(0),
                   int(frames * m_format.blockAlign));
        data = zeros.constData();
    }
    if (m_route.current().sink == 0) {
        writeFrame(data, frames, timestampUs);
        return;
    }
    m_queue->append(
        {static_cast<const uint8_t*>(data), uint32_t(frames * m_format.blockAlign), timestampUs});
    flushQueue(kPacketQueueDepth);
}

void QRecordAudioObject::sendSilence(int64_t fromUs, int64_t frames)
{
    const int64_t blockFrames = kSilenceBlockMs * m_format.rateHz / 1000;
    for (int64_t done = 0; done < frames; done += blockFrames) {
        const int64_t n = std::min(blockFrames, frames - done);
        const QByteArray block(int(n * m_format.blockAlign),
                               m_format.sampleFormat == 0 ? char(0x80) : char(0));
        const int64_t ts = fromUs + done * 1000000 / m_format.rateHz;
        if (m_route.current().sink == 0) {
            writeFrame(block.constData(), n, ts);
            continue;
        }
        m_queue->append(
            {reinterpret_cast<const uint8_t*>(block.constData()), uint32_t(block.size()), ts});
        flushQueue(kSilenceQueueDepth);
    }
}

void QRecordAudioObject::flushQueue(int keep)
{
    if (!m_queue)
        return;
    while (m_queue->count() > keep) {
        const QAudioFrameBuffer::Block* oldest = m_queue->front();
        sendBlock(oldest->data, oldest->size, oldest->timestampUs);
        m_queue->popFront();
    }
}

void QRecordAudioObject::sendBlock(const void* data, uint32_t bytes, int64_t timestampUs)
{
    writeFrame(data, int64_t(bytes / uint32_t(m_format.blockAlign)), timestampUs);
}

int64_t QRecordAudioObject::framesUntil(int64_t us) const
{
    return (us * m_format.rateHz + 999999) / 1000000;
}

// The recorder's position of a timestamp (microseconds from the file's start), rounded down.
int64_t QRecordAudioObject::positionOf(int64_t us) const
{
    const int64_t scaled = us * m_format.rateHz;
    return scaled >= 0 ? scaled / 1000000 : -((-scaled + 999999) / 1000000);
}

// Hands one block (timestamp on the session clock) to the files it belongs to, nothing from
// after the end of the recording. At a cut the source counts in frames, as the recorder places
// a source's contiguous blocks: the old file gets its frames up to the cut's position in it,
// and the next frame is the new file's first. So every source's sound goes on across the cut
// without a frame lost or repeated, and all sources of one file end at the same frame.
void QRecordAudioObject::writeFrame(const void* data, int64_t frames, int64_t timestampUs)
{
    const int64_t stopAt = m_stopAtUs;
    if (stopAt > 0) {
        if (timestampUs >= stopAt)
            return;
        frames = std::min(frames, framesUntil(stopAt - timestampUs));
    }
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (frames > 0) {
        const CaptureRoute::Target& target = m_route.current();
        if (!m_filePosKnown)
            m_filePos = positionOf(timestampUs - target.startUs);
        const int64_t point = m_route.nextPointUs();
        const int64_t n = point == INT64_MAX
                              ? frames
                              : std::min(frames, positionOf(point - target.startUs) - m_filePos);
        if (n <= 0) {
            handOver();
            continue;
        }
        // The first block after a cut goes exactly where the old file left off.
        const int64_t relativeUs =
            m_filePosKnown && !m_targetWritten
                ? (m_filePos * 1000000 + m_format.rateHz - 1) / m_format.rateHz
                : timestampUs - target.startUs;
        writeTo(target, bytes, n, relativeUs);
        m_filePos += n;
        m_filePosKnown = m_targetWritten = true;
        bytes += n * m_format.blockAlign;
        frames -= n;
        timestampUs += n * 1000000 / m_format.rateHz;
    }
    // A block that ends on the cut completes the file now, not with the next block.
    while (m_filePosKnown && m_route.nextPointUs() != INT64_MAX &&
           m_filePos >= positionOf(m_route.nextPointUs() - m_route.current().startUs))
        handOver();
}

void QRecordAudioObject::writeTo(const CaptureRoute::Target& target, const void* data,
                                 int64_t frames, int64_t relativeUs)
{
    SetFrameSamples(m_frame, data, int32_t(frames));
    SetFrameTimestamp(m_frame, relativeUs);
    const bool ok = target.sink ? WriteAudioFrame(target.sink, m_frame) != 0
                                : PushStreamFrame(target.stream, m_frame) != 0;
    if (ok) {
        m_writeFailing = false;
        if (target.sink)
            m_recognition->feed(m_frame);
    } else if (!target.sink || GetRecorderState(target.sink) == BRISCA_RECORDER_WRITING) {
        // A recorder that stopped or failed is the session's business, not a dropped block.
        reportDropped(QString::fromUtf8(BriscaLastError()));
    }
}

// The next file takes over: the music heard so far belongs to the file that ended, what comes
// now is listened to for the next one.
void QRecordAudioObject::handOver()
{
    m_route.advance();
    // A source that wrote to the old file goes on at the new one's first frame; one that never
    // wrote places its first block by its timestamp.
    m_filePos = 0;
    m_targetWritten = false;
    const CaptureRoute::Target& next = m_route.current();
    if (next.sink == 0)
        return;  // a mixed-in microphone is heard through the other source's recorder
    m_recognition->end();
    m_recognition->prepare(next.path, next.piece);
    m_recognition->begin(
        {m_format.sampleFormat, m_format.rateHz, m_format.channels, int32_t(m_format.channelMask)});
}

void QRecordAudioObject::reportDropped(const QString& reason)
{
    if (m_writeFailing)
        return;  // one report per stretch of failures
    m_writeFailing = true;
    setError(QStringLiteral("captured audio was dropped: %1").arg(reason));
    emit emitAudioRecordFail();
}
