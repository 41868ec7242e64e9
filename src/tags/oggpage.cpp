#include "oggpage.h"

#include "bytes.h"

namespace tags {

namespace {

struct CrcTable {
    uint32_t v[256];
    CrcTable()
    {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            v[i] = r;
        }
    }
};

uint32_t crc(const char* p, size_t n)
{
    static const CrcTable table;
    uint32_t c = 0;
    for (size_t i = 0; i < n; ++i)
        c = (c << 8) ^ table.v[((c >> 24) ^ static_cast<unsigned char>(p[i])) & 0xFF];
    return c;
}

}  // namespace

size_t OggPage::headerSize(const std::string& b, size_t at)
{
    if (at + kHeaderSize > b.size() || b.compare(at, 4, "OggS") != 0 || b[at + 4] != 0)
        return 0;
    return kHeaderSize + static_cast<unsigned char>(b[at + 26]);
}

size_t OggPage::pageSize(const std::string& b, size_t at)
{
    const size_t h = headerSize(b, at);
    if (h == 0 || at + h > b.size())
        return 0;
    size_t body = 0;
    for (size_t i = at + kHeaderSize; i < at + h; ++i)
        body += static_cast<unsigned char>(b[i]);
    return h + body;
}

bool OggPage::parse(const std::string& b, size_t at)
{
    const size_t size = pageSize(b, at);
    if (size == 0 || at + size > b.size())
        return false;
    const size_t h = headerSize(b, at);
    flags = uint8_t(b[at + 5]);
    granule = le64(b.data() + at + 6);
    serial = le32(b.data() + at + 14);
    sequence = le32(b.data() + at + 18);
    lacing.assign(b.begin() + long(at + kHeaderSize), b.begin() + long(at + h));
    body = b.substr(at + h, size - h);
    return true;
}

std::string OggPage::render() const
{
    std::string p = "OggS";
    p += '\0';
    p += char(flags);
    p += putLe64(granule) + putLe32(serial) + putLe32(sequence) + putLe32(0);
    p += char(lacing.size());
    p.append(lacing.begin(), lacing.end());
    p += body;
    fixCrc(p, 0, p.size());
    return p;
}

void OggPage::fixCrc(std::string& page, size_t at, size_t size)
{
    page.replace(at + 22, 4, std::string(4, '\0'));
    page.replace(at + 22, 4, putLe32(crc(page.data() + at, size)));
}

std::vector<OggPage> OggPage::paginate(const std::vector<std::string>& packets, uint32_t serial,
                                       uint32_t firstSequence, bool alwaysZero)
{
    // Lacing values and body bytes of all packets, cut into pages of 255 values.
    std::vector<OggPage> pages;
    OggPage page;
    page.serial = serial;
    page.sequence = firstSequence;
    bool packetEndedOnPage = false;
    auto flush = [&](bool continues) {
        page.granule = packetEndedOnPage || alwaysZero ? 0 : ~uint64_t(0);
        pages.push_back(page);
        page.lacing.clear();
        page.body.clear();
        page.sequence++;
        page.flags = continues ? 1 : 0;
        packetEndedOnPage = false;
    };
    for (const std::string& packet : packets) {
        size_t left = packet.size();
        size_t pos = 0;
        while (true) {
            if (page.lacing.size() == 255)
                flush(true);
            const size_t n = left < 255 ? left : 255;
            page.lacing.push_back(uint8_t(n));
            page.body.append(packet, pos, n);
            pos += n;
            left -= n;
            if (n < 255) {
                packetEndedOnPage = true;
                break;
            }
        }
        if (page.lacing.size() == 255)
            flush(false);
    }
    if (!page.lacing.empty())
        flush(false);
    return pages;
}

}  // namespace tags
