#include "muxer.h"

#include "avlog.h"

namespace brisca {

Muxer::Muxer()
{
    setFfmpegLogLevel();
}

Muxer::~Muxer()
{
    close();
}

bool Muxer::create(const std::string& path, const AVOutputFormat* format, std::string* error)
{
    close();
    m_path = path;
    if (avformat_alloc_output_context2(&m_format, format, nullptr, path.c_str()) < 0) {
        *error = "out of memory";
        return false;
    }
    return true;
}

AVStream* Muxer::addStream(const AVCodecContext* encoder, std::string* error)
{
    m_stream = avformat_new_stream(m_format, nullptr);
    if (!m_stream || avcodec_parameters_from_context(m_stream->codecpar, encoder) < 0) {
        *error = "out of memory";
        return nullptr;
    }
    m_stream->time_base = encoder->time_base;
    return m_stream;
}

AVStream* Muxer::addStream(const AVCodecParameters* source, std::string* error)
{
    m_stream = avformat_new_stream(m_format, nullptr);
    if (!m_stream || avcodec_parameters_copy(m_stream->codecpar, source) < 0) {
        *error = "out of memory";
        return nullptr;
    }
    m_stream->codecpar->codec_tag = 0;  // let the container pick its own tag
    m_stream->time_base = AVRational{1, source->sample_rate > 0 ? source->sample_rate : 44100};
    return m_stream;
}

bool Muxer::writeHeader(const std::map<std::string, std::string>& tags, std::string* error)
{
    int rc = avio_open(&m_format->pb, m_path.c_str(), AVIO_FLAG_WRITE);
    if (rc < 0) {
        *error = "open '" + m_path + "': " + errorText(rc);
        return false;
    }
    for (const auto& [key, value] : tags)
        av_dict_set(&m_format->metadata, key.c_str(), value.c_str(), 0);
    rc = avformat_write_header(m_format, nullptr);
    if (rc < 0) {
        *error = "write header of '" + m_path + "': " + errorText(rc);
        return false;
    }
    m_headerWritten = true;
    return true;
}

bool Muxer::write(AVPacket* packet, std::string* error)
{
    packet->stream_index = m_stream->index;
    const int rc = av_interleaved_write_frame(m_format, packet);
    if (rc < 0) {
        *error = "write '" + m_path + "': " + errorText(rc);
        return false;
    }
    return checkIo(error);
}

bool Muxer::finish(std::string* error)
{
    if (!m_headerWritten) {
        *error = "write '" + m_path + "': no header";
        return false;
    }
    m_headerWritten = false;
    const int rc = av_write_trailer(m_format);
    if (rc < 0) {
        *error = "write '" + m_path + "': " + errorText(rc);
        return false;
    }
    avio_flush(m_format->pb);
    return checkIo(error);
}

bool Muxer::checkIo(std::string* error)
{
    if (m_format && m_format->pb && m_format->pb->error < 0) {
        *error = "write '" + m_path + "': " + errorText(m_format->pb->error);
        return false;
    }
    return true;
}

void Muxer::close()
{
    if (m_format) {
        if (m_format->pb)
            avio_closep(&m_format->pb);
        avformat_free_context(m_format);
        m_format = nullptr;
    }
    m_stream = nullptr;
    m_headerWritten = false;
}

}  // namespace brisca
