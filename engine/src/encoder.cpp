#include "encoder.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

#include "codecchoice.h"

namespace brisca {

const AVCodec* encoderFor(const EncodeParamsObject& params, const AVOutputFormat* muxer)
{
    const AVCodec* codec = nullptr;
    if (!params.encoderName.empty())
        codec = avcodec_find_encoder_by_name(params.encoderName.c_str());
    if (!codec) {
        const AVCodecID id =
            params.audioCodec > 0 ? static_cast<AVCodecID>(params.audioCodec) : muxer->audio_codec;
        codec = avcodec_find_encoder(id);
    }
    return codec && codec->type == AVMEDIA_TYPE_AUDIO ? codec : nullptr;
}

bool Encoder::open(const EncodeParamsObject& params, const AVOutputFormat* muxer,
                   std::string* error)
{
    const AVCodec* codec = encoderFor(params, muxer);
    if (!codec) {
        *error = "no audio encoder for codec id " + std::to_string(params.audioCodec);
        return false;
    }
    // 0 means "no"; a negative answer means the muxer does not know, and opening decides.
    if (avformat_query_codec(muxer, codec->id, FF_COMPLIANCE_NORMAL) == 0) {
        *error = std::string("container '") + muxer->name + "' cannot hold " + codec->name;
        return false;
    }
    m_codec.reset(avcodec_alloc_context3(codec));
    if (!m_codec) {
        *error = "out of memory";
        return false;
    }
    const int channels = params.channels > 0 ? params.channels : 2;
    if (!chooseLayout(codec, channels, &m_codec->ch_layout)) {
        *error =
            std::string(codec->name) + " cannot encode " + std::to_string(channels) + " channels";
        return false;
    }
    m_codec->sample_rate = chooseRate(codec, params.rateHz > 0 ? params.rateHz : 44100);
    m_codec->sample_fmt = chooseSampleFormat(codec);
    m_codec->time_base = AVRational{1, m_codec->sample_rate};
    if (params.bitRate > 0)
        m_codec->bit_rate = params.bitRate;
    if (muxer->flags & AVFMT_GLOBALHEADER)
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    // Opus' unconstrained VBR can run far above the rate asked for on tonal sound.
    if (codec->id == AV_CODEC_ID_OPUS)
        av_dict_set(&options, "vbr", "constrained", 0);
    const int rc = avcodec_open2(m_codec.get(), codec, &options);
    av_dict_free(&options);
    if (rc < 0) {
        *error = std::string("open encoder ") + codec->name + " (" +
                 std::to_string(m_codec->sample_rate) + " Hz, " + std::to_string(channels) +
                 " channels, " + std::to_string(params.bitRate / 1000) +
                 " kbit/s): " + errorText(rc);
        m_codec.reset();
        return false;
    }
    return true;
}

std::string Encoder::formatFilter() const
{
    char layout[128] = {};
    av_channel_layout_describe(&m_codec->ch_layout, layout, sizeof layout);
    return std::string("aformat=sample_fmts=") + av_get_sample_fmt_name(m_codec->sample_fmt) +
           ":sample_rates=" + std::to_string(m_codec->sample_rate) + ":channel_layouts=" + layout;
}

int Encoder::frameSize() const
{
    const bool variable = m_codec->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE;
    return (m_codec->frame_size > 0 && !variable) ? m_codec->frame_size : 0;
}

bool Encoder::send(const AVFrame* frame, std::string* error)
{
    const int rc = avcodec_send_frame(m_codec.get(), frame);
    if (rc < 0 && rc != AVERROR_EOF) {
        *error = std::string("encode: ") + errorText(rc);
        return false;
    }
    return true;
}

int Encoder::receive(AVPacket* packet, std::string* error)
{
    const int rc = avcodec_receive_packet(m_codec.get(), packet);
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
        return 0;
    if (rc < 0) {
        *error = std::string("encode: ") + errorText(rc);
        return -1;
    }
    return 1;
}

}  // namespace brisca
