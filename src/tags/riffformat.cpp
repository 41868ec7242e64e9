#include "riffformat.h"

#include "bytes.h"

namespace tags {

bool RiffFormat::parse(FileStream& file)
{
    const std::string h = file.read(0, 12);
    if (h.size() < 12)
        return false;
    if (h.compare(0, 4, "RIFF") == 0 && h.compare(8, 4, "WAVE") == 0)
        m_aiff = false;
    else if (h.compare(0, 4, "FORM") == 0 &&
             (h.compare(8, 4, "AIFF") == 0 || h.compare(8, 4, "AIFC") == 0))
        m_aiff = true;
    else
        return false;
    std::unique_ptr<RiffInfoTag> info;
    std::unique_ptr<Id3v2Tag> id3;
    std::vector<Chunk> chunks;
    int64_t tagBytes = 0;
    bool sawAudio = false;
    int64_t pos = 12;
    while (pos + 8 <= file.size()) {
        const std::string ch = file.read(pos, 12);
        const std::string id = ch.substr(0, 4);
        int64_t bodySize = m_aiff ? be32(ch.data() + 4) : le32(ch.data() + 4);
        bool cut = false;
        if (bodySize > file.size() - pos - 8) {
            // Writers that stopped early leave the last chunk's size too large; take what is
            // there, but only for the audio chunk.
            if (id != "data" && id != "SSND")
                return false;
            bodySize = file.size() - pos - 8;
            cut = true;
        }
        Chunk c{pos, 8 + bodySize + (bodySize & 1), false, cut, id};
        if (c.offset + c.size > file.size()) {
            c.size = file.size() - c.offset;  // the pad byte is missing
            c.cut = true;
        }
        if (id == "data" || id == "SSND")
            sawAudio = true;
        if (!m_aiff && id == "LIST" && !info && ch.size() >= 12 && ch.compare(8, 4, "INFO") == 0) {
            info = std::make_unique<RiffInfoTag>();
            if (!info->parse(file.read(pos + 8, bodySize)))
                return false;
            c.tag = true;
        } else if ((id == "ID3 " || id == "id3 ") && !id3) {
            auto tag = std::make_unique<Id3v2Tag>();
            if (tag->parse(file.read(pos + 8, bodySize))) {
                id3 = std::move(tag);
                m_id3ChunkId = id;
                c.tag = true;
            }
        }
        if (c.tag)
            tagBytes += c.size;
        chunks.push_back(c);
        pos += c.size;
    }
    if (!sawAudio)
        return false;
    if (m_aiff && !id3)
        id3 = std::make_unique<Id3v2Tag>(4);
    if (!m_aiff && !info)
        info = std::make_unique<RiffInfoTag>();
    m_info = std::move(info);
    m_id3 = std::move(id3);
    m_chunks = std::move(chunks);
    m_tagBytes = tagBytes;
    return true;
}

std::vector<TagBlock*> RiffFormat::blocks()
{
    std::vector<TagBlock*> list;
    if (m_info)
        list.push_back(m_info.get());
    if (m_id3)
        list.push_back(m_id3.get());
    return list;
}

std::string RiffFormat::chunk(const std::string& id, const std::string& body) const
{
    std::string c =
        id + (m_aiff ? putBe32(uint32_t(body.size())) : putLe32(uint32_t(body.size()))) + body;
    if (body.size() & 1)
        c += '\0';
    return c;
}

std::string RiffFormat::renderTags() const
{
    std::string out;
    if (m_info && !m_info->isEmpty())
        out += m_info->render();  // already a complete, even-sized LIST chunk
    if (m_id3 && !m_id3->isEmpty())
        out += chunk(m_id3ChunkId, m_id3->render(0));
    return out;
}

bool RiffFormat::save(FileStream& file)
{
    if (!anyDirty())
        return true;
    const std::string tags = renderTags();
    // Where the tag chunks can start if everything after that point is tags.
    int64_t tailStart = file.size();
    for (auto it = m_chunks.rbegin(); it != m_chunks.rend() && it->tag; ++it)
        tailStart = it->offset;
    // A cut audio chunk swallows whatever follows it, so tags may not simply be appended.
    bool onlyTagsAfter = true;
    for (const Chunk& c : m_chunks)
        onlyTagsAfter = onlyTagsAfter && (!c.tag || c.offset >= tailStart) && !c.cut;
    const std::string magic = file.read(0, 4);
    const std::string form = file.read(8, 4);
    if (onlyTagsAfter) {
        const int64_t newSize = tailStart + int64_t(tags.size());
        const uint32_t headerSize = uint32_t(newSize - 8);
        if (!file.writeAt(tailStart, tags) || !file.truncate(newSize) ||
            !file.writeAt(4, m_aiff ? putBe32(headerSize) : putLe32(headerSize)))
            return false;
        return parse(file);
    }
    std::vector<FileStream::Segment> segments;
    int64_t total = 12;
    for (const Chunk& c : m_chunks) {
        if (c.tag)
            continue;
        if (c.cut) {
            // Repair the size so the chunk ends where its bytes end (its payload is kept).
            const int64_t body = c.size - 8;
            segments.push_back(FileStream::Segment::data(
                c.id + (m_aiff ? putBe32(uint32_t(body)) : putLe32(uint32_t(body)))));
            segments.push_back(FileStream::Segment::range(c.offset + 8, body));
            if (body & 1)
                segments.push_back(FileStream::Segment::data(std::string(1, '\0')));
            total += 8 + body + (body & 1);
            continue;
        }
        segments.push_back(FileStream::Segment::range(c.offset, c.size));
        total += c.size;
    }
    total += int64_t(tags.size());
    segments.push_back(FileStream::Segment::data(tags));
    const uint32_t headerSize = uint32_t(total - 8);
    segments.insert(segments.begin(),
                    FileStream::Segment::data(
                        magic + (m_aiff ? putBe32(headerSize) : putLe32(headerSize)) + form));
    return file.rewrite(segments) && parse(file);
}

}  // namespace tags
