#include "encodehelpers.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brisca {

namespace {

// Tags the container writes itself or that describe the old file only.
bool technicalTag(const std::string& key)
{
    for (const char* k : {"encoder", "major_brand", "minor_version", "compatible_brands",
                          "creation_time", "encoded_by"}) {
        if (strcasecmp(key.c_str(), k) == 0)
            return true;
    }
    return false;
}

}  // namespace

std::string temporaryBeside(const std::string& target)
{
    const size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    // Hidden, and with the target's extension, which some muxers check.
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    return folder + "." + name + ".part-" + std::to_string(::getpid()) + extension;
}

std::map<std::string, std::string> carriedTags(const AVFormatContext* format, int stream)
{
    std::map<std::string, std::string> tags;
    for (const AVDictionary* d : {format->streams[stream]->metadata, format->metadata}) {
        const AVDictionaryEntry* e = nullptr;
        while ((e = av_dict_get(d, "", e, AV_DICT_IGNORE_SUFFIX))) {
            if (!technicalTag(e->key))
                tags[e->key] = e->value;
        }
    }
    return tags;
}

// A frame of exactly `size` samples: `frame` followed by silence.
FramePtr paddedTo(const AVFrame* frame, int size)
{
    FramePtr out(av_frame_alloc());
    out->format = frame->format;
    out->sample_rate = frame->sample_rate;
    av_channel_layout_copy(&out->ch_layout, &frame->ch_layout);
    out->nb_samples = size;
    if (av_frame_get_buffer(out.get(), 0) < 0)
        return nullptr;
    const auto fmt = static_cast<AVSampleFormat>(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    av_samples_copy(out->extended_data, frame->extended_data, 0, 0, frame->nb_samples, channels,
                    fmt);
    av_samples_set_silence(out->extended_data, frame->nb_samples, size - frame->nb_samples,
                           channels, fmt);
    out->pts = frame->pts;
    return out;
}

bool sendPadded(Encoder& encoder, AVFrame* frame, std::string* error)
{
    const int frameSize = encoder.frameSize();
    const bool shortLast = encoder.context()->codec->capabilities &
                           (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
    FramePtr padded;
    if (frameSize > 0 && frame->nb_samples < frameSize && !shortLast) {
        padded = paddedTo(frame, frameSize);
        if (!padded) {
            *error = "out of memory";
            return false;
        }
        frame = padded.get();
    }
    return encoder.send(frame, error);
}

bool writeEncodedPackets(Encoder& encoder, Muxer& muxer, std::string* error)
{
    PacketPtr packet(av_packet_alloc());
    for (;;) {
        const int r = encoder.receive(packet.get(), error);
        if (r <= 0)
            return r == 0;
        av_packet_rescale_ts(packet.get(), encoder.context()->time_base, muxer.stream()->time_base);
        if (!muxer.write(packet.get(), error))
            return false;
        av_packet_unref(packet.get());
    }
}

bool syncFile(const std::string& path, std::string* error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok)
        *error = "sync '" + path + "': " + std::strerror(errno);
    if (fd >= 0)
        ::close(fd);
    return ok;
}

}  // namespace brisca
