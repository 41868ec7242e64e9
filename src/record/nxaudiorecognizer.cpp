#include "nxaudiorecognizer.h"

#include <QDebug>

#include <brisca/brisca.h>

namespace {

std::string entryText(int32_t recognizer, const char* key)
{
    const BriscaEntry* e = GetRecognizedTag(recognizer, key);
    return e ? std::string(reinterpret_cast<const char*>(GetEntryData(e)), size_t(GetEntrySize(e)))
             : std::string();
}

}  // namespace

int32_t NxRecognizerAudioFormat::bitsPerSample(int32_t sampleFormat)
{
    static const int32_t kBits[] = {8, 16, 32, 32, 64};
    return sampleFormat >= 0 && sampleFormat < 5 ? kBits[sampleFormat] : 0;
}

NxAudioRecognizer::NxAudioRecognizer(QObject* parent)
    : QObject(parent), m_recognizer(CreateRecognizer(-1))
{
    qRegisterMetaType<NxRecognizerAudioFormat>();
    qRegisterMetaType<NxRecognizerAudioTagInfo>();
}

NxAudioRecognizer::~NxAudioRecognizer()
{
    ReleaseAudioRecognizer();
    DestroyRecognizer(m_recognizer);
}

bool NxAudioRecognizer::createStream(const NxRecognizerAudioFormat& format)
{
    m_stream = CreateStreamDesc(2);
    m_ownsStream = true;
    // Each setter fails on its own for a value it refuses; opening then reports the stream's
    // state (a refused format leaves the recognizer closed, frames ignored).
    bool ok = SetStreamCodecTag(m_stream, "AFRM") &&
              SetStreamSampleRate(m_stream, format.sampleRate) &&
              SetStreamChannels(m_stream, format.channels) &&
              SetStreamSampleFormat(m_stream, format.sampleFormat) &&
              SetStreamBitsPerSample(m_stream,
                                     NxRecognizerAudioFormat::bitsPerSample(format.sampleFormat));
    if (ok && format.channelLayout != 0)
        ok = SetStreamChannelLayout(m_stream, uint32_t(format.channelLayout));
    if (!ok)
        qInfo("recognizer: audio format not usable: %s", BriscaLastError());
    return ok;
}

void NxAudioRecognizer::openAndStart(int32_t stream)
{
    const int32_t flags = m_continuous && m_ownsStream ? BRISCA_RECOGNIZE_CONTINUOUS : 0;
    if (OpenRecognizer(m_recognizer, 0, stream, flags))
        m_isOpen = StartRecognizer(m_recognizer) == 1;
    if (!m_isOpen)
        qInfo("recognizer: not started: %s", BriscaLastError());
}

void NxAudioRecognizer::CreateAudioRecognizer(NxRecognizerAudioFormat audioFormat)
{
    ReleaseAudioRecognizer();
    m_format = audioFormat;
    if (createStream(audioFormat))
        openAndStart(m_stream);
}

void NxAudioRecognizer::CreateAudioRecognizer(int32_t recognizerTrack)
{
    ReleaseAudioRecognizer();
    m_stream = OpenRecognizerFileStream(recognizerTrack);
    m_ownsStream = m_stream != 0;
    openAndStart(m_stream);
}

void NxAudioRecognizer::CreateAudioRecognizerFromFilepath(const QString& filepath)
{
    ReleaseAudioRecognizer();
    if (RecognizeFile(m_recognizer, filepath.toUtf8().constData()))
        m_isOpen = StartRecognizer(m_recognizer) == 1;
    if (!m_isOpen)
        qInfo("recognizer: %s", BriscaLastError());
}

void NxAudioRecognizer::StopRecognizer()
{
    ::StopRecognizer(m_recognizer);
}

void NxAudioRecognizer::EndAudioStream()
{
    EndRecognizerStream(m_recognizer);
}

void NxAudioRecognizer::RecognizerAudioFrane(int32_t frame)
{
    if (!frame || !m_isOpen || m_isDone || m_isFull)
        return;
    if (GetRecognizerState(m_recognizer) == BRISCA_RECOGNIZER_MATCHED) {
        m_isDone = true;
        return;
    }
    if (GetStreamQueuedBytes(m_stream) > kQueueLimitBytes) {
        m_isFull = true;
        qInfo("recognizer: more than %lld bytes wait to be identified; feeding stops",
              static_cast<long long>(kQueueLimitBytes));
        return;
    }
    PushStreamFrame(m_stream, frame);
}

void NxAudioRecognizer::RecognizerAudioFrane(const QByteArray& samples)
{
    const int blockAlign =
        NxRecognizerAudioFormat::bitsPerSample(m_format.sampleFormat) / 8 * m_format.channels;
    if (samples.isEmpty() || blockAlign <= 0 || !m_isOpen)
        return;
    if (!m_frame) {
        m_frame = CreateFrame();
        SetFrameSampleFormat(m_frame, m_format.sampleFormat);
        SetFrameSampleRate(m_frame, m_format.sampleRate);
        SetFrameChannels(m_frame, m_format.channels);
        SetFrameChannelLayout(m_frame, uint32_t(m_format.channelLayout));
    }
    SetFrameSamples(m_frame, samples.constData(), int32_t(samples.size() / blockAlign));
    RecognizerAudioFrane(m_frame);
}

void NxAudioRecognizer::ReleaseAudioRecognizer()
{
    if (m_isOpen) {
        ::StopRecognizer(m_recognizer);
        CloseRecognizer(m_recognizer);
    }
    if (m_ownsStream)
        ReleaseStreamDesc(m_stream);
    if (m_frame)
        ReleaseFrame(m_frame);
    m_stream = m_frame = 0;
    m_ownsStream = false;
    m_format = {};
    m_tagInfo = {};
    m_isOpen = m_isDone = m_isFull = false;
}

bool NxAudioRecognizer::takeRecognizedTrack(int64_t* startUs)
{
    return m_isOpen && TakeRecognizedTrack(m_recognizer, startUs) == 1;
}

bool NxAudioRecognizer::isRecognized() const
{
    return GetRecognizerState(m_recognizer) == BRISCA_RECOGNIZER_MATCHED;
}

bool NxAudioRecognizer::hasEndedWithoutMatch() const
{
    return GetRecognizerState(m_recognizer) == BRISCA_RECOGNIZER_NO_MATCH;
}

QString NxAudioRecognizer::failureReason() const
{
    return QString::fromUtf8(GetRecognizerReason(m_recognizer));
}

double NxAudioRecognizer::confidence() const
{
    double value = 0;
    return GetRecognizedMatch(m_recognizer, &value, nullptr) ? value : 0;
}

int64_t NxAudioRecognizer::offsetUs() const
{
    int64_t value = 0;
    return GetRecognizedMatch(m_recognizer, nullptr, &value) ? value : 0;
}

NxRecognizerAudioTagInfo NxAudioRecognizer::tagInfo()
{
    NxRecognizerAudioTagInfo& t = m_tagInfo;
    t = {};
    const std::pair<const char*, std::string*> fields[] = {
        {"title", &t.title},         {"artist", &t.artist},
        {"album", &t.album},         {"album_artist", &t.albumArtist},
        {"comment", &t.comment},     {"composer", &t.composer},
        {"copyright", &t.copyright}, {"date", &t.date},
        {"disc", &t.disc},           {"dvd_clip", &t.dvdClip},
        {"dvd_size", &t.dvdSize},    {"genre", &t.genre},
        {"grouping", &t.grouping},   {"lyrics", &t.lyrics},
        {"track", &t.track},         {"year", &t.year}};
    for (const auto& [key, field] : fields)
        *field = entryText(m_recognizer, key);
    t.cover = entryText(m_recognizer, "cover_image");
    t.coverSize = int32_t(t.cover.size());
    return t;
}
