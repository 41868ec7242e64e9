#include "flacformat.h"

#include "bytes.h"
#include "flacpicture.h"
#include "id3v2tag.h"

namespace tags {

namespace {

constexpr int kStreamInfo = 0;
constexpr int kPaddingType = 1;
constexpr int kVorbisComment = 4;
constexpr int kPictureType = 6;
constexpr uint32_t kMaxBlock = 0xFFFFFF;

const char kVendor[] = "reference libFLAC 1.2.1 20070917";

std::string blockHeader(int type, size_t size, bool last)
{
    return std::string(1, char((last ? 0x80 : 0) | type)) + putBe24(uint32_t(size));
}

}  // namespace

bool FlacFormat::parse(const FileStream& file)
{
    m_flacStart = 0;
    const int64_t id3 = Id3v2Tag::sizeFromHeader(file.read(0, 10));
    if (id3 > 0)
        m_flacStart = id3;
    if (file.read(m_flacStart, 4) != "fLaC")
        return false;
    auto comment = std::make_unique<VorbisComment>(kVendor, true);
    std::vector<Block> others;
    std::vector<Picture> pictures;
    int64_t pos = m_flacStart + 4;
    int64_t tagBytes = 0;
    bool last = false;
    bool haveComment = false;
    while (!last) {
        const std::string h = file.read(pos, 4);
        if (h.size() < 4)
            return false;
        last = h[0] & 0x80;
        const int type = h[0] & 0x7F;
        const int64_t size = be24(h.data() + 1);
        std::string body;
        if (type == 127 || !file.readExact(pos + 4, size, body))
            return false;
        if (others.empty() && type != kStreamInfo)
            return false;  // STREAMINFO must come first
        if (type == kVorbisComment && !haveComment) {
            haveComment = comment->parse(body);
            tagBytes += 4 + size;
        } else if (type == kPictureType) {
            Picture p;
            if (parseFlacPicture(body, p))
                pictures.push_back(std::move(p));
            tagBytes += 4 + size;
        } else if (type == kPaddingType) {
            tagBytes += 4 + size;
        } else if (type != kVorbisComment) {
            others.push_back({type, std::move(body)});
        }
        pos += 4 + size;
    }
    for (const Picture& p : pictures)
        comment->addBlockPicture(p);
    m_comment = std::move(comment);
    m_others = std::move(others);
    m_audioStart = pos;
    m_tagBytes = tagBytes;
    return true;
}

std::string FlacFormat::renderBlocks(bool paddingFollows) const
{
    std::vector<Block> all = m_others;
    all.push_back({kVorbisComment, m_comment->render()});
    for (const Picture& p : m_comment->blockPictures())
        all.push_back({kPictureType, renderFlacPicture(p)});
    std::string out;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].body.size() > kMaxBlock)
            return {};  // cannot be stored; the caller fails the save
        out += blockHeader(all[i].type, all[i].body.size(), !paddingFollows && i + 1 == all.size());
        out += all[i].body;
    }
    return out;
}

bool FlacFormat::save(FileStream& file)
{
    if (!m_comment->isDirty())
        return true;
    const int64_t room = m_audioStart - (m_flacStart + 4);
    const std::string exact = renderBlocks(false);
    if (exact.empty())
        return false;
    const int64_t need = int64_t(exact.size());
    if (need == room || (need + 4 <= room && room - need - 4 <= int64_t(kMaxBlock))) {
        std::string meta = need == room ? exact : renderBlocks(true);
        if (need != room) {
            meta += blockHeader(kPaddingType, size_t(room - need - 4), true);
            meta.append(size_t(room - need - 4), '\0');
        }
        if (!file.writeAt(m_flacStart + 4, meta))
            return false;
    } else {
        std::string meta = renderBlocks(true);
        meta += blockHeader(kPaddingType, size_t(kPadding), true);
        meta.append(size_t(kPadding), '\0');
        const std::vector<FileStream::Segment> segments{
            FileStream::Segment::range(0, m_flacStart + 4), FileStream::Segment::data(meta),
            FileStream::Segment::range(m_audioStart, file.size() - m_audioStart)};
        if (!file.rewrite(segments))
            return false;
    }
    return true;
}

bool FlacFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    return readRange(file, m_audioStart, file.size() - m_audioStart, sink);
}

}  // namespace tags
