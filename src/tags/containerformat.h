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
//   FileStream::rewrite. The audio payload bytes are never changed. After a successful save
//   the format is parsed again, so blocks() stays valid for further edits.
// Not thread-safe; owned by TagFile.

#include "filestream.h"
#include "tagblock.h"

#include <cstdint>
#include <vector>

namespace tags {

class ContainerFormat {
public:
    // Room left after the tags for later edits when a file has to be rewritten anyway.
    static constexpr int64_t kPadding = 2048;

    virtual ~ContainerFormat() = default;
    virtual int code() const = 0;
    virtual bool parse(FileStream& file) = 0;
    virtual bool save(FileStream& file) = 0;
    // Bytes taken by the tag blocks in the file as last parsed (padding included).
    virtual int64_t tagSize() const = 0;
    virtual std::vector<TagBlock*> blocks() = 0;

    bool anyDirty()
    {
        for (TagBlock* b : blocks()) {
            if (b->isDirty())
                return true;
        }
        return false;
    }
};

}  // namespace tags
