#pragma once
// ApeFormat: Monkey's Audio files (code 6, "MAC " magic, possibly after an ID3v2 tag that is
// left alone). The primary block is the APE tag at the end (created when missing); an ID3v1
// tag after it is kept in step. Both are rewritten in place at the end of the file.

#include "containerformat.h"
#include "trailingtags.h"

namespace tags {

class ApeFormat : public ContainerFormat {
public:
    int code() const override { return 6; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_tail.size(); }
    std::vector<TagBlock*> blocks() override;
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    TrailingTags m_tail;
    int64_t m_start = 0;  // of "MAC ", after any ID3v2 tag
};

}  // namespace tags
