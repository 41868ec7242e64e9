#include "riffformat.h"

#include "bytes.h"

namespace tags {

bool RiffFormat::parse(const FileStream& file)
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
        const bool audio = id == "data" || id == "SSND";
        int64_t bodySize = m_aiff ? be32(ch.data() + 4) : le32(ch.data() + 4);
        bool cut = false;
        // Writers that stream (or stopped early) leave the audio chunk's size at 0 or
        // 0xFFFFFFFF, or too large: its audio runs to the end of the file, as other readers
        // take it too. Any other chunk that overruns the file makes it unusable.
        if (bodySize > file.size() - pos - 8 || (audio && bodySize == 0)) {
            if (!audio)
                return false;
            bodySize = file.size() - pos - 8;
            cut = true;
        }
        Chunk c{pos, 8 + bodySize + (bodySize & 1), bodySize, false, cut, id};
        if (c.offset + c.size > file.size()) {
            c.size = file.size() - c.offset;  // the pad byte is missing
            c.cut = true;
        }
        if (audio)
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
    m_chunksEnd = pos;
    m_tagBytes = tagBytes;
    return true;
}

bool RiffFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    for (const Chunk& c : m_chunks) {
        if (!c.tag && !readRange(file, c.offset + 8, c.body, sink))
            return false;
    }
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
    std::string c = id + sizeField(int64_t(body.size())) + body;
    if (body.size() & 1)
        c += '\0';
    return c;
}

bool RiffFormat::renderTags(std::string& out) const
{
    out.clear();
    if (m_info && !m_info->isEmpty())
        out += m_info->render();  // already a complete, even-sized LIST chunk
    if (m_id3 && !m_id3->isEmpty()) {
        const std::string id3 = m_id3->render(0);
        if (id3.empty())
            return false;
        out += chunk(m_id3ChunkId, id3);
    }
    return true;
}

std::string RiffFormat::sizeField(int64_t size) const
{
    return m_aiff ? putBe32(uint32_t(size)) : putLe32(uint32_t(size));
}

bool RiffFormat::save(FileStream& file)
{
    if (!anyDirty())
        return true;
    std::string tags;
    if (!renderTags(tags))
        return false;
    // Where the tag chunks can start if everything after that point is tags. A few bytes
    // after the last chunk that cannot even hold a chunk header are cut off: tags appended
    // after them would be read as part of a broken chunk and never found.
    int64_t tailStart = m_chunksEnd;
    auto it = m_chunks.rbegin();
    for (; it != m_chunks.rend() && it->tag; ++it)
        tailStart = it->offset;
    const Chunk* last = it != m_chunks.rend() ? &*it : nullptr;  // the last chunk kept as is
    // Tags can go to the end in place when no tag chunk sits before that point. A cut chunk
    // swallows whatever follows it; only the last one can be repaired there.
    bool inPlace = true;
    int64_t total = 12 + int64_t(tags.size());
    for (const Chunk& c : m_chunks) {
        inPlace = inPlace && (!c.tag || c.offset >= tailStart) && (!c.cut || &c == last);
        total += c.tag ? 0 : 8 + c.body + (c.body & 1);
    }
    if (total - 8 > int64_t(0xFFFFFFFF))
        return false;  // beyond what the 32-bit sizes can describe
    return inPlace ? appendTags(file, tags, tailStart, last) : rewriteTagsLast(file, tags, total);
}

bool RiffFormat::appendTags(FileStream& file, std::string tags, int64_t tailStart,
                            const Chunk* last)
{
    int64_t at = tailStart;
    if (last && last->cut) {
        // The cut chunk gets its true size and its pad byte; the tags follow.
        if (!file.writeAt(last->offset + 4, sizeField(last->body)))
            return false;
        at = last->offset + 8 + last->body;
        if (last->body & 1)
            tags.insert(0, 1, '\0');
    }
    const int64_t newSize = at + int64_t(tags.size());
    return file.writeAt(at, tags) && file.truncate(newSize) &&
           file.writeAt(4, sizeField(newSize - 8));
}

bool RiffFormat::rewriteTagsLast(FileStream& file, const std::string& tags, int64_t total)
{
    std::vector<FileStream::Segment> segments;
    segments.push_back(
        FileStream::Segment::data(file.read(0, 4) + sizeField(total - 8) + file.read(8, 4)));
    for (const Chunk& c : m_chunks) {
        if (c.tag)
            continue;
        if (!c.cut) {
            segments.push_back(FileStream::Segment::range(c.offset, c.size));
            continue;
        }
        // Repair the size so the chunk ends where its bytes end (its payload is kept).
        segments.push_back(FileStream::Segment::data(c.id + sizeField(c.body)));
        segments.push_back(FileStream::Segment::range(c.offset + 8, c.body));
        if (c.body & 1)
            segments.push_back(FileStream::Segment::data(std::string(1, '\0')));
    }
    segments.push_back(FileStream::Segment::data(tags));
    return file.rewrite(segments);
}

}  // namespace tags
