#include "demuxer.h"

#include "avlog.h"
#include "riffguard.h"

namespace brisca {

Demuxer::Demuxer()
{
    setFfmpegLogLevel();
}

Demuxer::~Demuxer() = default;

int Demuxer::interruptCallback(void* self)
{
    return static_cast<Demuxer*>(self)->m_abort.load() ? 1 : 0;
}

bool Demuxer::open(const std::string& path, std::string* error)
{
    close();
    m_path = path;
    std::string damage;
    if (!riffInfoFits(path, &damage)) {
        *error = "open '" + path + "': " + damage;
        return false;
    }
    AVFormatContext* format = avformat_alloc_context();
    if (!format) {
        *error = "out of memory";
        return false;
    }
    format->interrupt_callback.callback = &Demuxer::interruptCallback;
    format->interrupt_callback.opaque = this;
    // avformat_open_input frees the context on failure.
    int rc = avformat_open_input(&format, path.c_str(), nullptr, nullptr);
    if (rc >= 0) {
        m_format.reset(format);
        // FFmpeg reads any text as ANSI art ("tty") and its own metadata files as media; for
        // a sound program both are just not media.
        const std::string name = format->iformat->name;
        rc = name == "tty" || name == "ffmetadata" ? AVERROR_INVALIDDATA
                                                   : avformat_find_stream_info(format, nullptr);
    }
    if (rc < 0) {
        // Probing garbage ends in "invalid data" or, from some demuxers, "invalid argument".
        const bool garbage = rc == AVERROR_INVALIDDATA || rc == AVERROR(EINVAL);
        *error =
            "open '" + path + "': " +
            (garbage ? std::string("not a media file, or damaged beyond reading") : errorText(rc));
        close();
        return false;
    }
    return true;
}

void Demuxer::close()
{
    m_format.reset();
}

int Demuxer::bestAudioStream() const
{
    if (!m_format)
        return -1;
    const int index = av_find_best_stream(m_format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    return index >= 0 ? index : -1;
}

int Demuxer::audioStream(int audioIndex) const
{
    if (!m_format)
        return -1;
    if (audioIndex < 0)
        return bestAudioStream();
    int seen = 0;
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        if (m_format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO &&
            seen++ == audioIndex)
            return int(i);
    }
    return -1;
}

int Demuxer::countStreams(AVMediaType type) const
{
    int n = 0;
    for (unsigned i = 0; m_format && i < m_format->nb_streams; ++i)
        n += m_format->streams[i]->codecpar->codec_type == type;
    return n;
}

int Demuxer::pictureStream() const
{
    for (unsigned i = 0; m_format && i < m_format->nb_streams; ++i) {
        const AVStream* s = m_format->streams[i];
        if (s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            !(s->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return int(i);
    }
    return -1;
}

int Demuxer::attachedPictureStream() const
{
    for (unsigned i = 0; m_format && i < m_format->nb_streams; ++i) {
        const AVStream* s = m_format->streams[i];
        if ((s->disposition & AV_DISPOSITION_ATTACHED_PIC) && s->attached_pic.size > 0)
            return int(i);
    }
    return -1;
}

int64_t Demuxer::durationUs() const
{
    if (!m_format)
        return 0;
    if (m_format->duration > 0)
        return av_rescale_q(m_format->duration, AV_TIME_BASE_Q, AVRational{1, 1000000});
    const int audio = bestAudioStream();
    if (audio >= 0) {
        const AVStream* s = m_format->streams[audio];
        if (s->duration > 0)
            return toUs(s->duration, s->time_base);
    }
    return 0;
}

int Demuxer::read(AVPacket* packet, std::string* error)
{
    const int rc = av_read_frame(m_format.get(), packet);
    if (rc == AVERROR_EOF)
        return 0;
    if (rc < 0) {
        *error = "read '" + m_path +
                 "': " + (rc == AVERROR_EXIT ? std::string("interrupted") : errorText(rc));
        return -1;
    }
    return 1;
}

bool Demuxer::seek(int stream, int64_t target, std::string* error)
{
    const int rc = avformat_seek_file(m_format.get(), stream, INT64_MIN, target, target, 0);
    if (rc < 0) {
        *error = "seek in '" + m_path + "': " + errorText(rc);
        return false;
    }
    return true;
}

int64_t toUs(int64_t timestamp, AVRational timeBase)
{
    return av_rescale_q(timestamp, timeBase, AVRational{1, 1000000});
}

int64_t fromUs(int64_t us, AVRational timeBase)
{
    return av_rescale_q(us, AVRational{1, 1000000}, timeBase);
}

}  // namespace brisca
