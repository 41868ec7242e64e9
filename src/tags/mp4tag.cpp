#include "mp4tag.h"

#include "bytes.h"
#include "genres.h"

#include <cstdlib>

namespace tags {

namespace {

const char* keyOf(Field f)
{
    switch (f) {
        case Field::Title:
            return "\xA9nam";
        case Field::Artist:
            return "\xA9"
                   "ART";
        case Field::Album:
            return "\xA9"
                   "alb";
        case Field::Genre:
            return "\xA9gen";
        case Field::Year:
        case Field::Date:
            return "\xA9"
                   "day";
        case Field::Track:
            return "trkn";
        case Field::Comment:
            return "\xA9"
                   "cmt";
        case Field::Copyright:
            return "\xA9"
                   "cpy";
        case Field::Lyrics:
            return "\xA9lyr";
        case Field::AlbumArtist:
            return "aART";
        case Field::Composer:
            return "\xA9wrt";
        case Field::Grouping:
            return "\xA9grp";
        case Field::Disc:
            return "disk";
        case Field::Cover:
            return "covr";
    }
    return nullptr;
}

constexpr uint32_t kTypeUtf8 = 1;
constexpr uint32_t kTypeGif = 12;
constexpr uint32_t kTypeJpeg = 13;
constexpr uint32_t kTypePng = 14;
constexpr uint32_t kTypeBmp = 27;

std::string atom(const std::string& type, const std::string& body)
{
    return putBe32(uint32_t(body.size() + 8)) + type + body;
}

// "n/total" -> the 8 (trkn) or 6 (disk) byte pair form.
std::string packPair(const std::string& text, bool track)
{
    const int n = std::atoi(text.c_str());
    const size_t slash = text.find('/');
    const int total = slash == std::string::npos ? 0 : std::atoi(text.c_str() + slash + 1);
    std::string b = putBe16(0) + putBe16(uint32_t(n)) + putBe16(uint32_t(total));
    if (track)
        b += putBe16(0);
    return b;
}

}  // namespace

bool Mp4Tag::parse(const std::string& b)
{
    std::vector<Item> items;
    size_t pos = 0;
    while (pos + 8 <= b.size()) {
        uint64_t size = be32(b.data() + pos);
        if (size == 1 && pos + 16 <= b.size())
            size = be64(b.data() + pos + 8);
        if (size < 8 || size > b.size() - pos)
            return false;
        items.push_back({b.substr(pos + 4, 4), b.substr(pos, size_t(size))});
        pos += size_t(size);
    }
    m_items = std::move(items);
    return true;
}

std::string Mp4Tag::render() const
{
    std::string body;
    for (const Item& it : m_items)
        body += it.atom;
    return atom("ilst", body);
}

bool Mp4Tag::dataOf(const std::string& key,
                    std::vector<std::pair<uint32_t, std::string>>& out) const
{
    out.clear();
    for (const Item& it : m_items) {
        if (it.key != key)
            continue;
        const std::string& a = it.atom;
        size_t pos = 8;
        while (pos + 16 <= a.size()) {
            const uint32_t size = be32(a.data() + pos);
            if (size < 16 || size > a.size() - pos)
                break;
            if (a.compare(pos + 4, 4, "data") == 0)
                out.emplace_back(be32(a.data() + pos + 8) & 0xFFFFFF,
                                 a.substr(pos + 16, size - 16));
            pos += size;
        }
        return !out.empty();
    }
    return false;
}

void Mp4Tag::replace(const std::string& key,
                     const std::vector<std::pair<uint32_t, std::string>>& data)
{
    m_dirty = true;
    std::string body;
    for (const auto& d : data)
        body += atom("data", putBe32(d.first) + putBe32(0) + d.second);
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (it->key == key)
            it = m_items.erase(it);
        else
            ++it;
    }
    if (!data.empty())
        m_items.push_back({key, atom(key, body)});
}

bool Mp4Tag::supports(Field f) const
{
    return keyOf(f) != nullptr;
}

std::string Mp4Tag::text(Field f) const
{
    if (f == Field::Cover)
        return {};
    std::vector<std::pair<uint32_t, std::string>> data;
    if (f == Field::Track || f == Field::Disc) {
        if (!dataOf(keyOf(f), data) || data[0].second.size() < 6)
            return {};
        const std::string& v = data[0].second;
        const uint32_t n = be16(v.data() + 2), total = be16(v.data() + 4);
        if (n == 0)
            return {};
        return total ? std::to_string(n) + "/" + std::to_string(total) : std::to_string(n);
    }
    if (dataOf(keyOf(f), data)) {
        std::string joined;
        for (const auto& d : data) {
            if (!joined.empty())
                joined += "; ";
            joined += d.second;
        }
        return joined;
    }
    // Numeric genre: the ID3v1 number plus one.
    if (f == Field::Genre && dataOf("gnre", data) && data[0].second.size() >= 2)
        return genreName(int(be16(data[0].second.data())) - 1);
    return {};
}

void Mp4Tag::setText(Field f, const std::string& utf8)
{
    if (f == Field::Cover || !keyOf(f))
        return;
    if (f == Field::Genre)
        replace("gnre", {});
    if (utf8.empty()) {
        replace(keyOf(f), {});
        return;
    }
    if (f == Field::Track || f == Field::Disc)
        replace(keyOf(f), {{0, packPair(utf8, f == Field::Track)}});
    else
        replace(keyOf(f), {{kTypeUtf8, utf8}});
}

Picture Mp4Tag::picture() const
{
    std::vector<std::pair<uint32_t, std::string>> data;
    if (!dataOf("covr", data))
        return {};
    Picture p;
    p.data = data[0].second;
    switch (data[0].first) {
        case kTypePng:
            p.mime = "image/png";
            break;
        case kTypeBmp:
            p.mime = "image/bmp";
            break;
        case kTypeGif:
            p.mime = "image/gif";
            break;
        case kTypeJpeg:
            p.mime = "image/jpeg";
            break;
        default:
            p.mime = sniffImageMime(p.data);
    }
    return p;
}

void Mp4Tag::setPicture(const Picture& picture)
{
    if (picture.empty()) {
        replace("covr", {});
        return;
    }
    const std::string mime = picture.mime.empty() ? sniffImageMime(picture.data) : picture.mime;
    const uint32_t type = mime == "image/png"   ? kTypePng
                          : mime == "image/bmp" ? kTypeBmp
                          : mime == "image/gif" ? kTypeGif
                                                : kTypeJpeg;
    replace("covr", {{type, picture.data}});
}

}  // namespace tags
