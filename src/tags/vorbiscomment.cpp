#include "vorbiscomment.h"

#include "bytes.h"
#include "flacpicture.h"
#include "genres.h"

namespace tags {

namespace {

const char kPictureKey[] = "METADATA_BLOCK_PICTURE";

// Written key of each field; nullptr where Vorbis comments carry none.
const char* keyOf(Field f)
{
    switch (f) {
        case Field::Title:
            return "TITLE";
        case Field::Artist:
            return "ARTIST";
        case Field::Album:
            return "ALBUM";
        case Field::Genre:
            return "GENRE";
        case Field::Year:
        case Field::Date:
            return "DATE";
        case Field::Track:
            return "TRACKNUMBER";
        case Field::Comment:
            return "COMMENT";
        case Field::Copyright:
            return "COPYRIGHT";
        case Field::Lyrics:
            return "LYRICS";
        case Field::AlbumArtist:
            return "ALBUMARTIST";
        case Field::Composer:
            return "COMPOSER";
        case Field::Grouping:
            return "GROUPING";
        case Field::Disc:
            return "DISCNUMBER";
        case Field::Cover:
            return kPictureKey;
    }
    return nullptr;
}

// Keys read when the written one is absent, in order of preference. They are fields of
// their own to other programs (a performer is not the artist, a description not the
// comment), so setting a value leaves them alone; clearing a field removes them too, so that
// the field reads empty afterwards.
std::vector<const char*> fallbackKeys(Field f)
{
    switch (f) {
        case Field::Artist:
            return {"AUTHOR", "PERFORMER"};
        case Field::Year:
        case Field::Date:
            return {"YEAR"};
        case Field::Comment:
            return {"DESCRIPTION"};
        case Field::Composer:
            return {"LYRICIST"};
        case Field::AlbumArtist:
            return {"ALBUM ARTIST"};
        case Field::Lyrics:
            return {"UNSYNCEDLYRICS"};
        default:
            return {};
    }
}

}  // namespace

VorbisComment::VorbisComment(std::string defaultVendor, bool picturesAsBlocks)
    : m_vendor(std::move(defaultVendor)), m_picturesAsBlocks(picturesAsBlocks)
{
}

bool VorbisComment::parse(const std::string& b)
{
    size_t pos = 0;
    auto take = [&](std::string& s) {
        if (pos + 4 > b.size())
            return false;
        const uint32_t n = le32(b.data() + pos);
        pos += 4;
        if (n > b.size() - pos)
            return false;
        s = b.substr(pos, n);
        pos += n;
        return true;
    };
    std::string vendor;
    if (!take(vendor) || pos + 4 > b.size())
        return false;
    const uint32_t count = le32(b.data() + pos);
    pos += 4;
    if (count > (b.size() - pos) / 4)
        return false;
    std::vector<std::pair<std::string, std::string>> comments;
    for (uint32_t i = 0; i < count; ++i) {
        std::string c;
        if (!take(c))
            return false;
        const size_t eq = c.find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        comments.emplace_back(upper(c.substr(0, eq)), c.substr(eq + 1));
    }
    // The vendor read is not kept: a block we write always names our fixed vendor string.
    m_comments = std::move(comments);
    return true;
}

std::string VorbisComment::render() const
{
    std::string b = putLe32(uint32_t(m_vendor.size())) + m_vendor;
    b += putLe32(uint32_t(m_comments.size()));
    for (const auto& kv : m_comments) {
        const std::string c = kv.first + "=" + kv.second;
        b += putLe32(uint32_t(c.size())) + c;
    }
    return b;
}

bool VorbisComment::supports(Field f) const
{
    return keyOf(f) != nullptr;
}

std::string VorbisComment::value(const std::string& key) const
{
    for (const auto& kv : m_comments) {
        if (kv.first == key)
            return kv.second;
    }
    return {};
}

void VorbisComment::remove(const std::string& key)
{
    std::vector<std::pair<std::string, std::string>> kept;
    for (auto& kv : m_comments) {
        if (kv.first != key)
            kept.push_back(std::move(kv));
    }
    m_comments = std::move(kept);
}

std::string VorbisComment::text(Field f) const
{
    if (f == Field::Cover)
        return {};
    std::string v = value(keyOf(f));
    for (const char* k : fallbackKeys(f)) {
        if (!v.empty())
            break;
        v = value(k);
    }
    if (f == Field::Track || f == Field::Disc) {
        const std::string total = value(f == Field::Track ? "TRACKTOTAL" : "DISCTOTAL");
        const std::string alt = value(f == Field::Track ? "TOTALTRACKS" : "TOTALDISCS");
        const std::string t = total.empty() ? alt : total;
        if (!v.empty() && !t.empty() && v.find('/') == std::string::npos)
            v += "/" + t;
    }
    if (f == Field::Genre)
        v = resolveGenre(v);
    return v;
}

void VorbisComment::setText(Field f, const std::string& utf8)
{
    if (f == Field::Cover || !keyOf(f))
        return;
    m_dirty = true;
    remove(keyOf(f));
    if (utf8.empty()) {
        for (const char* k : fallbackKeys(f))
            remove(k);
    }
    // The totals belong to the number: "3/12" and "3" both replace them.
    if (f == Field::Track) {
        remove("TRACKTOTAL");
        remove("TOTALTRACKS");
    } else if (f == Field::Disc) {
        remove("DISCTOTAL");
        remove("TOTALDISCS");
    }
    if (!utf8.empty())
        m_comments.emplace_back(keyOf(f), utf8);
}

Picture VorbisComment::picture() const
{
    Picture first;
    auto consider = [&](Picture&& p) {
        if (first.empty() || (p.type == 3 && first.type != 3))
            first = std::move(p);
    };
    for (const Picture& p : m_blockPictures)
        consider(Picture(p));
    for (const auto& kv : m_comments) {
        Picture p;
        std::string raw;
        if (kv.first == kPictureKey && base64Decode(kv.second, raw) &&
            parseFlacPicture(std::move(raw), p))
            consider(std::move(p));
        else if (kv.first == "COVERART" && base64Decode(kv.second, raw) && !raw.empty())
            consider(Picture{raw, sniffImageMime(raw), 3, {}});
    }
    return first;
}

void VorbisComment::setPicture(const Picture& picture)
{
    m_dirty = true;
    remove(kPictureKey);
    remove("COVERART");
    remove("COVERARTMIME");
    m_blockPictures.clear();
    if (picture.empty())
        return;
    if (m_picturesAsBlocks)
        m_blockPictures.push_back(picture);
    else
        m_comments.emplace_back(kPictureKey, base64Encode(renderFlacPicture(picture)));
}

}  // namespace tags
