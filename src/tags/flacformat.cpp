#include "flacformat.h"

#include "bytes.h"
#include "flacpicture.h"
#include "id3v2tag.h"

#include <algorithm>

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
        if (type == 127 || size > file.size() - pos - 4)
            return false;
        if (others.empty() && type != kStreamInfo)
            return false;  // STREAMINFO must come first
        // Padding is counted, never read.
        std::string body;
        if (type != kPaddingType && !file.readExact(pos + 4, size, body))
            return false;
        if (type == kVorbisComment && !haveComment) {
            haveComment = comment->parse(body);
            tagBytes += 4 + size;
        } else if (type == kPictureType) {
            Picture p;
            if (parseFlacPicture(std::move(body), p))
                pictures.push_back(std::move(p));
            tagBytes += 4 + size;
        } else if (type == kPaddingType) {
            tagBytes += 4 + size;
        } else if (type != kVorbisComment) {
            others.push_back({type, std::move(body)});
        }
        pos += 4 + size;
    }
    for (Picture& p : pictures)
        comment->addBlockPicture(std::move(p));
    m_comment = std::move(comment);
    m_others = std::move(others);
    m_audioStart = pos;
    m_tagBytes = tagBytes;
    return true;
}

int64_t FlacFormat::blocksSize(const std::string& comment) const
{
    int64_t size = 0;
    for (const Block& b : m_others)
        size += 4 + int64_t(b.body.size());
    size += 4 + int64_t(comment.size());
    for (const Picture& p : m_comment->blockPictures())
        size += 4 + int64_t(flacPictureSize(p));
    return size;
}

std::string FlacFormat::renderBlocks(const std::string& comment, int64_t padding) const
{
    // One pass into one buffer: the pictures are the bulk of it.
    std::string out;
    out.reserve(size_t(blocksSize(comment) + (padding >= 0 ? 4 + padding : 0)));
    const std::vector<Picture>& pictures = m_comment->blockPictures();
    const size_t count = m_others.size() + 1 + pictures.size();
    size_t index = 0;
    auto header = [&](int type, size_t size) {
        const bool last = padding < 0 && ++index == count;
        out += blockHeader(type, size, last);
    };
    for (const Block& b : m_others) {
        header(b.type, b.body.size());
        out += b.body;
    }
    header(kVorbisComment, comment.size());
    out += comment;
    for (const Picture& p : pictures) {
        header(kPictureType, flacPictureSize(p));
        appendFlacPicture(out, p);
    }
    if (padding >= 0) {
        out += blockHeader(kPaddingType, size_t(padding), true);
        out.append(size_t(padding), '\0');
    }
    return out;
}

bool FlacFormat::blocksFit(const std::string& comment) const
{
    if (comment.size() > kMaxBlock)
        return false;
    for (const Block& b : m_others) {
        if (b.body.size() > kMaxBlock)
            return false;
    }
    for (const Picture& p : m_comment->blockPictures()) {
        if (flacPictureSize(p) > kMaxBlock)
            return false;  // cannot be stored; the save fails
    }
    return true;
}

bool FlacFormat::save(FileStream& file)
{
    if (!m_comment->isDirty())
        return true;
    const std::string comment = m_comment->render();
    if (!blocksFit(comment))
        return false;
    const int64_t room = m_audioStart - (m_flacStart + 4);
    const int64_t need = blocksSize(comment);
    // In place when the blocks fill the room exactly or leave room for a padding block.
    if (need == room || (need + 4 <= room && room - need - 4 <= int64_t(kMaxBlock))) {
        return file.writeAt(m_flacStart + 4,
                            renderBlocks(comment, need == room ? -1 : room - need - 4));
    }
    const int64_t padding = file.clonePadding(m_flacStart + 4 + need + 4, m_audioStart, kPadding);
    const std::vector<FileStream::Segment> segments{
        FileStream::Segment::range(0, m_flacStart + 4),
        FileStream::Segment::data(renderBlocks(comment, std::min(padding, int64_t(kMaxBlock)))),
        FileStream::Segment::range(m_audioStart, file.size() - m_audioStart)};
    return file.rewrite(segments);
}

bool FlacFormat::readAudio(const FileStream& file, const AudioSink& sink) const
{
    return readRange(file, m_audioStart, file.size() - m_audioStart, sink);
}

}  // namespace tags
