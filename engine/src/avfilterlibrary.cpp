#include "avfilterlibrary.h"

#include "dlsymbols.h"

namespace brisca {

namespace {

constexpr const char* kSoname = "libavfilter.so." AV_STRINGIFY(LIBAVFILTER_VERSION_MAJOR);

// Loads the library; the handle is never closed, the functions stay valid for the process.
bool load(AvFilterLibrary* lib, std::string* error)
{
    void* handle = openSystemLibrary(kSoname, error);
    if (!handle)
        return false;
    std::string missing;
    resolve(handle, "avfilter_graph_alloc", &lib->graphAlloc, &missing);
    resolve(handle, "avfilter_graph_free", &lib->graphFree, &missing);
    resolve(handle, "avfilter_graph_create_filter", &lib->graphCreateFilter, &missing);
    resolve(handle, "avfilter_graph_parse_ptr", &lib->graphParse, &missing);
    resolve(handle, "avfilter_graph_config", &lib->graphConfig, &missing);
    resolve(handle, "avfilter_get_by_name", &lib->getByName, &missing);
    resolve(handle, "avfilter_inout_alloc", &lib->inoutAlloc, &missing);
    resolve(handle, "avfilter_inout_free", &lib->inoutFree, &missing);
    resolve(handle, "av_buffersrc_add_frame_flags", &lib->sourceAddFrame, &missing);
    resolve(handle, "av_buffersink_get_frame", &lib->sinkGetFrame, &missing);
    resolve(handle, "av_buffersink_set_frame_size", &lib->sinkSetFrameSize, &missing);
    resolve(handle, "av_buffersink_get_sample_rate", &lib->sinkSampleRate, &missing);
    resolve(handle, "av_buffersink_get_channels", &lib->sinkChannels, &missing);
    return resolvedAll(kSoname, missing, error);
}

}  // namespace

const AvFilterLibrary* avfilterLibrary(std::string* error)
{
    return loadOnce<AvFilterLibrary, load>(error);
}

}  // namespace brisca
