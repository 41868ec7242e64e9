#include "qrecordobject.h"

#include "formatdescriptor.h"
#include "historywriter.h"
#include "qrecordareainfo.h"
#include "qrecordaudioobject.h"
#include "sessionclock.h"

#include <brisca/brisca.h>

#include <QDebug>
#include <QFileInfo>
#include <QTimerEvent>

#include <cstring>

namespace {

constexpr int kRecordTimeMs = 100;
constexpr int kAudioDataMs = 50;
constexpr int kLevelByteCountOffset = 40;

QString sourceName(const QRecordAudioObject* source)
{
    return source->mode() == CaptureEndpoint::Microphone ? QStringLiteral("microphone")
                                                         : QStringLiteral("system audio");
}

}  // namespace

QRecordObject::QRecordObject(QObject* parent)
    : QObject(parent),
      m_recorder(CreateRecorder(-1)),
      m_system(new QRecordAudioObject(CaptureEndpoint::SystemAudio, this)),
      m_microphone(new QRecordAudioObject(CaptureEndpoint::Microphone, this))
{
    for (QRecordAudioObject* source : {m_system, m_microphone}) {
        connect(source, &QRecordAudioObject::emitAudioRecordFail, this,
                [this, source] { onSourceFailed(source); });
    }
}

QRecordObject::~QRecordObject()
{
    stop();
    m_system->stopCapture();
    m_microphone->stopCapture();
    DestroyRecorder(m_recorder);
}

int QRecordObject::capturingSources() const
{
    return int(m_system->isCapturing()) + int(m_microphone->isCapturing());
}

int32_t QRecordObject::makeEncodeParams() const
{
    const int rateHz = m_settings.sampleRateHz > 0 ? m_settings.sampleRateHz : 44100;
    const int bitRateKbps =
        clampAudioBitRateKbps(m_settings.formatKey, rateHz, m_settings.audioBitRateKbps);
    const int32_t params = CreateEncodeParams();
    SetVideoCodec(params, -1);
    SetAudioCodec(params, m_settings.audioCodec);
    SetAudioChannels(params, m_settings.channels > 0 ? m_settings.channels : 2);
    SetAudioSampleRate(params, rateHz);
    if (bitRateKbps > 0)
        SetAudioBitRate(params, bitRateKbps * 1000);
    return params;
}

// Starts the capture threads of the sources in use, the microphone first. When the microphone
// is mixed into system audio it has no sink and feeds its stream instead. A source that cannot
// be opened is left out; false when none is left.
bool QRecordObject::startSources(bool* mixing)
{
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    const bool useSystem = area.uses(QRecordAreaInfo::SystemAudio) && loopbackCaptureAvailable();
    const bool useMic = area.uses(QRecordAreaInfo::Microphone);
    *mixing = useSystem && useMic;
    if (!useSystem && !useMic) {
        m_lastError = QStringLiteral("no source selected");
        return false;
    }
    m_system->setSink(m_recorder);
    m_microphone->setSink(*mixing ? 0 : m_recorder);

    const bool micOk = useMic && m_microphone->startCapture();
    const bool systemOk = useSystem && m_system->startCapture();
    if (*mixing && micOk && !systemOk) {
        // Without system audio the microphone is the only input: it writes to the recorder.
        m_microphone->stopCapture();
        m_microphone->setSink(m_recorder);
        m_microphone->startCapture();
    }
    *mixing = *mixing && micOk && systemOk;
    if (m_system->isCapturing() || m_microphone->isCapturing())
        return true;
    m_lastError = useSystem ? m_system->lastError() : m_microphone->lastError();
    return false;
}

void QRecordObject::stopSources()
{
    m_system->stopCapture();
    m_microphone->stopCapture();
}

void QRecordObject::killTimers()
{
    if (m_recordTimer)
        killTimer(m_recordTimer);
    if (m_audioDataTimer)
        killTimer(m_audioDataTimer);
    m_recordTimer = m_audioDataTimer = 0;
}

void QRecordObject::abandonStart(int32_t params, const QString& reason)
{
    stopSources();
    ReleaseEncodeParams(params);
    m_lastError = reason;
    m_recording = false;
}

bool QRecordObject::start(const QString& path)
{
    if (m_recording) {
        m_lastError = QStringLiteral("a recording is already running");
        return false;
    }
    m_recording = true;
    m_path = path;
    m_lastError.clear();
    if (!m_recorder) {
        m_lastError = QStringLiteral("the media engine has no recorder: %1")
                          .arg(QString::fromUtf8(BriscaLastError()));
        m_recording = false;
        return false;
    }

    takeSettingsFromCurrentFormat();
    const int32_t params = makeEncodeParams();
    bool mixing = false;
    if (!startSources(&mixing)) {
        abandonStart(params, m_lastError);
        return false;
    }
    if (mixing) {
        SetEncodeAudioEnabled(params, 1);
        SetEncodeAudioDevice(params, m_microphone->stream());
    }
    const QByteArray format = m_settings.formatKey.toUtf8();
    if (!OpenRecorder(m_recorder, path.toUtf8().constData(), format.constData(), params)) {
        abandonStart(params, QStringLiteral("cannot write %1: %2")
                                 .arg(path, QString::fromUtf8(BriscaLastError())));
        return false;
    }
    ReleaseEncodeParams(params);

    const int64_t now = sessionClockUs();
    for (QRecordAudioObject* source : {m_system, m_microphone}) {
        source->setStartTimeUs(now);
        source->setActive(true);
    }
    if (StartRecorder(m_recorder) != 1) {
        const QString reason = QString::fromUtf8(BriscaLastError());
        stopSources();
        CloseRecorder(m_recorder);
        m_lastError = QStringLiteral("the recorder does not start: %1").arg(reason);
        m_recording = false;
        return false;
    }
    m_recordTimer = startTimer(kRecordTimeMs, Qt::CoarseTimer);
    m_audioDataTimer = startTimer(kAudioDataMs, Qt::CoarseTimer);
    m_stopping = false;
    m_lastDurationUs = 0;
    return true;
}

void QRecordObject::stop()
{
    stopSources();
    killTimers();
    const int state = GetRecorderState(m_recorder);
    if (state == BRISCA_RECORDER_WRITING) {
        StopRecorder(m_recorder);
        const int64_t duration = GetRecordedDuration(m_recorder);
        if (duration > 0)
            m_lastDurationUs = uint64_t(duration);
        if (GetRecorderState(m_recorder) == BRISCA_RECORDER_FAILED) {
            onRecorderFailed();
            return;
        }
        CloseRecorder(m_recorder);
        m_stopping = true;
        finish();
    } else if (state == BRISCA_RECORDER_FAILED) {
        onRecorderFailed();
    }
}

void QRecordObject::takeSettingsFromCurrentFormat()
{
    const FormatDescriptor* current = FormatDescriptor::current();
    if (m_explicitSettings || !current)
        return;
    // The recorder writes audio only: there is no picture area to size a video profile by.
    m_settings = encodeSettingsFromDescriptor(*current, 0, 0);
}

// Every finished file, also one cut short by a full disk, enters the history before listeners
// hear of it.
void QRecordObject::finish()
{
    if (!m_recording)
        return;
    const bool audioOnly = m_settings.videoCodec == -1;
    if (!appendRecordingToHistory(m_path, m_lastDurationUs, m_settings.formatKey,
                                  QFileInfo(m_path).suffix(), audioOnly ? 0 : m_settings.width,
                                  audioOnly ? 0 : m_settings.height))
        qWarning().noquote() << "cannot enter" << m_path << "into the history";
    emit emitFinishRecordFile(m_path);
    m_recording = false;
}

// The file cannot be written any more (disk full, ...): capture stops, the file keeps what was
// written so far and stays playable.
void QRecordObject::onRecorderFailed()
{
    stopSources();
    killTimers();
    m_lastError = QStringLiteral("cannot write %1: %2")
                      .arg(m_path, QString::fromUtf8(GetRecorderError(m_recorder)));
    CloseRecorder(m_recorder);
    m_stopping = true;
    const bool wasRecording = m_recording;
    qWarning().noquote() << "recording failed:" << m_lastError;
    finish();  // the file keeps what was written and is listed like any other
    if (wasRecording)
        emit emitAudioRecordFail();
}

void QRecordObject::onSourceFailed(QRecordAudioObject* source)
{
    // A source that failed while start() was still deciding is reported through start()'s
    // result instead.
    if (!m_recording)
        return;
    m_lastError = QStringLiteral("%1 capture stopped: %2").arg(sourceName(source),
                                                               source->lastError());
    qWarning().noquote() << m_lastError;
    emit emitAudioRecordFail();
}

void QRecordObject::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_recordTimer) {
        if (GetRecorderState(m_recorder) == BRISCA_RECORDER_FAILED) {
            onRecorderFailed();
            return;
        }
        const int64_t duration = GetRecordedDuration(m_recorder);
        if (duration > 0) {
            m_lastDurationUs = uint64_t(duration);
            emit emitRecordTime(m_lastDurationUs);
        }
    } else if (event->timerId() == m_audioDataTimer) {
        const uint8_t* block = GetRecorderLevelBlock(m_recorder);
        if (!block)
            return;
        uint32_t bytes = 0;
        std::memcpy(&bytes, block + kLevelByteCountOffset, sizeof bytes);
        emit emitAudioData(const_cast<unsigned char*>(block), int(bytes / 2));
        ReleaseRecorderLevelBlock(m_recorder, block);
    } else {
        QObject::timerEvent(event);
    }
}
