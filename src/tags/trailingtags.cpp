#include "trailingtags.h"

namespace tags {

void TrailingTags::parse(const FileStream& file, int64_t end)
{
    m_ape.reset();
    m_id3v1.reset();
    m_end = end;
    int64_t pos = end;
    // An APE footer right at the end means there is no ID3v1 tag after it, whatever bytes
    // happen to sit 128 bytes before the end (the tag's own text may contain "TAG").
    const bool apeLast =
        pos >= ApeTag::kFooterSize &&
        ApeTag::sizeFromFooter(file.read(pos - ApeTag::kFooterSize, ApeTag::kFooterSize)) > 0;
    if (!apeLast && pos >= Id3v1Tag::kSize) {
        auto v1 = std::make_unique<Id3v1Tag>();
        if (v1->parse(file.read(pos - Id3v1Tag::kSize, Id3v1Tag::kSize))) {
            m_id3v1 = std::move(v1);
            pos -= Id3v1Tag::kSize;
        }
    }
    if (pos >= ApeTag::kFooterSize) {
        const int64_t size =
            ApeTag::sizeFromFooter(file.read(pos - ApeTag::kFooterSize, ApeTag::kFooterSize));
        if (size > 0 && size <= pos) {
            auto ape = std::make_unique<ApeTag>();
            if (ape->parse(file.read(pos - size, size))) {
                m_ape = std::move(ape);
                pos -= size;
            }
        }
    }
    m_start = pos;
}

ApeTag* TrailingTags::ensureApe()
{
    if (!m_ape)
        m_ape = std::make_unique<ApeTag>();
    return m_ape.get();
}

bool TrailingTags::dirty() const
{
    return (m_ape && m_ape->isDirty()) || (m_id3v1 && m_id3v1->isDirty());
}

std::string TrailingTags::render() const
{
    std::string out;
    if (m_ape && !m_ape->isEmpty())
        out += m_ape->render();
    if (m_id3v1)
        out += m_id3v1->render();
    return out;
}

bool TrailingTags::save(FileStream& file)
{
    const std::string bytes = render();
    // Write first, then cut: a failure in between leaves stray bytes after the tags, never
    // a file without them.
    if (!file.writeAt(m_start, bytes) || !file.truncate(m_start + int64_t(bytes.size())))
        return false;
    if (m_ape)
        m_ape->setDirty(false);
    if (m_id3v1)
        m_id3v1->setDirty(false);
    m_end = m_start + int64_t(bytes.size());
    return true;
}

}  // namespace tags
