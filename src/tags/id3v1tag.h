#pragma once
// Id3v1Tag: the 128-byte "TAG" block at the end of MP3, AAC and APE files. Read for what the
// newer blocks lack; when a file already has one, edits are mirrored into it (Latin-1,
// truncated to the fixed widths) so old players do not show stale texts. Never created.

#include "tagblock.h"

namespace tags {

class Id3v1Tag : public TagBlock {
public:
    static constexpr int kSize = 128;

    // False unless the 128 bytes begin with "TAG".
    bool parse(const std::string& bytes);
    std::string render() const;

    std::string kind() const override { return "ID3v1"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    bool isEmpty() const override;

private:
    std::string m_title, m_artist, m_album, m_year, m_comment;
    int m_track = 0;
    int m_genre = 255;
};

}  // namespace tags
