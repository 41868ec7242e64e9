#include "id3v1tag.h"

#include "bytes.h"
#include "genres.h"

#include <cstdlib>

namespace tags {

namespace {

// A fixed-width field: up to the first NUL, without the trailing spaces writers pad with.
std::string fieldText(const std::string& b, size_t at, size_t n)
{
    std::string raw = b.substr(at, n);
    raw = raw.substr(0, raw.find('\0'));
    while (!raw.empty() && raw.back() == ' ')
        raw.pop_back();
    return latin1ToUtf8(raw.data(), raw.size());
}

// Latin-1 bytes of a text, NUL-padded or cut to n bytes.
std::string fixed(const std::string& utf8, size_t n)
{
    std::string latin;
    if (!utf8ToLatin1(utf8, latin)) {
        latin.clear();
        for (char c : utf8)  // keep the ASCII part of texts Latin-1 cannot hold
            latin += (static_cast<unsigned char>(c) < 0x80) ? c : '?';
    }
    latin.resize(n, '\0');
    return latin;
}

}  // namespace

bool Id3v1Tag::parse(const std::string& b)
{
    if (b.size() != size_t(kSize) || b.compare(0, 3, "TAG") != 0)
        return false;
    m_bytes = b;
    return true;
}

void Id3v1Tag::span(Field f, size_t& at, size_t& width) const
{
    at = 0;
    width = 0;
    switch (f) {
        case Field::Title:
            at = 3, width = 30;
            break;
        case Field::Artist:
            at = 33, width = 30;
            break;
        case Field::Album:
            at = 63, width = 30;
            break;
        case Field::Year:
            at = 93, width = 4;
            break;
        case Field::Comment:
            at = 97, width = hasTrack() ? 28 : 30;
            break;
        default:
            break;
    }
}

bool Id3v1Tag::supports(Field f) const
{
    return f == Field::Title || f == Field::Artist || f == Field::Album || f == Field::Year ||
           f == Field::Comment || f == Field::Track || f == Field::Genre;
}

std::string Id3v1Tag::text(Field f) const
{
    if (f == Field::Track)
        return hasTrack() ? std::to_string(static_cast<unsigned char>(m_bytes[126])) : "";
    if (f == Field::Genre)
        return genreName(static_cast<unsigned char>(m_bytes[127]));
    size_t at = 0, width = 0;
    span(f, at, width);
    return width ? fieldText(m_bytes, at, width) : std::string();
}

void Id3v1Tag::setText(Field f, const std::string& utf8)
{
    if (!supports(f))
        return;
    m_dirty = true;
    if (f == Field::Track) {
        const int n = std::atoi(utf8.c_str());
        if (n > 0 && n < 256) {
            m_bytes[125] = '\0';  // the comment's last two bytes give way to the number
            m_bytes[126] = char(n);
        } else if (hasTrack()) {
            m_bytes[126] = '\0';
        }
        return;
    }
    if (f == Field::Genre) {
        const int n = genreNumber(utf8);
        m_bytes[127] = char(n >= 0 ? n : 255);
        return;
    }
    size_t at = 0, width = 0;
    span(f, at, width);
    m_bytes.replace(at, width, fixed(utf8, width));
}

bool Id3v1Tag::isEmpty() const
{
    for (Field f : {Field::Title, Field::Artist, Field::Album, Field::Year, Field::Comment,
                    Field::Track, Field::Genre}) {
        if (!text(f).empty())
            return false;
    }
    return true;
}

}  // namespace tags
