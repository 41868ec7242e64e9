#include "fingerprintinput.h"

#include "fingerprinter.h"

namespace brisca {

bool FingerprintInput::configure(const AudioFormat& format, std::string* error)
{
    if (m_swr && format == m_format)
        return true;
    AVChannelLayout inLayout{};
    if (format.channelMask == 0 || av_channel_layout_from_mask(&inLayout, format.channelMask) < 0 ||
        inLayout.nb_channels != format.channels)
        av_channel_layout_default(&inLayout, format.channels);
    AVChannelLayout outLayout = AV_CHANNEL_LAYOUT_MONO;
    SwrContext* swr = nullptr;
    int rc = swr_alloc_set_opts2(&swr, &outLayout, AV_SAMPLE_FMT_S16, Fingerprinter::kRateHz,
                                 &inLayout, static_cast<AVSampleFormat>(format.sampleFormat),
                                 format.rateHz, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    if (rc >= 0)
        rc = swr_init(swr);
    if (rc < 0) {
        swr_free(&swr);
        m_swr.reset();
        *error = "cannot fingerprint audio of " + std::to_string(format.rateHz) + " Hz, " +
                 std::to_string(format.channels) + " channels: " + errorText(rc);
        return false;
    }
    m_swr.reset(swr);
    m_format = format;
    return true;
}

const std::vector<int16_t>& FingerprintInput::convert(const AudioBlock& block, std::string* error)
{
    m_out.clear();
    if (!block.format.valid() || block.samples <= 0 || !configure(block.format, error))
        return m_out;
    const uint8_t* planes[64] = {};
    const size_t planeBytes = size_t(block.samples) * block.format.bytesPerSample();
    if (block.format.planar()) {
        for (int c = 0; c < block.format.channels; ++c)
            planes[c] = block.bytes.data() + c * planeBytes;
    } else {
        planes[0] = block.bytes.data();
    }
    const int capacity = swr_get_out_samples(m_swr.get(), block.samples);
    m_out.resize(size_t(std::max(capacity, 0)));
    uint8_t* out = reinterpret_cast<uint8_t*>(m_out.data());
    int produced = swr_convert(m_swr.get(), &out, capacity, planes, block.samples);
    if (produced < 0) {
        *error = "audio conversion failed: " + errorText(produced);
        produced = 0;
    }
    m_out.resize(size_t(produced));
    return m_out;
}

}  // namespace brisca
