#include "decoder.h"

namespace brisca {

bool Decoder::open(const AVStream* stream, std::string* error)
{
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) {
        *error = std::string("no decoder for ") + avcodec_get_name(stream->codecpar->codec_id);
        return false;
    }
    m_codec.reset(avcodec_alloc_context3(codec));
    if (!m_codec || avcodec_parameters_to_context(m_codec.get(), stream->codecpar) < 0) {
        *error = "out of memory";
        return false;
    }
    m_codec->pkt_timebase = stream->time_base;
    // A decoding thread per core only adds latency and wake-ups for audio.
    m_codec->thread_count = stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO ? 1 : 0;
    const int rc = avcodec_open2(m_codec.get(), codec, nullptr);
    if (rc < 0) {
        *error = std::string("open decoder ") + codec->name + ": " + errorText(rc);
        m_codec.reset();
        return false;
    }
    return true;
}

bool Decoder::send(const AVPacket* packet, std::string* error)
{
    const int rc = avcodec_send_packet(m_codec.get(), packet);
    // Damaged data is skipped, as players do; running out of memory is not.
    if (rc < 0 && rc != AVERROR_INVALIDDATA && rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) {
        *error = std::string("decode: ") + errorText(rc);
        return false;
    }
    return true;
}

bool Decoder::drain(std::string* error)
{
    return send(nullptr, error);
}

int Decoder::receive(AVFrame* frame, std::string* error)
{
    const int rc = avcodec_receive_frame(m_codec.get(), frame);
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
        return 0;
    if (rc == AVERROR_INVALIDDATA)
        return 0;
    if (rc < 0) {
        *error = std::string("decode: ") + errorText(rc);
        return -1;
    }
    return 1;
}

void Decoder::flush()
{
    if (m_codec)
        avcodec_flush_buffers(m_codec.get());
}

}  // namespace brisca
