#include "asfformat.h"

#include "asfguids.h"
#include "bytes.h"

namespace tags {

namespace {

constexpr int64_t kMaxHeader = 64 * 1024 * 1024;
constexpr size_t kObjectHeader = 24;
constexpr size_t kHeaderFixed = 30;     // header object: object header, count, reserved
constexpr size_t kExtensionFixed = 46;  // extension: object header, GUID, word, data size

struct Object {
    size_t offset;
    size_t size;
    std::string guid;
};

bool objects(const std::string& s, size_t from, size_t to, std::vector<Object>& out)
{
    out.clear();
    size_t pos = from;
    while (pos + kObjectHeader <= to) {
        const uint64_t size = le64(s.data() + pos + 16);
        if (size < kObjectHeader || size > to - pos)
            return false;
        out.push_back({pos, size_t(size), s.substr(pos, 16)});
        pos += size_t(size);
    }
    return true;
}

std::string object(const std::string& guid, const std::string& body)
{
    return guid + putLe64(uint64_t(body.size() + kObjectHeader)) + body;
}

}  // namespace

bool AsfFormat::parse(const FileStream& file)
{
    const std::string h = file.read(0, kHeaderFixed);
    if (h.size() < kHeaderFixed || h.compare(0, 16, asf::kHeader) != 0)
        return false;
    const uint64_t size = le64(h.data() + 16);
    if (size < kHeaderFixed || int64_t(size) > kMaxHeader || int64_t(size) > file.size())
        return false;
    std::string header;
    if (!file.readExact(0, int64_t(size), header))
        return false;
    if (file.read(int64_t(size), 16) != asf::kData)
        return false;
    auto tag = std::make_unique<AsfTag>();
    std::vector<Object> list, inner;
    if (!objects(header, kHeaderFixed, header.size(), list))
        return false;
    int64_t tagBytes = 0;
    for (const Object& o : list) {
        const std::string body = header.substr(o.offset + kObjectHeader, o.size - kObjectHeader);
        if (o.guid == asf::kContentDescription) {
            if (!tag->parseContentDescription(body))
                return false;
            tagBytes += int64_t(o.size);
        } else if (o.guid == asf::kExtendedContentDescription) {
            if (!tag->parseExtended(body))
                return false;
            tagBytes += int64_t(o.size);
        } else if (o.guid == asf::kPadding) {
            tagBytes += int64_t(o.size);
        } else if (o.guid == asf::kHeaderExtension && o.size >= kExtensionFixed) {
            if (!objects(header, o.offset + kExtensionFixed, o.offset + o.size, inner))
                return false;
            for (const Object& i : inner) {
                const std::string b =
                    header.substr(i.offset + kObjectHeader, i.size - kObjectHeader);
                if (i.guid == asf::kMetadata || i.guid == asf::kMetadataLibrary) {
                    if (!tag->parseMetadata(b, i.guid == asf::kMetadataLibrary))
                        return false;
                    tagBytes += int64_t(i.size);
                }
            }
        }
    }
    m_tag = std::move(tag);
    m_header = std::move(header);
    m_tagBytes = tagBytes;
    return true;
}

std::string AsfFormat::renderExtension(const std::string& original) const
{
    std::string children;
    std::vector<Object> inner;
    if (!original.empty()) {
        objects(original, kExtensionFixed, original.size(), inner);
        for (const Object& i : inner) {
            if (i.guid != asf::kMetadata && i.guid != asf::kMetadataLibrary)
                children += original.substr(i.offset, i.size);
        }
    }
    children += m_tag->renderMetadata(false) + m_tag->renderMetadata(true);
    return object(asf::kHeaderExtension, asf::kHeaderExtensionReserved + putLe16(6) +
                                             putLe32(uint32_t(children.size())) + children);
}

std::string AsfFormat::renderHeader(int64_t padding) const
{
    std::vector<Object> list;
    objects(m_header, kHeaderFixed, m_header.size(), list);
    std::string children;
    uint32_t count = 0;
    bool haveExtension = false;
    for (const Object& o : list) {
        if (o.guid == asf::kContentDescription || o.guid == asf::kExtendedContentDescription ||
            o.guid == asf::kPadding)
            continue;
        if (o.guid == asf::kHeaderExtension && o.size >= kExtensionFixed && !haveExtension) {
            haveExtension = true;
            children += renderExtension(m_header.substr(o.offset, o.size));
        } else {
            children += m_header.substr(o.offset, o.size);
        }
        ++count;
    }
    if (!haveExtension && m_tag->needsLibrary()) {
        children += renderExtension({});
        ++count;
    }
    for (const std::string& o : {m_tag->renderContentDescription(), m_tag->renderExtended()}) {
        if (!o.empty()) {
            children += o;
            ++count;
        }
    }
    if (padding >= int64_t(kObjectHeader)) {
        children += object(asf::kPadding, std::string(size_t(padding) - kObjectHeader, '\0'));
        ++count;
    }
    return asf::kHeader + putLe64(uint64_t(children.size() + kHeaderFixed)) + putLe32(count) +
           m_header.substr(28, 2) + children;
}

bool AsfFormat::save(FileStream& file)
{
    if (!m_tag->isDirty())
        return true;
    const int64_t oldSize = int64_t(m_header.size());
    const int64_t bare = int64_t(renderHeader(0).size());
    if (bare == oldSize || bare + int64_t(kObjectHeader) <= oldSize)
        return file.writeAt(0, renderHeader(oldSize - bare));
    // The padding keeps the data object in line with the file system's blocks, so that a
    // rewrite can clone it.
    std::string header = renderHeader(file.clonePadding(bare, oldSize, kPadding));
    const int64_t newFileSize = file.size() - oldSize + int64_t(header.size());
    // The File Properties object records the file size.
    std::vector<Object> list;
    objects(header, kHeaderFixed, header.size(), list);
    for (const Object& o : list) {
        if (o.guid == asf::kFileProperties && o.size >= 48)
            setLe64(header, o.offset + 40, uint64_t(newFileSize));
    }
    const std::vector<FileStream::Segment> segments{
        FileStream::Segment::data(header),
        FileStream::Segment::range(oldSize, file.size() - oldSize)};
    return file.rewrite(segments);
}

bool AsfFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    const int64_t header = int64_t(m_header.size());
    return readRange(file, header, file.size() - header, sink);
}

}  // namespace tags
