#pragma once
// MpegFormat: MPEG audio (MP3, code 2) and ADTS AAC (code 3) streams. The primary block is an
// ID3v2 tag at the start (created when missing); further ID3v2 tags right after it (some
// tools append a second one), and APE and ID3v1 tags at the end, are read and kept in step
// when present. A file is accepted when consecutive frame headers of its kind with the same
// stream parameters follow the ID3v2 tags.

#include "containerformat.h"
#include "id3v2tag.h"
#include "trailingtags.h"

#include <memory>

namespace tags {

class MpegFormat : public ContainerFormat {
public:
    explicit MpegFormat(bool adts) : m_adts(adts) {}

    int code() const override { return m_adts ? 3 : 2; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_audioStart + m_tail.size(); }
    std::vector<TagBlock*> blocks() override;
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

    // Length in bytes of the frame whose header starts at p (4 bytes for MPEG audio, 7 for
    // ADTS); 0 when the bytes are not a valid header of that kind.
    static int frameLength(const unsigned char* p, bool adts);

private:
    bool findAudio(const FileStream& file, int64_t from, int64_t end) const;
    bool chainAt(const FileStream& file, int64_t pos, int64_t end, int count, bool endCounts) const;

    struct LeadingTag {
        std::unique_ptr<Id3v2Tag> tag;
        int64_t offset = 0;
        int64_t size = 0;  // bytes in the file; 0 for a primary tag the file does not have yet
    };
    // Whether every changed leading tag fits the room it has in the file.
    bool fitsInPlace() const;
    // Writes the changed tags in their rooms (leading ones with their padding refilled).
    bool saveInPlace(FileStream& file);
    // Rewrites the file with new leading tags, the primary one padded.
    bool rewriteHead(FileStream& file);

    bool m_adts;
    std::vector<LeadingTag> m_head;  // the ID3v2 tags at the start, primary first
    int64_t m_audioStart = 0;        // first byte after them
    TrailingTags m_tail;
};

}  // namespace tags
