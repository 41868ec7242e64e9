#include "framegrab.h"

#include "decoder.h"
#include "demuxer.h"
#include "filtergraph.h"

namespace brisca {

namespace {

// The first frame of the picture stream at or after positionUs.
bool decodePicture(Demuxer& demuxer, int stream, int64_t positionUs, Decoder& decoder,
                   AVFrame* frame, std::string* error)
{
    const AVStream* s = demuxer.format()->streams[stream];
    if (s->disposition & AV_DISPOSITION_ATTACHED_PIC) {
        if (!decoder.send(&s->attached_pic, error) || !decoder.drain(error))
            return false;
        return decoder.receive(frame, error) == 1;
    }
    const int64_t target =
        fromUs(positionUs, s->time_base) + (s->start_time == AV_NOPTS_VALUE ? 0 : s->start_time);
    if (positionUs > 0)
        demuxer.seek(stream, target, error);  // best effort: a failed seek decodes from 0
    PacketPtr packet(av_packet_alloc());
    for (;;) {
        const int got = demuxer.read(packet.get(), error);
        if (got < 0)
            return false;
        if (got == 0) {
            decoder.drain(error);
        } else if (packet->stream_index != stream) {
            av_packet_unref(packet.get());
            continue;
        } else {
            const bool sent = decoder.send(packet.get(), error);
            av_packet_unref(packet.get());
            if (!sent)
                return false;
        }
        for (;;) {
            const int r = decoder.receive(frame, error);
            if (r < 0)
                return false;
            if (r == 0)
                break;
            if (got == 0 || frame->best_effort_timestamp == AV_NOPTS_VALUE ||
                frame->best_effort_timestamp >= target)
                return true;
            av_frame_unref(frame);
        }
        if (got == 0)
            return false;
    }
}

bool encodeBmp(const AVFrame* picture, std::vector<uint8_t>* out, std::string* error)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_BMP);
    CodecContextPtr bmp(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!bmp) {
        *error = "no BMP encoder";
        return false;
    }
    bmp->width = picture->width;
    bmp->height = picture->height;
    bmp->pix_fmt = AV_PIX_FMT_BGR24;
    bmp->time_base = AVRational{1, 25};
    PacketPtr packet(av_packet_alloc());
    int rc = avcodec_open2(bmp.get(), codec, nullptr);
    if (rc >= 0)
        rc = avcodec_send_frame(bmp.get(), picture);
    if (rc >= 0)
        rc = avcodec_receive_packet(bmp.get(), packet.get());
    if (rc < 0) {
        *error = "encode BMP: " + errorText(rc);
        return false;
    }
    out->assign(packet->data, packet->data + packet->size);
    return true;
}

}  // namespace

bool grabFrameAsBmp(const std::string& path, int64_t positionUs, int width, int height,
                    GrabbedFrame* out, std::string* error)
{
    Demuxer demuxer;
    if (!demuxer.open(path, error))
        return false;
    int stream = demuxer.pictureStream();
    if (stream < 0)
        stream = demuxer.attachedPictureStream();
    if (stream < 0) {
        *error = "'" + path + "' has no picture";
        return false;
    }
    Decoder decoder;
    FramePtr frame(av_frame_alloc()), converted(av_frame_alloc());
    if (!decoder.open(demuxer.format()->streams[stream], error))
        return false;
    if (!decodePicture(demuxer, stream, positionUs, decoder, frame.get(), error)) {
        if (error->empty())
            *error = "'" + path + "': the picture does not decode";
        return false;
    }
    std::string scale;
    if (width > 0 && height > 0)
        scale = "scale=" + std::to_string(width) + ":" + std::to_string(height) + ",";
    FilterGraph graph;
    if (!graph.openVideo(decoder.context(), demuxer.format()->streams[stream]->time_base,
                         scale + "format=pix_fmts=bgr24", error) ||
        !graph.push(frame.get(), error) || !graph.push(nullptr, error) ||
        graph.pull(converted.get(), error) != 1) {
        if (error->empty())
            *error = "'" + path + "': cannot convert the picture";
        return false;
    }
    out->width = converted->width;
    out->height = converted->height;
    return encodeBmp(converted.get(), &out->bmp, error);
}

}  // namespace brisca
