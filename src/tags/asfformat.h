#pragma once
// AsfFormat: ASF files (WMA, code 1). The tag objects sit in the header object before the
// data object; a Padding object in the header gives room for later edits. When the new
// header fits the old one it is written in place; otherwise the file is rewritten with the
// new header and the File Properties object's file size is updated. Data packets carry no
// absolute offsets, so nothing else changes.

#include "asftag.h"
#include "containerformat.h"

#include <memory>

namespace tags {

class AsfFormat : public ContainerFormat {
public:
    int code() const override { return 1; }
    bool parse(const FileStream& file) override;
    bool save(FileStream& file) override;
    int64_t tagSize() const override { return m_tagBytes; }
    std::vector<TagBlock*> blocks() override { return {m_tag.get()}; }
    bool readAudio(const FileStream& file, const AudioSink& sink) const override;

private:
    // The header object with the given amount of padding (0 = no Padding object).
    std::string renderHeader(int64_t padding) const;
    std::string renderExtension(const std::string& original) const;

    std::unique_ptr<AsfTag> m_tag;
    std::string m_header;  // the whole header object as read
    int64_t m_tagBytes = 0;
};

}  // namespace tags
