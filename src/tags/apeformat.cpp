#include "apeformat.h"

#include "id3v2tag.h"

namespace tags {

bool ApeFormat::parse(const FileStream& file)
{
    int64_t start = Id3v2Tag::sizeFromHeader(file.read(0, 10));
    if (start < 0)
        start = 0;
    if (file.read(start, 4) != "MAC ")
        return false;
    m_tail.parse(file, file.size());
    if (m_tail.start() < start + 4)
        return false;
    m_tail.ensureApe();
    m_start = start;
    return true;
}

std::vector<TagBlock*> ApeFormat::blocks()
{
    std::vector<TagBlock*> list{m_tail.ape()};
    if (m_tail.id3v1())
        list.push_back(m_tail.id3v1());
    return list;
}

bool ApeFormat::save(FileStream& file)
{
    return (!m_tail.dirty() || m_tail.save(file));
}

bool ApeFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    return readRange(file, m_start, m_tail.start() - m_start, sink);
}

}  // namespace tags
