#include "filtergraph.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
}

namespace brisca {

namespace {

struct InOutFree {
    void operator()(AVFilterInOut* io) const { avfilter_inout_free(&io); }
};
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFree>;

}  // namespace

bool FilterGraph::openAudio(const AVCodecContext* decoder, const std::string& description,
                            int frameSize, std::string* error)
{
    char layout[128] = {};
    AVChannelLayout channels{};
    if (decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&channels, decoder->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&channels, &decoder->ch_layout);
    av_channel_layout_describe(&channels, layout, sizeof layout);
    av_channel_layout_uninit(&channels);
    const std::string args = "time_base=1/" + std::to_string(decoder->sample_rate) +
                             ":sample_rate=" + std::to_string(decoder->sample_rate) +
                             ":sample_fmt=" + av_get_sample_fmt_name(decoder->sample_fmt) +
                             ":channel_layout=" + layout;
    if (!link("abuffer", args, "abuffersink", description, error))
        return false;
    if (frameSize > 0)
        av_buffersink_set_frame_size(m_sink, unsigned(frameSize));
    return true;
}

bool FilterGraph::openVideo(const AVCodecContext* decoder, AVRational timeBase,
                            const std::string& description, std::string* error)
{
    const AVRational sar =
        decoder->sample_aspect_ratio.num ? decoder->sample_aspect_ratio : AVRational{1, 1};
    const std::string args =
        "video_size=" + std::to_string(decoder->width) + "x" + std::to_string(decoder->height) +
        ":pix_fmt=" + std::to_string(decoder->pix_fmt) +
        ":time_base=" + std::to_string(timeBase.num) + "/" + std::to_string(timeBase.den) +
        ":pixel_aspect=" + std::to_string(sar.num) + "/" + std::to_string(sar.den);
    return link("buffer", args, "buffersink", description, error);
}

bool FilterGraph::link(const char* sourceName, const std::string& sourceArgs, const char* sinkName,
                       const std::string& description, std::string* error)
{
    close();
    m_graph.reset(avfilter_graph_alloc());
    if (!m_graph) {
        *error = "out of memory";
        return false;
    }
    // One thread: the chains are short and the callers already run beside other work.
    m_graph->nb_threads = 1;
    int rc = avfilter_graph_create_filter(&m_source, avfilter_get_by_name(sourceName), "in",
                                          sourceArgs.c_str(), nullptr, m_graph.get());
    if (rc >= 0)
        rc = avfilter_graph_create_filter(&m_sink, avfilter_get_by_name(sinkName), "out", nullptr,
                                          nullptr, m_graph.get());
    InOutPtr outputs(avfilter_inout_alloc()), inputs(avfilter_inout_alloc());
    if (rc >= 0 && (!outputs || !inputs))
        rc = AVERROR(ENOMEM);
    if (rc >= 0) {
        outputs->name = av_strdup("in");
        outputs->filter_ctx = m_source;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = m_sink;
        AVFilterInOut* in = inputs.release();
        AVFilterInOut* out = outputs.release();
        rc = avfilter_graph_parse_ptr(
            m_graph.get(), description.empty() ? "anull" : description.c_str(), &in, &out, nullptr);
        avfilter_inout_free(&in);
        avfilter_inout_free(&out);
    }
    if (rc >= 0)
        rc = avfilter_graph_config(m_graph.get(), nullptr);
    if (rc < 0) {
        *error = "filter chain '" + description + "': " + errorText(rc);
        close();
        return false;
    }
    return true;
}

void FilterGraph::close()
{
    m_graph.reset();
    m_source = m_sink = nullptr;
}

bool FilterGraph::push(AVFrame* frame, std::string* error)
{
    const int rc = av_buffersrc_add_frame_flags(m_source, frame, 0);
    if (rc < 0 && rc != AVERROR_EOF) {
        *error = "filter: " + errorText(rc);
        return false;
    }
    return true;
}

int FilterGraph::pull(AVFrame* frame, std::string* error)
{
    const int rc = av_buffersink_get_frame(m_sink, frame);
    if (rc == AVERROR(EAGAIN))
        return 0;
    if (rc == AVERROR_EOF)
        return 2;
    if (rc < 0) {
        *error = "filter: " + errorText(rc);
        return -1;
    }
    return 1;
}

int FilterGraph::rateHz() const
{
    return m_sink ? av_buffersink_get_sample_rate(m_sink) : 0;
}

int FilterGraph::channels() const
{
    return m_sink ? av_buffersink_get_channels(m_sink) : 0;
}

}  // namespace brisca
