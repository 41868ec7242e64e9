#pragma once
// Id3v1Tag: the 128-byte "TAG" block at the end of MP3, AAC and APE files. Read for what the
// newer blocks lack; when a file already has one, edits are mirrored into it (Latin-1,
// truncated to the fixed widths) so old players do not show stale texts. Never created.
// The block is kept as the bytes it was read as, and a change rewrites only the bytes of the
// field set: every other field stays exactly as it was (leading spaces and all).

#include "tagblock.h"

namespace tags {

class Id3v1Tag : public TagBlock {
public:
    static constexpr int kSize = 128;

    // False unless the 128 bytes begin with "TAG".
    bool parse(const std::string& bytes);
    std::string render() const { return m_bytes; }

    std::string kind() const override { return "ID3v1"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    bool isEmpty() const override;

private:
    // ID3v1.1: a NUL at 125 and a track number at 126 shorten the comment to 28 bytes.
    bool hasTrack() const { return m_bytes[125] == 0 && m_bytes[126] != 0; }
    // Offset and width of a text field; width 0 for the others.
    void span(Field field, size_t& at, size_t& width) const;

    std::string m_bytes = std::string(kSize, '\0');
};

}  // namespace tags
