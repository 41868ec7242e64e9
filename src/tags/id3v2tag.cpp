#include "id3v2tag.h"

#include "bytes.h"
#include "genres.h"

#include <cstring>

namespace tags {

namespace {

uint32_t syncsafe(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(u[0] & 0x7F) << 21 | uint32_t(u[1] & 0x7F) << 14 | uint32_t(u[2] & 0x7F) << 7 |
           (u[3] & 0x7F);
}

std::string putSyncsafe(uint32_t v)
{
    return {char(v >> 21 & 0x7F), char(v >> 14 & 0x7F), char(v >> 7 & 0x7F), char(v & 0x7F)};
}

std::string removeUnsync(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (static_cast<unsigned char>(s[i]) == 0xFF && i + 1 < s.size() && s[i + 1] == 0)
            ++i;
    }
    return out;
}

// Length of the terminator of an encoding and the position of the first terminator at or
// after `from` (aligned for UTF-16); npos when there is none.
size_t findTerminator(const std::string& s, size_t from, char encoding)
{
    if (encoding == 1 || encoding == 2) {
        for (size_t i = from; i + 1 < s.size(); i += 2) {
            if (s[i] == 0 && s[i + 1] == 0)
                return i;
        }
        return std::string::npos;
    }
    return s.find('\0', from);
}

size_t terminatorLength(char encoding)
{
    return encoding == 1 || encoding == 2 ? 2 : 1;
}

std::string decode(const std::string& s, size_t from, size_t to, char encoding)
{
    if (to > s.size())
        to = s.size();
    if (from >= to)
        return {};
    const char* p = s.data() + from;
    const size_t n = to - from;
    switch (encoding) {
        case 0:
            return latin1ToUtf8(p, n);
        case 1:
            return utf16BytesToUtf8(p, n, false);
        case 2:
            return utf16BytesToUtf8(p, n, true);
        default:
            // UTF-8 as stored may be malformed; what we hand out never is.
            return validUtf8(std::string(p, n));
    }
}

// All values of a text frame (NUL-separated in 2.4).
std::vector<std::string> textValues(const std::string& data)
{
    std::vector<std::string> values;
    if (data.empty())
        return values;
    const char enc = data[0];
    size_t pos = 1;
    while (pos < data.size()) {
        size_t end = findTerminator(data, pos, enc);
        if (end == std::string::npos)
            end = data.size();
        values.push_back(decode(data, pos, end, enc));
        pos = end + terminatorLength(enc);
    }
    while (!values.empty() && values.back().empty())
        values.pop_back();
    return values;
}

struct V22Map {
    const char* from;
    const char* to;
};
const V22Map kV22[] = {
    {"TT2", "TIT2"}, {"TP1", "TPE1"}, {"TP2", "TPE2"}, {"TAL", "TALB"}, {"TCO", "TCON"},
    {"TYE", "TYER"}, {"TRK", "TRCK"}, {"TPA", "TPOS"}, {"TCR", "TCOP"}, {"TCM", "TCOM"},
    {"COM", "COMM"}, {"ULT", "USLT"}, {"PIC", "APIC"}, {"TT1", "TIT1"},
};

}  // namespace

Id3v2Tag::Id3v2Tag(int majorVersion) : m_version(majorVersion == 3 ? 3 : 4) {}

std::string Id3v2Tag::kind() const
{
    return "ID3v2." + std::to_string(m_version);
}

int64_t Id3v2Tag::sizeFromHeader(const std::string& h)
{
    if (h.size() < 10 || h.compare(0, 3, "ID3") != 0)
        return -1;
    const auto major = static_cast<unsigned char>(h[3]);
    if (major < 2 || major > 4 || static_cast<unsigned char>(h[4]) == 0xFF)
        return -1;
    for (int i = 6; i < 10; ++i) {
        if (static_cast<unsigned char>(h[size_t(i)]) & 0x80)
            return -1;
    }
    const bool footer = major == 4 && (h[5] & 0x10);
    return 10 + int64_t(syncsafe(h.data() + 6)) + (footer ? 10 : 0);
}

bool Id3v2Tag::parse(const std::string& bytes)
{
    const int64_t total = sizeFromHeader(bytes);
    if (total < 0 || int64_t(bytes.size()) < total)
        return false;
    const int version = bytes[3];
    const char flags = bytes[5];
    std::string_view body(bytes.data() + 10, size_t(syncsafe(bytes.data() + 6)));
    std::string unsynced;
    if (version < 4 && (flags & 0x80)) {
        unsynced = removeUnsync(std::string(body));
        body = unsynced;
    }
    if (version == 2 && (flags & 0x40))
        return false;  // 2.2 compression was never defined
    if (version >= 3 && (flags & 0x40)) {
        if (body.size() < 4)
            return false;
        const size_t ext = version == 3 ? be32(body.data()) + 4 : syncsafe(body.data());
        if (ext > body.size())
            return false;
        body.remove_prefix(ext);
    }
    m_frames.clear();
    m_version = version == 3 ? 3 : 4;
    return parseFrames(body, version);
}

bool Id3v2Tag::parseFrames(std::string_view body, int version)
{
    const size_t headerSize = version == 2 ? 6 : 10;
    size_t pos = 0;
    while (pos + headerSize <= body.size()) {
        const char* h = body.data() + pos;
        const size_t idLen = version == 2 ? 3 : 4;
        std::string id(h, idLen);
        bool valid = true;
        for (char c : id)
            valid = valid && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        if (!valid)
            break;  // padding or garbage ends the frame list
        size_t size = version == 2 ? be24(h + 3) : version == 3 ? be32(h + 4) : syncsafe(h + 4);
        // Some writers put plain sizes into 2.4 tags; accept them when the syncsafe reading
        // would overrun and the plain one fits.
        if (version == 4 && pos + headerSize + size > body.size() &&
            pos + headerSize + be32(h + 4) <= body.size())
            size = be32(h + 4);
        if (pos + headerSize + size > body.size())
            break;
        Frame f;
        f.data.assign(body.data() + pos + headerSize, size);
        pos += headerSize + size;
        if (version == 2) {
            bool mapped = false;
            for (const V22Map& m : kV22) {
                if (id == m.from) {
                    id = m.to;
                    mapped = true;
                }
            }
            if (!mapped)
                continue;
            if (id == "APIC" && f.data.size() >= 5) {
                // PIC carries a three-letter image format instead of a MIME type.
                std::string fmt = upper(f.data.substr(1, 3));
                const std::string mime = fmt == "PNG"   ? "image/png"
                                         : fmt == "GIF" ? "image/gif"
                                         : fmt == "BMP" ? "image/bmp"
                                                        : "image/jpeg";
                f.data = f.data.substr(0, 1) + mime + std::string(1, '\0') + f.data.substr(4);
            }
        } else {
            f.flags = uint16_t(be16(h + 8));
        }
        f.id = id;
        if (version != 2 && !unwrapFrame(f, version))
            continue;
        m_frames.push_back(std::move(f));
    }
    return true;
}

bool Id3v2Tag::unwrapFrame(Frame& f, int version)
{
    if (version == 3) {
        // Format flags: 0x80 compression, 0x40 encryption, 0x20 grouping.
        if (f.flags & 0x00C0) {
            f.opaque = true;
        } else if (f.flags & 0x0020) {
            if (f.data.empty())
                return false;
            f.group = f.data.substr(0, 1);
            f.data.erase(0, 1);
        }
        return true;
    }
    // 2.4: 0x40 grouping, 0x08 compression, 0x04 encryption, 0x02 unsynchronisation, 0x01
    // data length indicator; the extra bytes come in that order.
    if (f.flags & 0x000C) {
        f.opaque = true;
        return true;
    }
    const size_t group = (f.flags & 0x0040) ? 1 : 0;
    const size_t skip = group + ((f.flags & 0x0001) ? 4 : 0);
    if (skip > f.data.size())
        return false;
    f.group = f.data.substr(0, group);
    f.data.erase(0, skip);
    if (f.flags & 0x0002)
        f.data = removeUnsync(f.data);
    // Both are undone here and not written back.
    f.flags &= uint16_t(~0x0003);
    return true;
}

const char* Id3v2Tag::frameId(Field field, int version)
{
    switch (field) {
        case Field::Title:
            return "TIT2";
        case Field::Artist:
            return "TPE1";
        case Field::Album:
            return "TALB";
        case Field::Genre:
            return "TCON";
        case Field::Year:
        case Field::Date:
            return version == 3 ? "TYER" : "TDRC";
        case Field::Track:
            return "TRCK";
        case Field::Comment:
            return "COMM";
        case Field::Copyright:
            return "TCOP";
        case Field::Lyrics:
            return "USLT";
        case Field::AlbumArtist:
            return "TPE2";
        case Field::Composer:
            return "TCOM";
        case Field::Disc:
            return "TPOS";
        case Field::Cover:
            return "APIC";
        case Field::Grouping:
            return nullptr;
    }
    return nullptr;
}

bool Id3v2Tag::supports(Field field) const
{
    return frameId(field, m_version) != nullptr;
}

const Id3v2Tag::Frame* Id3v2Tag::findFrame(const std::string& id) const
{
    for (const Frame& f : m_frames) {
        if (!f.opaque && f.id == id)
            return &f;
    }
    return nullptr;
}

// COMM and USLT: enc, language, description, text. The description is empty also when a
// UTF-16 one holds nothing but its byte-order mark, as many taggers write it.
bool Id3v2Tag::hasEmptyDescription(const Frame& f)
{
    if (f.opaque || f.data.size() < 4)
        return false;
    const char enc = f.data[0];
    const size_t end = findTerminator(f.data, 4, enc);
    return end != std::string::npos && decode(f.data, 4, end, enc).empty();
}

// Prefers the frame without description (the plain comment) over named ones such as iTunes'
// "iTunNORM".
const Id3v2Tag::Frame* Id3v2Tag::findCommentLike(const std::string& id) const
{
    const Frame* fallback = nullptr;
    for (const Frame& f : m_frames) {
        if (f.opaque || f.id != id || f.data.size() < 4)
            continue;
        if (hasEmptyDescription(f))
            return &f;
        const char enc = f.data[0];
        const std::string desc = decode(f.data, 4, findTerminator(f.data, 4, enc), enc);
        if (!fallback && desc.compare(0, 4, "iTun") != 0)
            fallback = &f;
    }
    return fallback;
}

std::string Id3v2Tag::text(Field field) const
{
    const char* id = frameId(field, m_version);
    if (!id || field == Field::Cover)
        return {};
    if (field == Field::Comment || field == Field::Lyrics) {
        const Frame* f = findCommentLike(id);
        if (!f)
            return {};
        const char enc = f->data[0];
        size_t end = findTerminator(f->data, 4, enc);
        if (end == std::string::npos)
            return {};
        return trimmed(decode(f->data, end + terminatorLength(enc), f->data.size(), enc));
    }
    const Frame* f = findFrame(id);
    if (!f && (field == Field::Year || field == Field::Date))
        f = findFrame(m_version == 3 ? "TDRC" : "TYER");
    if (!f)
        return {};
    std::vector<std::string> values = textValues(f->data);
    std::string joined;
    for (std::string& v : values) {
        if (field == Field::Genre)
            v = resolveGenre(v);
        if (!joined.empty())
            joined += "; ";
        joined += v;
    }
    return joined;
}

std::string Id3v2Tag::encodeText(const std::string& utf8, char& encoding) const
{
    if (m_version == 4) {
        encoding = 3;
        return utf8;
    }
    std::string latin;
    if (utf8ToLatin1(utf8, latin)) {
        encoding = 0;
        return latin;
    }
    encoding = 1;
    return "\xFF\xFE" + utf8ToUtf16Le(utf8);
}

void Id3v2Tag::removeFrames(const std::string& id, bool onlyEmptyDescription)
{
    std::vector<Frame> kept;
    for (Frame& f : m_frames) {
        const bool drop = f.id == id && (!onlyEmptyDescription || hasEmptyDescription(f));
        if (!drop)
            kept.push_back(std::move(f));
    }
    m_frames = std::move(kept);
}

void Id3v2Tag::setText(Field field, const std::string& utf8)
{
    const char* id = frameId(field, m_version);
    if (!id || field == Field::Cover)
        return;
    m_dirty = true;
    const bool commentLike = field == Field::Comment || field == Field::Lyrics;
    removeFrames(id, commentLike);
    if (field == Field::Year || field == Field::Date)
        removeFrames(m_version == 3 ? "TDRC" : "TYER");
    if (utf8.empty())
        return;
    char enc = 0;
    const std::string body = encodeText(utf8, enc);
    Frame f;
    f.id = id;
    if (commentLike) {
        const std::string term(terminatorLength(enc), '\0');
        const std::string bom = enc == 1 ? std::string("\xFF\xFE") : std::string();
        f.data = std::string(1, enc) + "eng" + bom + term + body;
    } else {
        f.data = std::string(1, enc) + body;
    }
    m_frames.push_back(std::move(f));
}

Picture Id3v2Tag::picture() const
{
    Picture first;
    for (const Frame& f : m_frames) {
        if (f.opaque || f.id != "APIC" || f.data.size() < 4)
            continue;
        const char enc = f.data[0];
        const size_t mimeEnd = f.data.find('\0', 1);
        if (mimeEnd == std::string::npos || mimeEnd + 2 > f.data.size())
            continue;
        Picture p;
        p.mime = f.data.substr(1, mimeEnd - 1);
        p.type = static_cast<unsigned char>(f.data[mimeEnd + 1]);
        const size_t descEnd = findTerminator(f.data, mimeEnd + 2, enc);
        if (descEnd == std::string::npos)
            continue;
        p.description = decode(f.data, mimeEnd + 2, descEnd, enc);
        p.data = f.data.substr(descEnd + terminatorLength(enc));
        if (p.mime.compare(0, 6, "image/") != 0)
            p.mime = sniffImageMime(p.data);
        if (p.type == 3)
            return p;
        if (first.empty())
            first = std::move(p);
    }
    return first;
}

void Id3v2Tag::setPicture(const Picture& picture)
{
    m_dirty = true;
    removeFrames("APIC");
    if (picture.empty())
        return;
    char enc = 0;
    const std::string desc = encodeText(picture.description, enc);
    Frame f;
    f.id = "APIC";
    const std::string mime = picture.mime.empty() ? sniffImageMime(picture.data) : picture.mime;
    f.data = std::string(1, enc) + mime + std::string(1, '\0') + char(picture.type) + desc +
             std::string(terminatorLength(enc), '\0') + picture.data;
    m_frames.push_back(std::move(f));
}

int64_t Id3v2Tag::renderedSize() const
{
    uint64_t total = 0;
    for (const Frame& f : m_frames) {
        const uint64_t size = f.group.size() + f.data.size();
        if (m_version == 4 && size > kMaxSize)
            return -1;
        total += 10 + size;
    }
    return total > kMaxSize ? -1 : int64_t(10 + total);
}

std::string Id3v2Tag::render(size_t padding) const
{
    const int64_t bare = renderedSize();
    if (bare < 0 || uint64_t(bare - 10) + padding > kMaxSize)
        return {};
    const uint64_t total = uint64_t(bare - 10) + padding;
    std::string out;
    out.reserve(size_t(10 + total));
    out += "ID3";
    out += char(m_version);
    out += '\0';
    out += '\0';
    out += putSyncsafe(uint32_t(total));
    for (const Frame& f : m_frames) {
        const uint32_t size = uint32_t(f.group.size() + f.data.size());
        out += f.id;
        out += m_version == 4 ? putSyncsafe(size) : putBe32(size);
        out += putBe16(f.flags);
        out += f.group;
        out += f.data;
    }
    out.append(padding, '\0');
    return out;
}

}  // namespace tags
