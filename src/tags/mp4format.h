#pragma once
// Mp4Format: MPEG-4 audio files (M4A with AAC or ALAC; code 4). The item list lives at
// moov/udta/meta/ilst; a "free" atom after it inside meta is the padding for later edits.
// When the new moov fits the old one (or moov is the last atom of the file) it is written in
// place; otherwise the file is rewritten and the chunk offsets of every track (stco, co64)
// are moved by the change in size, so the samples are found where they now are.

#include "containerformat.h"
#include "mp4tag.h"

#include <memory>

namespace tags {

class Mp4Format : public ContainerFormat {
public:
    int code() const override { return 4; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_tagBytes; }
    std::vector<TagBlock*> blocks() override { return {m_tag.get()}; }
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    // moov with the new ilst followed by a free atom of `padding` bytes (0 = none).
    std::string buildMoov(const std::string& moov, int64_t padding) const;

    std::unique_ptr<Mp4Tag> m_tag;
    int64_t m_moovOffset = 0;
    int64_t m_moovSize = 0;
    std::string m_moov;  // the whole moov atom as read
    // Top-level atoms other than moov (offset, size): the samples and whatever else is there.
    std::vector<std::pair<int64_t, int64_t>> m_otherAtoms;
    bool m_moovLast = false;
    bool m_fragmented = false;
    int64_t m_tagBytes = 0;
};

}  // namespace tags
