#pragma once
// TrailingTags: the APE tag and the ID3v1 tag that MP3, AAC and Monkey's Audio files may
// carry at their end (APE before ID3v1). Both are rewritten in place at the end of the file:
// the audio before them never moves.

#include "apetag.h"
#include "filestream.h"
#include "id3v1tag.h"

#include <memory>

namespace tags {

class TrailingTags {
public:
    // Reads the blocks that end at `end` (usually the file size). Damaged blocks are ignored.
    void parse(const FileStream& file, int64_t end);
    // Offset where the trailing blocks begin (== end when there are none).
    int64_t start() const { return m_start; }
    int64_t size() const { return m_end - m_start; }
    // The new bytes of both blocks.
    std::string render() const;
    bool dirty() const;
    // Replaces the region [start, end) with render() in place and truncates after it.
    bool save(FileStream& file);

    ApeTag* ape() { return m_ape.get(); }
    Id3v1Tag* id3v1() { return m_id3v1.get(); }
    // Creates an empty APE tag (for Monkey's Audio files, where APE is the primary block).
    ApeTag* ensureApe();

private:
    std::unique_ptr<ApeTag> m_ape;
    std::unique_ptr<Id3v1Tag> m_id3v1;
    int64_t m_start = 0;
    int64_t m_end = 0;
};

}  // namespace tags
