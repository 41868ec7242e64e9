#pragma once
// OggPage: one page of an Ogg bitstream, with the page CRC and the lacing rules used to cut
// packets into pages and put them back together.

#include <cstdint>
#include <string>
#include <vector>

namespace tags {

struct OggPage {
    static constexpr int kHeaderSize = 27;

    uint8_t flags = 0;  // 1 continued packet, 2 first page, 4 last page
    uint64_t granule = 0;
    uint32_t serial = 0;
    uint32_t sequence = 0;
    std::vector<uint8_t> lacing;
    std::string body;

    // Size of the page header (27 + lacing) when `bytes` begins with a page header, else 0.
    // Needs at least 27 bytes, and the lacing table to know the size.
    static size_t headerSize(const std::string& bytes, size_t at = 0);
    // Whole page size (header + body) of the page at `at`, 0 when not a page or truncated.
    static size_t pageSize(const std::string& bytes, size_t at = 0);
    // Parses the page at `at` (the whole page must be in `bytes`).
    bool parse(const std::string& bytes, size_t at = 0);
    // The page with a correct CRC.
    std::string render() const;
    // Recomputes the CRC of a rendered page in place.
    static void fixCrc(std::string& page, size_t at, size_t size);

    // Cuts header packets into pages (at most 255 lacing values each) of one stream; the first
    // page gets sequence `firstSequence`. Pages where a packet ends carry granule 0; pages
    // where none ends carry -1 ("no position"), or 0 too when alwaysZero (Opus requires
    // zero on every page of its comment header).
    static std::vector<OggPage> paginate(const std::vector<std::string>& packets, uint32_t serial,
                                         uint32_t firstSequence, bool alwaysZero);
};

}  // namespace tags
