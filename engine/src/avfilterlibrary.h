#pragma once
// libavfilter, loaded when a filter chain is first built rather than when the engine is. Its
// dependencies (speech synthesis voices, SVG, Vulkan, LAPACK, ...) cost every process that
// loads it about 11 MB of resident memory; a recording never filters, so it should not pay.

#include <cstdint>  // UINT64_C and friends, which the FFmpeg headers need in C++
#include <string>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace brisca {

// The libavfilter functions the engine calls.
struct AvFilterLibrary {
    decltype(&avfilter_graph_alloc) graphAlloc;
    decltype(&avfilter_graph_free) graphFree;
    decltype(&avfilter_graph_create_filter) graphCreateFilter;
    decltype(&avfilter_graph_parse_ptr) graphParse;
    decltype(&avfilter_graph_config) graphConfig;
    decltype(&avfilter_get_by_name) getByName;
    decltype(&avfilter_inout_alloc) inoutAlloc;
    decltype(&avfilter_inout_free) inoutFree;
    decltype(&av_buffersrc_add_frame_flags) sourceAddFrame;
    decltype(&av_buffersink_get_frame) sinkGetFrame;
    decltype(&av_buffersink_set_frame_size) sinkSetFrameSize;
    decltype(&av_buffersink_get_sample_rate) sinkSampleRate;
    decltype(&av_buffersink_get_channels) sinkChannels;
};

// Loads the library of the major version the engine was built against (once per process;
// thread-safe). Null with *error set when it or one of its functions cannot be found.
const AvFilterLibrary* avfilterLibrary(std::string* error);

}  // namespace brisca
