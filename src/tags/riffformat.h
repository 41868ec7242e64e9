#pragma once
// RiffFormat: chunked PCM files (code 0): RIFF/WAVE, whose tags are a LIST/INFO chunk (plus an
// "id3 " chunk when one exists), and FORM/AIFF(-C), whose tags are an "ID3 " chunk. Changed
// tag chunks are written at the end of the file: in place when they already are the last
// chunks, otherwise by rewriting the file with every other chunk in its order first. The
// header's size field is kept equal to the file size. An audio chunk whose size is 0,
// 0xFFFFFFFF or too large (streamed or unfinished files) runs to the end of the file; a save
// writes its true size.

#include "containerformat.h"
#include "id3v2tag.h"
#include "riffinfotag.h"

#include <memory>

namespace tags {

class RiffFormat : public ContainerFormat {
public:
    int code() const override { return 0; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_tagBytes; }
    std::vector<TagBlock*> blocks() override;
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    struct Chunk {
        int64_t offset;  // of the chunk header
        int64_t size;    // whole chunk, header and pad byte included
        int64_t body;    // the payload's bytes
        bool tag;        // one of the chunks we rewrite
        bool cut;        // the header claims more bytes than the file has
        std::string id;
    };
    std::string chunk(const std::string& id, const std::string& body) const;
    // A chunk or header size in the byte order of the file.
    std::string sizeField(int64_t size) const;
    // Writes the tags from tailStart on (repairing a cut last chunk first) and cuts the file
    // after them.
    bool appendTags(FileStream& file, std::string tags, int64_t tailStart, const Chunk* last);
    // Rewrites the file with every other chunk in its order and the tags last.
    bool rewriteTagsLast(FileStream& file, const std::string& tags, int64_t total);
    // The tag chunks as they go to the end of the file; false when one cannot be rendered.
    bool renderTags(std::string& out) const;

    bool m_aiff = false;
    std::unique_ptr<RiffInfoTag> m_info;  // WAV
    std::unique_ptr<Id3v2Tag> m_id3;      // AIFF (primary) or WAV (secondary, when present)
    std::string m_id3ChunkId = "ID3 ";
    std::vector<Chunk> m_chunks;
    int64_t m_chunksEnd = 0;  // end of the last whole chunk header and its bytes
    int64_t m_tagBytes = 0;
};

}  // namespace tags
