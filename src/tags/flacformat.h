#pragma once
// FlacFormat: native FLAC files (code 7). Tags are a VORBIS_COMMENT metadata block plus
// PICTURE blocks; a PADDING block gives room for later edits. STREAMINFO and the other
// metadata blocks (seek table, cue sheet, application) are written back unchanged and in
// their order. An ID3v2 tag some taggers put before "fLaC" is kept as it is.

#include "containerformat.h"
#include "vorbiscomment.h"

#include <memory>

namespace tags {

class FlacFormat : public ContainerFormat {
public:
    int code() const override { return 7; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_tagBytes; }
    std::vector<TagBlock*> blocks() override { return {m_comment.get()}; }
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    struct Block {
        int type;
        std::string body;
    };
    // Bytes of the metadata blocks (headers included) without padding.
    int64_t blocksSize(const std::string& comment) const;
    // The metadata blocks followed by a padding block of `padding` bytes (none when
    // negative); the last-block flag is on the final block.
    std::string renderBlocks(const std::string& comment, int64_t padding) const;
    // False when a block is too large for the 24-bit block sizes.
    bool blocksFit(const std::string& comment) const;

    std::unique_ptr<VorbisComment> m_comment;
    std::vector<Block> m_others;  // STREAMINFO first, then everything that is not a tag
    int64_t m_flacStart = 0;      // offset of "fLaC"
    int64_t m_audioStart = 0;     // first byte after the metadata blocks
    int64_t m_tagBytes = 0;
};

}  // namespace tags
