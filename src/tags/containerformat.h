#pragma once
// ContainerFormat: one strategy per file format that knows where the tag blocks of that
// format live and how to put them back without touching the audio payload.
//
// Contract for implementations:
// - parse() reads only the file's structure and tag blocks; it returns false (and keeps no
//   state that matters) when the file is not of its format or is damaged beyond use. It
//   never writes.
// - After a successful parse, blocks() lists the blocks in order of preference; the first
//   is the primary block, which exists (possibly empty) even when the file had none.
//   Secondary blocks appear only when the file has them.
// - save() writes the dirty blocks: in place when the new blocks fit the room of the old
//   ones (padding) or sit at the end of the file, otherwise by a whole-file rewrite through
//   FileStream::rewrite. The audio payload bytes are never changed. The caller (TagFile)
//   brackets it in a FileStream save transaction, reads the file back and replaces this
//   object with the one that read it; a format object is not used after its save().
// - readAudio() hands the audio payload as last parsed to `sink`, in order and in pieces:
//   every byte a tag write must leave as it is (for Ogg, the packet data after the headers,
//   since page headers are renumbered). False when the file cannot be read.
// Not thread-safe; owned by TagFile.

#include "filestream.h"
#include "tagblock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tags {

class ContainerFormat {
public:
    // Room left after the tags for later edits when a file has to be rewritten anyway.
    static constexpr int64_t kPadding = 2048;
    using AudioSink = std::function<void(const std::string& bytes)>;

    virtual ~ContainerFormat() = default;
    virtual int code() const = 0;
    virtual bool parse(const FileStream& file) = 0;
    virtual bool save(FileStream& file) = 0;
    // Bytes taken by the tag blocks in the file as last parsed (padding included).
    virtual int64_t tagSize() const = 0;
    virtual std::vector<TagBlock*> blocks() = 0;
    virtual bool readAudio(const FileStream& file, const AudioSink& sink) const = 0;

    bool anyDirty()
    {
        for (TagBlock* b : blocks()) {
            if (b->isDirty())
                return true;
        }
        return false;
    }

protected:
    // Feeds [offset, offset + length) of the file to sink in pieces of at most a megabyte.
    static bool readRange(const FileStream& file, int64_t offset, int64_t length,
                          const AudioSink& sink);
};

}  // namespace tags
