#include "mp4format.h"

#include "bytes.h"

namespace tags {

namespace {

constexpr int64_t kMaxMoov = 256 * 1024 * 1024;

struct Atom {
    size_t offset = 0;  // of the header
    size_t header = 8;
    size_t size = 0;  // whole atom
    std::string type;
};

// Children of the atom body s[from, to). False when a size is inconsistent.
bool children(const std::string& s, size_t from, size_t to, std::vector<Atom>& out)
{
    out.clear();
    size_t pos = from;
    while (pos + 8 <= to) {
        Atom a;
        a.offset = pos;
        uint64_t size = be32(s.data() + pos);
        a.type = s.substr(pos + 4, 4);
        if (size == 1) {
            if (pos + 16 > to)
                return false;
            size = be64(s.data() + pos + 8);
            a.header = 16;
        }
        // Size 0 ("up to the end of the file") is legal only for top-level atoms.
        if (size < a.header || size > to - pos)
            return false;
        a.size = size_t(size);
        out.push_back(a);
        pos += a.size;
    }
    return pos == to || to - pos < 8;
}

const Atom* find(const std::vector<Atom>& list, const char* type)
{
    for (const Atom& a : list) {
        if (a.type == type)
            return &a;
    }
    return nullptr;
}

std::string atom(const std::string& type, const std::string& body)
{
    return putBe32(uint32_t(body.size() + 8)) + type + body;
}

// "meta" is a full atom (4 bytes version/flags) in ISO files but a plain container in some
// QuickTime files; tell them apart by whether a child header fits at +8.
size_t metaBodyStart(const std::string& s, const Atom& meta)
{
    const size_t start = meta.offset + meta.header;
    if (start + 8 <= meta.offset + meta.size && s.compare(start + 4, 4, "hdlr") == 0)
        return start;
    return start + 4;
}

// Adds delta to every chunk offset at or after `from` in the stco/co64 atoms of the tracks
// in s[begin, end).
bool shiftChunkOffsets(std::string& s, size_t begin, size_t end, int64_t from, int64_t delta)
{
    std::vector<Atom> list;
    if (!children(s, begin, end, list))
        return false;
    for (const Atom& a : list) {
        const size_t body = a.offset + a.header;
        const size_t stop = a.offset + a.size;
        if (a.type == "trak" || a.type == "mdia" || a.type == "minf" || a.type == "stbl") {
            if (!shiftChunkOffsets(s, body, stop, from, delta))
                return false;
        } else if (a.type == "stco" || a.type == "co64") {
            if (body + 8 > stop)
                return false;
            const uint32_t count = be32(s.data() + body + 4);
            const size_t width = a.type == "stco" ? 4 : 8;
            if (count > (stop - body - 8) / width)
                return false;
            for (uint32_t i = 0; i < count; ++i) {
                const size_t at = body + 8 + i * width;
                const int64_t old =
                    width == 4 ? int64_t(be32(s.data() + at)) : int64_t(be64(s.data() + at));
                if (old < from)
                    continue;
                if (width == 4) {
                    const int64_t v = old + delta;
                    if (v > 0xFFFFFFFFLL)
                        return false;  // would need co64; not worth converting here
                    s.replace(at, 4, putBe32(uint32_t(v)));
                } else {
                    s.replace(at, 8, putBe64(uint64_t(old + delta)));
                }
            }
        }
    }
    return true;
}

}  // namespace

bool Mp4Format::parse(const FileStream& file)
{
    const std::string first = file.read(0, 8);
    if (first.size() < 8 || first.compare(4, 4, "ftyp") != 0)
        return false;
    int64_t pos = 0;
    int64_t moovOffset = -1, moovSize = 0;
    bool fragmented = false;
    std::vector<std::pair<int64_t, int64_t>> others;
    while (pos + 8 <= file.size()) {
        const std::string h = file.read(pos, 16);
        uint64_t size = be32(h.data());
        const std::string type = h.substr(4, 4);
        if (size == 1) {
            if (h.size() < 16)
                return false;
            size = be64(h.data() + 8);
        } else if (size == 0) {
            size = uint64_t(file.size() - pos);
        }
        if (size < 8 || size > uint64_t(file.size() - pos))
            return false;
        if (type == "moov" && moovOffset < 0) {
            moovOffset = pos;
            moovSize = int64_t(size);
        } else {
            fragmented = fragmented || type == "moof";
            others.emplace_back(pos, int64_t(size));
        }
        pos += int64_t(size);
    }
    if (moovOffset < 0 || moovSize > kMaxMoov)
        return false;
    std::string moov;
    if (!file.readExact(moovOffset, moovSize, moov))
        return false;
    std::vector<Atom> top;
    if (moov.size() < 8 || be32(moov.data()) == 1 || !children(moov, 8, moov.size(), top))
        return false;
    auto tag = std::make_unique<Mp4Tag>();
    int64_t tagBytes = 0;
    std::vector<Atom> list;
    // Every level we may rewrite must parse cleanly, or a save could hide the new tags
    // inside a damaged atom.
    if (const Atom* udta = find(top, "udta")) {
        if (!children(moov, udta->offset + udta->header, udta->offset + udta->size, list))
            return false;
        if (const Atom* meta = find(list, "meta")) {
            const Atom m = *meta;
            if (m.size < m.header + 4 ||
                !children(moov, metaBodyStart(moov, m), m.offset + m.size, list))
                return false;
            for (const Atom& a : list) {
                if (a.type == "ilst") {
                    if (!tag->parse(moov.substr(a.offset + a.header, a.size - a.header)))
                        return false;
                    tagBytes += int64_t(a.size);
                } else if (a.type == "free") {
                    tagBytes += int64_t(a.size);
                }
            }
        }
    }
    m_tag = std::move(tag);
    m_moov = std::move(moov);
    m_moovOffset = moovOffset;
    m_moovSize = moovSize;
    m_moovLast = moovOffset + moovSize == file.size();
    m_fragmented = fragmented;
    m_otherAtoms = std::move(others);
    m_tagBytes = tagBytes;
    return true;
}

std::string Mp4Format::buildMoov(const std::string& moov, int64_t padding) const
{
    const std::string ilst = m_tag->render();
    const std::string free =
        padding >= 8 ? atom("free", std::string(size_t(padding - 8), '\0')) : std::string();
    std::vector<Atom> top;
    children(moov, 8, moov.size(), top);
    std::string body;  // new moov body
    bool haveUdta = false;
    for (const Atom& a : top) {
        if (a.type != "udta" || haveUdta) {
            body += moov.substr(a.offset, a.size);
            continue;
        }
        haveUdta = true;
        std::vector<Atom> udta;
        children(moov, a.offset + a.header, a.offset + a.size, udta);
        std::string udtaBody;
        bool haveMeta = false;
        for (const Atom& u : udta) {
            if (u.type != "meta" || haveMeta) {
                udtaBody += moov.substr(u.offset, u.size);
                continue;
            }
            haveMeta = true;
            const size_t start = metaBodyStart(moov, u);
            std::string metaBody = moov.substr(u.offset + u.header, start - u.offset - u.header);
            std::vector<Atom> metaChildren;
            children(moov, start, u.offset + u.size, metaChildren);
            bool placed = false;
            for (const Atom& c : metaChildren) {
                if (c.type == "ilst" || c.type == "free") {
                    if (!placed)
                        metaBody += ilst + free;
                    placed = true;
                } else {
                    metaBody += moov.substr(c.offset, c.size);
                }
            }
            if (!placed)
                metaBody += ilst + free;
            udtaBody += atom("meta", metaBody);
        }
        if (!haveMeta)
            udtaBody += atom(
                "meta", std::string(4, '\0') +
                            atom("hdlr", std::string(8, '\0') + "mdirappl" + std::string(9, '\0')) +
                            ilst + free);
        body += atom("udta", udtaBody);
    }
    if (!haveUdta)
        body += atom("udta", atom("meta", std::string(4, '\0') +
                                              atom("hdlr", std::string(8, '\0') + "mdirappl" +
                                                               std::string(9, '\0')) +
                                              ilst + free));
    return atom("moov", body);
}

bool Mp4Format::save(FileStream& file)
{
    if (!m_tag->isDirty())
        return true;
    const std::string bare = buildMoov(m_moov, 0);
    const int64_t spare = m_moovSize - int64_t(bare.size());
    if (spare == 0 || spare >= 8)
        return file.writeAt(m_moovOffset, spare == 0 ? bare : buildMoov(m_moov, spare));
    if (m_moovLast) {
        // Nothing follows moov: it may grow or shrink at the end of the file.
        const std::string grown = buildMoov(m_moov, kPadding);
        return file.writeAt(m_moovOffset, grown) &&
               file.truncate(m_moovOffset + int64_t(grown.size()));
    }
    if (m_fragmented)
        return false;  // fragment offsets would need rewriting too
    // The padding keeps the samples after moov in line with the file system's blocks, so that
    // a rewrite can clone them.
    const int64_t end = m_moovOffset + m_moovSize;
    const int64_t padding = file.clonePadding(m_moovOffset + int64_t(bare.size()), end, kPadding);
    const int64_t delta = int64_t(bare.size()) + padding - m_moovSize;
    // Only samples after moov move; offsets before it stay.
    std::string shifted = m_moov;
    if (!shiftChunkOffsets(shifted, 8, shifted.size(), end, delta))
        return false;
    const std::vector<FileStream::Segment> segments{
        FileStream::Segment::range(0, m_moovOffset),
        FileStream::Segment::data(buildMoov(shifted, padding)),
        FileStream::Segment::range(end, file.size() - end)};
    return file.rewrite(segments);
}

bool Mp4Format::readAudio(const FileStream& file, const AudioSink& sink) const
{
    for (const auto& atom : m_otherAtoms) {
        if (!readRange(file, atom.first, atom.second, sink))
            return false;
    }
    return true;
}

}  // namespace tags
