// Cuts of a running recording: the next file opens while capture goes on, the sources move to it
// at one point of the session clock, and the file that ended is finished once they all have.

#include "qrecordobject.h"

#include "qrecordaudioobject.h"
#include "sessionclock.h"

#include <brisca/brisca.h>

#include <QDebug>
#include <QFile>

#include <algorithm>

namespace {

int32_t ignoreStreamData(void*, const uint8_t*, int32_t)
{
    return 0;
}

// A path in the same folder that no file has yet.
QString asidePath(const QString& path)
{
    QString aside = path + QStringLiteral(".discarded");
    for (int n = 1; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".discarded%1").arg(n);
    return aside;
}

}  // namespace

QRecordObject::Output QRecordObject::makeOutput()
{
    Output output;
    output.recorder = CreateRecorder(-1);
    // Frames carry their own format: the stream needs none.
    output.stream = CreateStreamDesc(2);
    SetStreamCodecTag(output.stream, "AFRM");
    SetStreamDataCallback(output.stream, &ignoreStreamData, nullptr);
    return output;
}

void QRecordObject::destroyOutput(Output& output)
{
    DestroyRecorder(output.recorder);
    ReleaseStreamDesc(output.stream);
    output.recorder = output.stream = 0;
}

QRecordObject::Output QRecordObject::takeSpareOutput()
{
    if (m_spare.empty())
        return makeOutput();
    Output output = m_spare.back();
    m_spare.pop_back();
    return output;
}

CaptureRoute::Target QRecordObject::targetFor(const QRecordAudioObject* source,
                                              const Output& output, int64_t startUs) const
{
    // The mixed-in microphone feeds the recorder's second input, a stream.
    const bool toStream = source == m_microphone && m_mixing;
    return {toStream ? 0 : output.recorder, output.stream, startUs, output.path, output.piece};
}

uint64_t QRecordObject::currentLengthUs() const
{
    return m_recording ? uint64_t(std::max<int64_t>(sessionClockUs() - m_startClockUs, 0)) : 0;
}

bool QRecordObject::roomForCut()
{
    if (m_system->canHandOver() && m_microphone->canHandOver())
        return true;
    m_lastError = QStringLiteral("cuts come faster than the sources can follow");
    return false;
}

// A discarded file leaves its path at once (its recorder writes on into the moved file, which
// goes once the next file is open), so that the next one may take the path.
bool QRecordObject::moveAside(QString* aside)
{
    const QString path = asidePath(m_path);
    if (!QFile::rename(m_path, path)) {
        m_lastError = QStringLiteral("cannot replace %1: it cannot be moved aside").arg(m_path);
        return false;
    }
    *aside = path;
    return true;
}

void QRecordObject::scheduleHandOver(int64_t atUs, const Output& next)
{
    for (QRecordAudioObject* source : {m_system, m_microphone}) {
        if (source == m_system ? m_usesSystem : m_usesMic)
            source->handOverAt(atUs, targetFor(source, next, atUs));
    }
}

bool QRecordObject::cut(const QString& nextPath, CutMode mode)
{
    if (!m_recording) {
        m_lastError = QStringLiteral("nothing is being recorded");
        return false;
    }
    Output next = takeSpareOutput();
    next.piece = m_piece + 1;
    QString aside;
    const bool ok =
        roomForCut() && (mode == CutMode::Keep || moveAside(&aside)) && openOutput(next, nextPath);
    // The discarded file goes for good, or comes back when the next one cannot be opened.
    if (!aside.isEmpty() && (ok ? !QFile::remove(aside) : !QFile::rename(aside, m_path)))
        qWarning().noquote() << "the discarded recording stays at" << aside;
    if (!ok) {
        m_spare.push_back(next);
        const QString reason = m_lastError;
        stop();
        m_lastError = reason;
        return false;
    }
    const int64_t atUs = sessionClockUs();
    scheduleHandOver(atUs, next);
    m_out.handOvers = ++m_handOvers;
    m_out.discard = mode == CutMode::Discard;
    m_ending.push_back(m_out);
    m_out = next;
    m_path = nextPath;
    m_piece = next.piece;
    m_startClockUs = atUs;
    m_lastDurationUs = 0;
    return true;
}

// Finishes the cut-off files whose sources have all moved on, oldest first; with `all` every
// one (the sources have stopped).
void QRecordObject::finishCutFiles(bool all)
{
    while (!m_ending.empty()) {
        Output& oldest = m_ending.front();
        if (!all && !(m_system->hasHandedOver(oldest.handOvers) &&
                      m_microphone->hasHandedOver(oldest.handOvers)))
            return;
        Output output = oldest;
        m_ending.pop_front();
        finishCutFile(output);
        m_spare.push_back(output);
    }
}

void QRecordObject::finishCutFile(Output& output)
{
    StopRecorder(output.recorder);
    const int64_t duration = GetRecordedDuration(output.recorder);
    const bool failed = GetRecorderState(output.recorder) == BRISCA_RECORDER_FAILED;
    const QString error =
        failed ? QStringLiteral("cannot write %1: %2")
                     .arg(output.path, QString::fromUtf8(GetRecorderError(output.recorder)))
               : QString();
    if (!output.discard)
        checkDroppedAudio(output);
    CloseRecorder(output.recorder);
    if (output.discard)
        return;
    if (failed)
        qWarning().noquote() << "recording cut short:" << error;
    enterFinished({output.path, output.piece, uint64_t(std::max<int64_t>(duration, 0)), error});
}
