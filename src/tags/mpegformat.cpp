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

// True when `count` frames follow each other from `pos` with the same stream parameters
// (version, layer, sample rate), or (when endCounts) the chain reaches `end` exactly after
// at least one frame.
bool MpegFormat::chainAt(const FileStream& file, int64_t pos, int64_t end, int count,
                         bool endCounts) const
{
    std::string first;
    for (int i = 0; i < count; ++i) {
        if (pos == end && endCounts)
            return i > 0;
        if (pos >= end)
            return false;
        const std::string h = file.read(pos, 7);
        if (h.size() < 7)
            return false;
        const int len = frameLength(reinterpret_cast<const unsigned char*>(h.data()), m_adts);
        if (len == 0)
            return false;
        // Byte 1 fixes version and layer; the top six bits of byte 2 (ADTS: profile and
        // rate) or the rate bits (MPEG) must not change within a stream.
        const std::string key = m_adts ? h.substr(1, 2).substr(0, 1) + char(h[2] & 0xFC)
                                       : h.substr(1, 1) + char(h[2] & 0x0C);
        if (i == 0)
            first = key;
        else if (key != first)
            return false;
        pos += len;
    }
    return true;
}

bool MpegFormat::findAudio(const FileStream& file, int64_t from, int64_t end) const
{
    // Taggers may leave zero bytes between the tag and the first frame: skip them, then two
    // frames in a row suffice. Otherwise look a little further for junk before the audio,
    // but demand a longer chain so that bytes of another format do not pass by chance.
    const std::string head = file.read(from, std::min<int64_t>(end - from, 64 * 1024));
    size_t zeros = 0;
    while (zeros < head.size() && head[zeros] == '\0')
        ++zeros;
    if (chainAt(file, from + int64_t(zeros), end, 2, true))
        return true;
    const auto* p = reinterpret_cast<const unsigned char*>(head.data());
    for (size_t i = zeros + 1; i + 7 <= head.size(); ++i) {
        if (p[i] == 0xFF && frameLength(p + i, m_adts) > 0 &&
            chainAt(file, from + int64_t(i), end, 6, false))
            return true;
    }
    return false;
}

bool MpegFormat::parse(const FileStream& file)
{
    m_head.clear();
    int64_t pos = 0;
    constexpr int kMaxTags = 16;
    for (int i = 0; i < kMaxTags; ++i) {
        const int64_t size = Id3v2Tag::sizeFromHeader(file.read(pos, 10));
        if (size <= 0)
            break;
        auto tag = std::make_unique<Id3v2Tag>();
        if (size > file.size() - pos || !tag->parse(file.read(pos, size)))
            return false;
        m_head.push_back({std::move(tag), pos, size});
        pos += size;
    }
    m_audioStart = pos;
    m_tail.parse(file, file.size());
    if (m_tail.start() < m_audioStart || !findAudio(file, m_audioStart, m_tail.start()))
        return false;
    if (m_head.empty())
        m_head.push_back({std::make_unique<Id3v2Tag>(4), 0, 0});
    return true;
}

std::vector<TagBlock*> MpegFormat::blocks()
{
    std::vector<TagBlock*> list;
    for (const LeadingTag& t : m_head)
        list.push_back(t.tag.get());
    if (m_tail.ape())
        list.push_back(m_tail.ape());
    if (m_tail.id3v1())
        list.push_back(m_tail.id3v1());
    return list;
}

bool MpegFormat::fitsInPlace() const
{
    for (const LeadingTag& t : m_head) {
        if (!t.tag->isDirty())
            continue;
        const int64_t bare = t.tag->renderedSize();
        if (bare < 0 || t.size == 0 || bare > t.size)
            return false;
    }
    return true;
}

bool MpegFormat::saveInPlace(FileStream& file)
{
    if (m_tail.dirty() && !m_tail.save(file))
        return false;
    for (const LeadingTag& t : m_head) {
        if (!t.tag->isDirty())
            continue;
        const std::string bytes = t.tag->render(size_t(t.size - t.tag->renderedSize()));
        if (bytes.empty() || !file.writeAt(t.offset, bytes))
            return false;
    }
    return true;
}

bool MpegFormat::rewriteHead(FileStream& file)
{
    // The primary tag takes the padding; the others follow it as they now render.
    std::string rest;
    for (size_t i = 1; i < m_head.size(); ++i) {
        const std::string bytes = m_head[i].tag->render(0);
        if (bytes.empty())
            return false;
        rest += bytes;
    }
    const int64_t bare = m_head.front().tag->renderedSize();
    if (bare < 0)
        return false;
    const int64_t padding = file.clonePadding(bare + int64_t(rest.size()), m_audioStart, kPadding);
    std::string head = m_head.front().tag->render(size_t(padding));
    if (head.empty())
        return false;
    head += rest;
    const std::vector<FileStream::Segment> segments{
        FileStream::Segment::data(std::move(head)),
        FileStream::Segment::range(m_audioStart, m_tail.start() - m_audioStart),
        FileStream::Segment::data(m_tail.render())};
    return file.rewrite(segments);
}

bool MpegFormat::save(FileStream& file)
{
    bool headDirty = false;
    for (const LeadingTag& t : m_head)
        headDirty = headDirty || t.tag->isDirty();
    if (!headDirty)
        return !m_tail.dirty() || m_tail.save(file);
    return fitsInPlace() ? saveInPlace(file) : rewriteHead(file);
}

bool MpegFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    return readRange(file, m_audioStart, m_tail.start() - m_audioStart, sink);
}

}  // namespace tags
