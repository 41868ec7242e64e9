#include "qrecordobject.h"

#include "formatdescriptor.h"
#include "historywriter.h"
#include "qrecordareainfo.h"
#include "qrecordaudioobject.h"
#include "sessionclock.h"

#include <brisca/brisca.h>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QTimerEvent>

#include <algorithm>
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
      m_out(makeOutput()),
      m_system(new QRecordAudioObject(CaptureEndpoint::SystemAudio, this)),
      m_microphone(new QRecordAudioObject(CaptureEndpoint::Microphone, this))
{
    for (QRecordAudioObject* source : {m_system, m_microphone}) {
        connect(source, &QRecordAudioObject::emitAudioRecordFail, this,
                [this, source] { onSourceFailed(source); });
        connect(source, &QRecordAudioObject::emitStarted, this, &QRecordObject::onSourceStarted);
        // Queued: it comes from the capture thread.
        connect(source, &QRecordAudioObject::emitRecognizedTrack, this,
                &QRecordObject::emitRecognizedTrack, Qt::QueuedConnection);
    }
}

QRecordObject::~QRecordObject()
{
    stop();
    m_system->stopCapture();
    m_microphone->stopCapture();
    destroyOutput(m_out);
    for (Output& spare : m_spare)
        destroyOutput(spare);
}

int QRecordObject::capturingSources() const
{
    return int(m_system->isCapturing()) + int(m_microphone->isCapturing());
}

int32_t QRecordObject::makeEncodeParams(int32_t micStream) const
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
    if (micStream) {
        SetEncodeAudioEnabled(params, 1);
        SetEncodeAudioDevice(params, micStream);
    }
    return params;
}

// Starts the capture threads of the sources in use, the microphone first. When the microphone
// is mixed into system audio it has no sink and feeds its stream instead.
void QRecordObject::startSources(bool useSystem, bool useMic, bool mixing)
{
    m_system->setApplication(QRecordAreaInfo::instance().application());
    const int64_t now = sessionClockUs();
    m_startClockUs = now;
    m_usesSystem = useSystem;
    m_usesMic = useMic;
    m_mixing = mixing;
    m_handOvers = 0;
    for (QRecordAudioObject* source : {m_microphone, m_system}) {
        source->setOutput(targetFor(source, m_out, now));
        if (source == m_system ? !useSystem : !useMic)
            continue;
        source->startCapture();
        source->setActive(true);
    }
}

void QRecordObject::stopSources(int64_t stopAtUs)
{
    m_system->stopCapture(stopAtUs);
    m_microphone->stopCapture(stopAtUs);
}

void QRecordObject::killTimers()
{
    if (m_recordTimer)
        killTimer(m_recordTimer);
    if (m_audioDataTimer)
        killTimer(m_audioDataTimer);
    m_recordTimer = m_audioDataTimer = 0;
}

// Opens the output's recorder on `path` with the current settings and starts its thread. False
// (with lastError()) when the file cannot be written or the encoder refuses the parameters.
bool QRecordObject::openOutput(Output& output, const QString& path)
{
    const int32_t params = makeEncodeParams(m_mixing ? output.stream : 0);
    const QByteArray format = m_settings.formatKey.toUtf8();
    const bool opened =
        OpenRecorder(output.recorder, path.toUtf8().constData(), format.constData(), params) != 0;
    ReleaseEncodeParams(params);
    if (!opened) {
        m_lastError =
            QStringLiteral("cannot write %1: %2").arg(path, QString::fromUtf8(BriscaLastError()));
        return false;
    }
    if (StartRecorder(output.recorder) != 1) {
        m_lastError = QStringLiteral("the recorder does not start: %1")
                          .arg(QString::fromUtf8(BriscaLastError()));
        CloseRecorder(output.recorder);
        QFile::remove(path);
        return false;
    }
    output.path = path;
    output.droppedUs[0] = output.droppedUs[1] = 0;
    output.discard = false;
    return true;
}

bool QRecordObject::start(const QString& path)
{
    if (m_recording) {
        m_lastError = QStringLiteral("a recording is already running");
        return false;
    }
    m_lastError.clear();
    if (!m_out.recorder) {
        m_lastError = QStringLiteral("the media engine has no recorder: %1")
                          .arg(QString::fromUtf8(BriscaLastError()));
        return false;
    }
    const QRecordAreaInfo& area = QRecordAreaInfo::instance();
    const bool useSystem = area.uses(QRecordAreaInfo::SystemAudio) && loopbackCaptureAvailable();
    const bool useMic = area.uses(QRecordAreaInfo::Microphone);
    if (!useSystem && !useMic) {
        m_lastError = QStringLiteral("no source selected");
        return false;
    }
    m_mixing = useSystem && useMic;

    takeSettingsFromCurrentFormat();
    if (!openOutput(m_out, path))
        return false;
    m_recording = true;
    m_path = path;
    m_out.piece = ++m_piece;
    m_stopping = false;
    m_lastDurationUs = 0;
    m_openFailures.clear();
    startSources(useSystem, useMic, m_mixing);
    m_recordTimer = startTimer(kRecordTimeMs, Qt::CoarseTimer);
    // Level blocks are fetched only for a listener; 20 wake-ups a second for nobody cost CPU
    // (the command line has no level display).
    if (isSignalConnected(QMetaMethod::fromSignal(&QRecordObject::emitAudioData)))
        m_audioDataTimer = startTimer(kAudioDataMs, Qt::CoarseTimer);
    return true;
}

void QRecordObject::stop()
{
    stopSources(m_recording ? sessionClockUs() : 0);
    killTimers();
    finishCutFiles(true);
    const int state = GetRecorderState(m_out.recorder);
    if (state == BRISCA_RECORDER_WRITING) {
        StopRecorder(m_out.recorder);
        const int64_t duration = GetRecordedDuration(m_out.recorder);
        if (duration > 0)
            m_lastDurationUs = uint64_t(duration);
        if (GetRecorderState(m_out.recorder) == BRISCA_RECORDER_FAILED) {
            onRecorderFailed();
            return;
        }
        CloseRecorder(m_out.recorder);
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
void QRecordObject::finish(const QString& error)
{
    if (!m_recording)
        return;
    m_recording = false;
    enterFinished({m_path, m_piece, m_lastDurationUs, error});
}

void QRecordObject::enterFinished(const FinishedFile& file)
{
    const bool audioOnly = m_settings.videoCodec == -1;
    if (!appendRecordingToHistory(file.path, file.durationUs, m_settings.formatKey,
                                  QFileInfo(file.path).suffix(), audioOnly ? 0 : m_settings.width,
                                  audioOnly ? 0 : m_settings.height))
        qWarning().noquote() << "cannot enter" << file.path << "into the history";
    m_finished = file;
    emit emitFinishRecordFile(file.path);
}

// The file cannot be written any more (disk full, ...): capture stops, the file keeps what was
// written so far and stays playable.
void QRecordObject::onRecorderFailed()
{
    stopSources();
    killTimers();
    finishCutFiles(true);
    m_lastError = QStringLiteral("cannot write %1: %2")
                      .arg(m_path, QString::fromUtf8(GetRecorderError(m_out.recorder)));
    CloseRecorder(m_out.recorder);
    m_stopping = true;
    const bool wasRecording = m_recording;
    qWarning().noquote() << "recording failed:" << m_lastError;
    finish(m_lastError);  // the file keeps what was written and is listed like any other
    if (wasRecording)
        emit emitAudioRecordFail();
}

void QRecordObject::onSourceFailed(QRecordAudioObject* source)
{
    if (!m_recording)
        return;
    const QString reason = source->lastError();
    if (source->isCapturing()) {
        warn(QStringLiteral("%1: %2").arg(sourceName(source), reason));
    } else if (source->hasOpened()) {
        warn(QStringLiteral("%1 capture stopped: %2").arg(sourceName(source), reason));
    } else {
        m_openFailures.append({source, reason});
        decideStart();
    }
}

void QRecordObject::onSourceStarted()
{
    if (m_recording)
        decideStart();
}

// Once no source is still opening: the recording goes on with the sources that opened (and
// says which could not), or, when none did, it never began.
void QRecordObject::decideStart()
{
    if (m_system->isStarting() || m_microphone->isStarting() || m_openFailures.isEmpty())
        return;
    const QVector<OpenFailure> failures = m_openFailures;
    m_openFailures.clear();
    if (!m_system->hasOpened() && !m_microphone->hasOpened()) {
        // System audio's reason first: it is the source recorded by default.
        QString reason = failures.constFirst().reason;
        for (const OpenFailure& failure : failures) {
            if (failure.source == m_system)
                reason = failure.reason;
        }
        abandonFailedStart(reason);
        return;
    }
    for (const OpenFailure& failure : failures)
        warn(QStringLiteral("%1 is not recorded: %2")
                 .arg(sourceName(failure.source), failure.reason));
}

void QRecordObject::warn(const QString& message)
{
    m_lastError = message;
    qWarning().noquote() << m_lastError;
    emit emitAudioRecordFail();
}

// No source could be opened: the recording never began. The empty file goes and nothing enters
// the history.
void QRecordObject::abandonFailedStart(const QString& reason)
{
    stopSources();
    killTimers();
    // Files cut off meanwhile heard nothing either: they go too.
    for (Output& cutOff : m_ending) {
        cutOff.discard = true;
        QFile::remove(cutOff.path);
    }
    finishCutFiles(true);
    CloseRecorder(m_out.recorder);
    QFile::remove(m_path);
    m_recording = false;
    m_lastError = reason;
    emit emitAudioRecordFail();
}

// Audio that came too late for its place (a source that lagged for seconds) was dropped by the
// recorder: say so once for every new loss.
void QRecordObject::checkDroppedAudio(Output& output)
{
    for (int input = 0; input < 2; ++input) {
        const int64_t dropped = GetRecorderDroppedDuration(output.recorder, input);
        if (dropped <= output.droppedUs[input])
            continue;
        output.droppedUs[input] = dropped;
        const QRecordAudioObject* source =
            input == 1 || (!m_mixing && !m_system->isCapturing()) ? m_microphone : m_system;
        warn(QStringLiteral("%1 ms of %2 came too late for its place and was dropped")
                 .arg(dropped / 1000)
                 .arg(sourceName(source)));
    }
}

void QRecordObject::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_recordTimer) {
        if (GetRecorderState(m_out.recorder) == BRISCA_RECORDER_FAILED) {
            onRecorderFailed();
            return;
        }
        finishCutFiles(false);
        const int64_t duration = GetRecordedDuration(m_out.recorder);
        if (duration > 0)
            m_lastDurationUs = uint64_t(duration);
        // The file holds the session's time up to the stop, filled with silence where a source
        // delivered nothing, while what is written can lag behind by the mixer's latency bound
        // (an idle sink's monitor sends nothing). The time shown is what the file will hold.
        const int64_t elapsed = std::max<int64_t>(sessionClockUs() - m_startClockUs, duration);
        if (elapsed > 0)
            emit emitRecordTime(uint64_t(elapsed));
        checkDroppedAudio(m_out);
    } else if (event->timerId() == m_audioDataTimer) {
        const uint8_t* block = GetRecorderLevelBlock(m_out.recorder);
        if (!block)
            return;
        uint32_t bytes = 0;
        std::memcpy(&bytes, block + kLevelByteCountOffset, sizeof bytes);
        emit emitAudioData(const_cast<unsigned char*>(block), int(bytes / 2));
        ReleaseRecorderLevelBlock(m_out.recorder, block);
    } else {
        QObject::timerEvent(event);
    }
}
