#include "qrecordaudioobject.h"

#include "pulsecaptureendpoint.h"
#include "qaudioframebuffer.h"
#include "sessionclock.h"

#include <brisca/brisca.h>

#include <QByteArray>

#include <thread>

namespace {

constexpr int kPollMs = 10;
// A block reaches the recorder only once this many newer ones are queued behind it.
constexpr int kPacketQueueDepth = 4;
constexpr int kSilenceQueueDepth = 1;
constexpr int64_t kWatchdogUs = 1000000;
constexpr int kSilenceFrames = 64;

int32_t ignoreStreamData(void*, const uint8_t*, int32_t) { return 0; }

}  // namespace

QRecordAudioObject::QRecordAudioObject(int mode, QObject* parent)
    : QObject(parent), m_mode(mode), m_frame(CreateFrame())
{
}

QRecordAudioObject::~QRecordAudioObject()
{
    stopCapture();
    ReleaseFrame(m_frame);
    if (m_stream)
        ReleaseStreamDesc(m_stream);
}

void QRecordAudioObject::setEndpointFactory(CaptureEndpointFactory factory)
{
    m_factory = std::move(factory);
}

bool QRecordAudioObject::startCapture()
{
    stopCapture();
    m_stop = false;
    m_started = false;
    m_active = false;
    m_setUpOk = false;
    setError(QString());
    QUtilThread::start();
    while (!m_started)
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    return m_setUpOk;
}

void QRecordAudioObject::stopCapture()
{
    m_stop = true;
    stopAndWait();
}

void QRecordAudioObject::resetRecorder() { m_sink = 0; }

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
    m_started = true;
    emit emitVolume(-10000);
    if (!ok)
        emit emitAudioRecordFail();
}

bool QRecordAudioObject::setUp(CaptureEndpoint* endpoint)
{
    if (!endpoint->open(m_mode, &m_format)) {
        setError(endpoint->errorString());
        return false;
    }
    SetFrameSampleFormat(m_frame, m_format.sampleFormat);
    SetFrameSampleRate(m_frame, m_format.rateHz);
    SetFrameChannels(m_frame, m_format.channels);
    SetFrameChannelLayout(m_frame, m_format.channelMask);
    m_queue = std::make_unique<QAudioFrameBuffer>();
    rebuildStream(m_format);
    m_timeline.reset(m_format.rateHz);
    return true;
}

bool QRecordAudioObject::capture()
{
    std::unique_ptr<CaptureEndpoint> endpoint =
        m_factory ? m_factory() : std::make_unique<PulseCaptureEndpoint>();
    if (!setUp(endpoint.get()))
        return false;
    m_setUpOk = true;
    m_capturing = true;
    m_started = true;

    int64_t lastPacketUs = sessionClockUs();
    bool ok = true;
    while (ok && !m_stop) {
        if (waitForStop(std::chrono::milliseconds(kPollMs)))
            break;
        emit emitVolume(0);
        int64_t readable = endpoint->readableBytes();
        if (readable < 0) {
            ok = false;
            break;
        }
        // The watchdog keeps a source that delivers nothing (an idle loopback device) on the
        // wall clock. It waits while a packet is pending: after a stall of the thread itself
        // the backlog is real audio and must not be preceded by invented silence.
        const int64_t now = sessionClockUs();
        if (readable == 0 && now - lastPacketUs > kWatchdogUs) {
            lastPacketUs = now;
            addSilence(now);
        }
        while (readable > 0 && !m_stop) {
            const void* data = nullptr;
            int64_t frames = 0;
            if (!endpoint->peek(&data, &frames)) {
                ok = false;
                break;
            }
            if (frames > 0) {
                takePacket(data, frames);
                lastPacketUs = sessionClockUs();
            }
            if (!endpoint->drop() || (readable = endpoint->readableBytes()) < 0) {
                ok = false;
                break;
            }
        }
    }
    if (!ok)
        setError(endpoint->errorString());
    endpoint->close();
    flushQueue();
    return ok;
}

void QRecordAudioObject::rebuildStream(const CaptureFormat& format)
{
    if (m_stream)
        ReleaseStreamDesc(m_stream);
    const int32_t stream = CreateStreamDesc(2);
    SetStreamCodecTag(stream, "AFRM");
    SetStreamSampleRate(stream, format.rateHz);
    SetStreamChannels(stream, format.channels);
    if (format.channelMask)
        SetStreamChannelLayout(stream, format.channelMask);
    SetStreamSampleFormat(stream, format.sampleFormat);
    SetStreamBitsPerSample(stream, format.bitsPerSample);
    SetStreamDataCallback(stream, &ignoreStreamData, nullptr);
    m_stream = stream;
}

void QRecordAudioObject::takePacket(const void* data, int64_t frames)
{
    if (!m_active)
        return;
    const int64_t ts = m_timeline.stampPacket(sessionClockUs() - m_startUs, frames);
    if (m_sink == 0) {
        SetFrameSamples(m_frame, data, int32_t(frames));
        SetFrameTimestamp(m_frame, ts);
        PushStreamFrame(m_stream, m_frame);
        return;
    }
    m_queue->append({static_cast<const uint8_t*>(data), uint32_t(frames * m_format.blockAlign),
                     ts});
    if (m_queue->count() > kPacketQueueDepth) {
        const QAudioFrameBuffer::Block* oldest = m_queue->front();
        sendBlock(oldest->data, oldest->size, oldest->timestampUs);
        m_queue->popFront();
    }
}

void QRecordAudioObject::addSilence(int64_t nowUs)
{
    if (m_sink == 0 || !m_active)
        return;
    // Unsigned 8-bit samples are silent at their midpoint, every other format at zero.
    const char silence = m_format.sampleFormat == 0 ? char(0x80) : char(0);
    const QByteArray block(kSilenceFrames * m_format.blockAlign, silence);
    const int64_t ts = m_timeline.stampSilence(nowUs - m_startUs);
    m_queue->append(
        {reinterpret_cast<const uint8_t*>(block.constData()), uint32_t(block.size()), ts});
    if (m_queue->count() > kSilenceQueueDepth) {
        const QAudioFrameBuffer::Block* oldest = m_queue->front();
        sendBlock(oldest->data, oldest->size, oldest->timestampUs);
        m_queue->popFront();
    }
}

void QRecordAudioObject::sendBlock(const void* data, uint32_t bytes, int64_t timestampUs)
{
    const int32_t sink = m_sink;
    if (sink == 0)
        return;
    SetFrameSamples(m_frame, data, int32_t(bytes / uint32_t(m_format.blockAlign)));
    SetFrameTimestamp(m_frame, timestampUs);
    WriteAudioFrame(sink, m_frame);
}

void QRecordAudioObject::flushQueue()
{
    if (!m_queue)
        return;
    while (m_queue->count() > 0) {
        const QAudioFrameBuffer::Block* oldest = m_queue->front();
        sendBlock(oldest->data, oldest->size, oldest->timestampUs);
        m_queue->popFront();
    }
}
