#pragma once
// OggFormat: Ogg Vorbis and Ogg Opus files (code 5). The tags are the second header packet
// ("\x03vorbis" + comments + framing bit, or "OpusTags" + comments). When the new packet is
// no larger than the old one it is padded to the same size and written into the same pages
// in place; otherwise the header pages are cut again and the file is rewritten, renumbering
// the sequence numbers of the stream's later pages and recomputing their CRCs. Granule
// positions of audio pages never change. Audio packets that share the last header page (some
// muxers put them there) are kept: in place they stay where they are, in a rewrite they move
// to a page of their own right after the headers.

#include "containerformat.h"
#include "oggpage.h"
#include "vorbiscomment.h"

#include <memory>

namespace tags {

class OggFormat : public ContainerFormat {
public:
    int code() const override { return 5; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return int64_t(m_commentPacketSize); }
    std::vector<TagBlock*> blocks() override { return {m_comment.get()}; }
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    std::string commentPacket(size_t padding) const;
    bool copyRenumbered(const FileStream& file, int64_t delta, const FileStream::Writer& write);

    std::unique_ptr<VorbisComment> m_comment;
    bool m_opus = false;
    uint32_t m_serial = 0;
    // Pages from the one where the comment packet starts to the one where the last header
    // packet ends: [m_regionStart, m_regionEnd), m_regionPages of them, first sequence number
    // m_firstSequence.
    std::vector<OggPage> m_regionPageList;
    // The lacing values and bytes after the last header packet on its page, as a page of
    // their own (empty when the headers end their page).
    OggPage m_leftover;
    int64_t m_regionStart = 0;
    int64_t m_regionEnd = 0;
    std::string m_setupPacket;  // Vorbis only
    size_t m_commentPacketSize = 0;
};

}  // namespace tags
