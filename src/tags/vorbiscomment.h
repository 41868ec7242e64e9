#pragma once
// VorbisComment: the comment block of Ogg Vorbis, Ogg Opus and FLAC (vendor string plus
// KEY=value pairs, keys case-insensitive). Pictures live either in METADATA_BLOCK_PICTURE
// comments (Ogg) or, for FLAC, in separate PICTURE metadata blocks that the FLAC format hands
// in and takes out through blockPicture()/setBlockPicture(); which applies is fixed at
// construction. The vendor string written is the one given at construction, whatever the
// file had before.

#include "tagblock.h"

#include <utility>
#include <vector>

namespace tags {

class VorbisComment : public TagBlock {
public:
    VorbisComment(std::string defaultVendor, bool picturesAsBlocks);

    // Parses the body after any packet prefix ("\x03vorbis", "OpusTags"). Trailing bytes
    // (framing bit, padding) are ignored. False when the lengths do not fit.
    bool parse(const std::string& body);
    // The body: vendor, count, comments; no prefix, no framing bit.
    std::string render() const;

    // FLAC: the pictures found in PICTURE blocks / the one to write as a block.
    void addBlockPicture(Picture picture) { m_blockPictures.push_back(std::move(picture)); }
    const std::vector<Picture>& blockPictures() const { return m_blockPictures; }

    std::string kind() const override { return "Vorbis comment"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    Picture picture() const override;
    void setPicture(const Picture& picture) override;
    bool isEmpty() const override { return m_comments.empty() && m_blockPictures.empty(); }

private:
    std::string value(const std::string& key) const;
    void remove(const std::string& key);

    std::string m_vendor;
    bool m_picturesAsBlocks;
    std::vector<std::pair<std::string, std::string>> m_comments;  // key upper-cased
    std::vector<Picture> m_blockPictures;
};

}  // namespace tags
