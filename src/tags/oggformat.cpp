#include "oggformat.h"

#include "bytes.h"

namespace tags {

namespace {

const char kVorbisVendor[] = "Xiph.Org libVorbis I 20120203 (Omnipresent)";
const char kNoVendor[] = "libnone";
constexpr int64_t kMaxHeaderBytes = 64 * 1024 * 1024;

}  // namespace

namespace {

// The header pages of the first stream: its header packets, the pages from the one where the
// comment packet starts to the one where the last header packet ends, and what follows the
// last header packet on its page (audio packets some muxers put there).
struct HeaderScan {
    std::vector<std::string> packets;
    std::vector<OggPage> region;
    OggPage leftover;
    int64_t regionStart = -1;
    int64_t end = 0;
    uint32_t serial = 0;
    bool opus = false;
};

// Hands one page's lacing to the scan. False when the stream is not Vorbis or Opus.
bool takePage(const OggPage& page, size_t& wanted, std::string& partial, HeaderScan& scan)
{
    size_t at = 0;
    for (uint8_t lace : page.lacing) {
        if (scan.packets.size() >= wanted) {
            scan.leftover.lacing.push_back(lace);
            scan.leftover.body.append(page.body, at, lace);
            at += lace;
            continue;
        }
        partial.append(page.body, at, lace);
        at += lace;
        if (lace == 255)
            continue;
        scan.packets.push_back(std::move(partial));
        partial.clear();
        if (scan.packets.size() > 1)
            continue;
        if (scan.packets[0].compare(0, 7, "\x01vorbis") == 0)
            wanted = 3;
        else if (scan.packets[0].compare(0, 8, "OpusHead") == 0)
            scan.opus = true;
        else
            return false;
        if (at != page.body.size())
            return false;  // the identification packet must end its page
    }
    return true;
}

// Reads pages in order until the header packets (2 for Opus, 3 for Vorbis) are complete.
bool scanHeaders(const FileStream& file, HeaderScan& scan)
{
    std::string partial;
    size_t wanted = 2;  // known after packet 0
    int64_t pos = 0;
    while (scan.packets.size() < wanted) {
        const size_t size = OggPage::pageSize(file.read(pos, OggPage::kHeaderSize + 255));
        std::string bytes;
        OggPage page;
        if (pos > kMaxHeaderBytes || size == 0 || !file.readExact(pos, int64_t(size), bytes) ||
            !page.parse(bytes))
            return false;
        if (pos == 0)
            scan.serial = page.serial;
        else if (page.serial != scan.serial)
            return false;  // multiplexed streams are not ours to edit
        if (!scan.packets.empty() && scan.regionStart < 0)
            scan.regionStart = pos;
        if (!takePage(page, wanted, partial, scan))
            return false;
        if (scan.regionStart >= 0)
            scan.region.push_back(page);
        pos += int64_t(size);
    }
    scan.end = pos;
    return scan.regionStart >= 0;
}

}  // namespace

bool OggFormat::parse(const FileStream& file)
{
    HeaderScan scan;
    if (!scanHeaders(file, scan))
        return false;
    m_opus = scan.opus;
    const std::string prefix = m_opus ? std::string("OpusTags") : std::string("\x03vorbis");
    const std::string& packet = scan.packets[1];
    if (packet.compare(0, prefix.size(), prefix) != 0)
        return false;
    auto comment = std::make_unique<VorbisComment>(m_opus ? kNoVendor : kVorbisVendor, false);
    if (!comment->parse(packet.substr(prefix.size())))
        return false;
    OggPage& leftover = scan.leftover;
    if (!leftover.lacing.empty()) {
        const OggPage& last = scan.region.back();
        leftover.serial = scan.serial;
        leftover.flags = last.flags & 4;  // a fresh packet starts it; end of stream stays
        bool packetEnds = false;
        for (uint8_t lace : leftover.lacing)
            packetEnds = packetEnds || lace < 255;
        leftover.granule = packetEnds ? last.granule : ~uint64_t(0);
    }
    m_comment = std::move(comment);
    m_serial = scan.serial;
    m_regionPageList = std::move(scan.region);
    m_leftover = std::move(leftover);
    m_regionStart = scan.regionStart;
    m_regionEnd = scan.end;
    m_setupPacket = m_opus ? std::string() : scan.packets[2];
    m_commentPacketSize = packet.size();
    return true;
}

std::string OggFormat::commentPacket(size_t padding) const
{
    std::string p = m_opus ? std::string("OpusTags") : std::string("\x03vorbis");
    p += m_comment->render();
    if (!m_opus)
        p += '\x01';  // framing bit; padding after it is ignored by decoders
    p.append(padding, '\0');
    return p;
}

bool OggFormat::save(FileStream& file)
{
    if (!m_comment->isDirty())
        return true;
    const size_t bare = commentPacket(0).size();
    std::vector<std::string> packets;
    if (bare <= m_commentPacketSize) {
        // Same packet sizes give the same lacing: refill the old pages' bodies.
        packets.push_back(commentPacket(m_commentPacketSize - bare));
        if (!m_opus)
            packets.push_back(m_setupPacket);
        std::string all;
        for (const std::string& p : packets)
            all += p;
        all += m_leftover.body;
        std::string out;
        size_t at = 0;
        for (OggPage page : m_regionPageList) {
            const size_t n = page.body.size();
            page.body = all.substr(at, n);
            at += n;
            out += page.render();
        }
        return at == all.size() && int64_t(out.size()) == m_regionEnd - m_regionStart &&
               file.writeAt(m_regionStart, out);
    }
    packets.push_back(commentPacket(size_t(kPadding)));
    if (!m_opus)
        packets.push_back(m_setupPacket);
    std::vector<OggPage> pages =
        OggPage::paginate(packets, m_serial, m_regionPageList.front().sequence, m_opus);
    if (!m_leftover.lacing.empty()) {
        // The audio packets that shared the last header page get a page of their own.
        OggPage audio = m_leftover;
        audio.sequence = pages.back().sequence + 1;
        pages.push_back(std::move(audio));
    }
    std::string headers;
    for (const OggPage& p : pages)
        headers += p.render();
    const int64_t delta = int64_t(pages.size()) - int64_t(m_regionPageList.size());
    const bool ok = file.rewrite([&](const FileStream::Writer& write) {
        std::string start;
        return file.readExact(0, m_regionStart, start) && write(start) && write(headers) &&
               copyRenumbered(file, delta, write);
    });
    return ok;
}

bool OggFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    sink(m_leftover.body);
    std::string head;
    for (int64_t pos = m_regionEnd; pos < file.size();) {
        head = file.read(pos, OggPage::kHeaderSize + 255);
        const size_t header = OggPage::headerSize(head);
        const size_t size = OggPage::pageSize(head);
        if (size == 0 || !readRange(file, pos + int64_t(header), int64_t(size - header), sink))
            return false;
        pos += int64_t(size);
    }
    return true;
}

// Copies the pages after the header region, moving this stream's sequence numbers by delta.
bool OggFormat::copyRenumbered(const FileStream& file, int64_t delta,
                               const FileStream::Writer& write)
{
    constexpr int64_t kChunk = 1 << 20;
    int64_t pos = m_regionEnd;
    std::string buffer, out;
    int64_t bufferStart = pos;
    while (pos < file.size()) {
        // Keep at least one whole page (at most 27 + 255 + 255 * 255 bytes) in the buffer.
        if (pos - bufferStart + 70000 > int64_t(buffer.size()) &&
            bufferStart + int64_t(buffer.size()) < file.size()) {
            buffer = buffer.substr(size_t(pos - bufferStart)) +
                     file.read(bufferStart + int64_t(buffer.size()), kChunk);
            bufferStart = pos;
        }
        const size_t at = size_t(pos - bufferStart);
        const size_t size = OggPage::pageSize(buffer, at);
        if (size == 0 || at + size > buffer.size())
            return false;  // damaged page: refuse rather than write a broken file
        std::string page = buffer.substr(at, size);
        if (delta != 0 && le32(page.data() + 14) == m_serial) {
            page.replace(18, 4, putLe32(uint32_t(int64_t(le32(page.data() + 18)) + delta)));
            OggPage::fixCrc(page, 0, page.size());
        }
        out += page;
        if (out.size() >= size_t(kChunk)) {
            if (!write(out))
                return false;
            out.clear();
        }
        pos += int64_t(size);
    }
    return write(out);
}

}  // namespace tags
