#include "formatdescriptor.h"

#include <atomic>

namespace {

FormatDescriptor g_audio;
FormatDescriptor g_video;
std::atomic<FormatDescriptor*> g_current{&g_audio};

}  // namespace

FormatDescriptor* FormatDescriptor::audio()
{
    return &g_audio;
}

FormatDescriptor* FormatDescriptor::video()
{
    return &g_video;
}

FormatDescriptor* FormatDescriptor::current()
{
    return g_current.load();
}

void FormatDescriptor::setCurrent(FormatDescriptor* descriptor)
{
    g_current.store(descriptor ? descriptor : &g_audio);
}

bool FormatDescriptor::operator==(const FormatDescriptor& o) const
{
    return audioOnly == o.audioOnly && quality == o.quality && formatKey == o.formatKey &&
           extension == o.extension && profileTextA == o.profileTextA &&
           videoCodec == o.videoCodec && width == o.width && height == o.height &&
           frameRateNum == o.frameRateNum && frameRateDen == o.frameRateDen &&
           videoBitRateKbps == o.videoBitRateKbps && profileTextB == o.profileTextB &&
           audioCodec == o.audioCodec && channels == o.channels && sampleRateHz == o.sampleRateHz &&
           audioBitRateKbps == o.audioBitRateKbps;
}
