#include "mpegformat.h"

#include <algorithm>

namespace tags {

int MpegFormat::frameLength(const unsigned char* p, bool adts)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return 0;
    if (adts) {
        // ADTS: MPEG version bit free, layer 00, frame length 13 bits.
        if ((p[1] & 0xF6) != 0xF0 || ((p[2] >> 2) & 0x0F) > 12)
            return 0;
        const int len = (p[3] & 0x03) << 11 | p[4] << 3 | p[5] >> 5;
        return len >= 7 ? len : 0;
    }
    const int version = (p[1] >> 3) & 3;  // 0 = 2.5, 1 reserved, 2 = 2, 3 = 1
    const int layer = (p[1] >> 1) & 3;    // 1 = III, 2 = II, 3 = I
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return 0;
    static const int kBitrates[2][3][15] = {
        {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
    static const int kRates[3] = {44100, 48000, 32000};
    const bool v1 = version == 3;
    const int layerIndex = 3 - layer;  // 0 = I, 1 = II, 2 = III
    const int bitrate = kBitrates[v1 ? 0 : 1][layerIndex][bitrateIndex] * 1000;
    const int rate = kRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    const int padding = (p[2] >> 1) & 1;
    if (layerIndex == 0)
        return (12 * bitrate / rate + padding) * 4;
    const int perFrame = (layerIndex == 2 && !v1) ? 72 : 144;
    return perFrame * bitrate / rate + padding;
}

bool MpegFormat::findAudio(const FileStream& file, int64_t from, int64_t end) const
{
    // Encoders and taggers may leave zero bytes or junk between the tag and the first frame;
    // look a little way for two frames in a row.
    const std::string head = file.read(from, std::min<int64_t>(end - from, 64 * 1024));
    const auto* p = reinterpret_cast<const unsigned char*>(head.data());
    const int64_t n = int64_t(head.size());
    for (int64_t i = 0; i + 7 <= n; ++i) {
        const int len = frameLength(p + i, m_adts);
        if (len == 0)
            continue;
        if (from + i + len >= end)
            return true;  // a single frame up to the end of the stream
        std::string next = file.read(from + i + len, 7);
        if (next.size() == 7
            && frameLength(reinterpret_cast<const unsigned char*>(next.data()), m_adts) > 0)
            return true;
    }
    return false;
}

bool MpegFormat::parse(FileStream& file)
{
    m_id3.reset();
    m_id3Size = 0;
    const int64_t headerSize = Id3v2Tag::sizeFromHeader(file.read(0, 10));
    if (headerSize > 0) {
        if (headerSize > file.size())
            return false;
        auto tag = std::make_unique<Id3v2Tag>();
        if (!tag->parse(file.read(0, headerSize)))
            return false;
        m_id3 = std::move(tag);
        m_id3Size = headerSize;
    }
    m_tail.parse(file, file.size());
    if (m_tail.start() < m_id3Size || !findAudio(file, m_id3Size, m_tail.start()))
        return false;
    if (!m_id3)
        m_id3 = std::make_unique<Id3v2Tag>(4);
    return true;
}

std::vector<TagBlock*> MpegFormat::blocks()
{
    std::vector<TagBlock*> list{m_id3.get()};
    if (m_tail.ape())
        list.push_back(m_tail.ape());
    if (m_tail.id3v1())
        list.push_back(m_tail.id3v1());
    return list;
}

bool MpegFormat::save(FileStream& file)
{
    const bool headDirty = m_id3->isDirty();
    const std::string bare = headDirty ? m_id3->render(0) : std::string();
    const bool fits = !headDirty || (m_id3Size > 0 && int64_t(bare.size()) <= m_id3Size);
    if (fits) {
        if (m_tail.dirty() && !m_tail.save(file))
            return false;
        if (headDirty && !file.writeAt(0, m_id3->render(size_t(m_id3Size - int64_t(bare.size())))))
            return false;
    } else {
        const std::string head = m_id3->render(size_t(kPadding));
        const std::vector<FileStream::Segment> segments{
            FileStream::Segment::data(head),
            FileStream::Segment::range(m_id3Size, m_tail.start() - m_id3Size),
            FileStream::Segment::data(m_tail.render())};
        if (!file.rewrite(segments))
            return false;
    }
    return parse(file);
}

}  // namespace tags
