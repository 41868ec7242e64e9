#pragma once
// Id3v2Tag: an ID3v2 tag as found at the start of MP3 and ADTS AAC files (and in the "ID3 "
// chunk of AIFF). Reads versions 2.2, 2.3 and 2.4 (with unsynchronisation, extended headers
// and data length indicators); writes 2.3 when the file had a 2.3 tag, otherwise 2.4. Text
// is written as UTF-8 in 2.4, as Latin-1 or UTF-16 with BOM in 2.3. Frames it does not
// interpret (and compressed or encrypted ones) are written back byte for byte; a grouped
// frame's group byte is kept apart from its content; version 2.2 frames that have no later
// counterpart are dropped because 2.2 is never written.
//
// COMM and USLT: the plain comment (and lyrics) is the frame whose description is empty in
// whatever encoding it is stored (UTF-16 with only a byte-order mark included); setting the
// field replaces every such frame, of any language, and leaves described ones alone.

#include "tagblock.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tags {

class Id3v2Tag : public TagBlock {
public:
    explicit Id3v2Tag(int majorVersion = 4);

    // Total size (header, body, footer) announced by a 10-byte header; -1 when the bytes are
    // not an ID3v2 header.
    static int64_t sizeFromHeader(const std::string& header);
    // The largest tag (header excluded) and frame the 28-bit sizes can describe.
    static constexpr uint64_t kMaxSize = 0x0FFFFFFF;

    // Parses a whole tag from its header on. False when the bytes are not a usable tag.
    bool parse(const std::string& bytes);
    // The whole tag with `padding` zero bytes after the frames; empty when the tag would
    // exceed kMaxSize (a save must fail then rather than write wrapped sizes).
    std::string render(size_t padding) const;
    // The size render(0) would have; -1 when it would fail.
    int64_t renderedSize() const;
    int majorVersion() const { return m_version; }

    std::string kind() const override;
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    Picture picture() const override;
    void setPicture(const Picture& picture) override;
    bool isEmpty() const override { return m_frames.empty(); }

private:
    struct Frame {
        std::string id;
        uint16_t flags = 0;
        std::string group;  // the group byte of a grouped frame, else empty
        std::string data;
        bool opaque = false;  // compressed/encrypted: never interpreted
    };

    static const char* frameId(Field field, int version);
    const Frame* findFrame(const std::string& id) const;
    const Frame* findCommentLike(const std::string& id) const;
    static bool hasEmptyDescription(const Frame& frame);
    // Splits off the group byte and, in 2.4, the data length indicator and unsynchronisation
    // of a frame as read. False when the frame is too short for them.
    static bool unwrapFrame(Frame& frame, int version);
    void removeFrames(const std::string& id, bool onlyEmptyDescription = false);
    std::string encodeText(const std::string& utf8, char& encoding) const;
    bool parseFrames(std::string_view body, int version);

    std::vector<Frame> m_frames;
    int m_version;
};

}  // namespace tags
