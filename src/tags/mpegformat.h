#pragma once
// MpegFormat: MPEG audio (MP3, code 2) and ADTS AAC (code 3) streams. The primary block is an
// ID3v2 tag at the start (created when missing); APE and ID3v1 tags at the end are read and
// kept in step when present. A file is accepted when consecutive frame headers of its kind
// with the same stream parameters follow the ID3v2 tag.

#include "containerformat.h"
#include "id3v2tag.h"
#include "trailingtags.h"

#include <memory>

namespace tags {

class MpegFormat : public ContainerFormat {
public:
    explicit MpegFormat(bool adts) : m_adts(adts) {}

    int code() const override { return m_adts ? 3 : 2; }
    bool parse(FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_id3Size + m_tail.size(); }
    std::vector<TagBlock*> blocks() override;

    // Length in bytes of the frame whose header starts at p (4 bytes for MPEG audio, 7 for
    // ADTS); 0 when the bytes are not a valid header of that kind.
    static int frameLength(const unsigned char* p, bool adts);

private:
    bool findAudio(const FileStream& file, int64_t from, int64_t end) const;
    bool chainAt(const FileStream& file, int64_t pos, int64_t end, int count, bool endCounts) const;

    bool m_adts;
    std::unique_ptr<Id3v2Tag> m_id3;
    int64_t m_id3Size = 0;  // bytes of the ID3v2 tag in the file, 0 when there is none
    TrailingTags m_tail;
};

}  // namespace tags
