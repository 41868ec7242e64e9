#include "id3v1tag.h"

#include "bytes.h"
#include "genres.h"

#include <cstdlib>

namespace tags {

static std::string field(const std::string& b, size_t at, size_t n)
{
    const std::string raw = b.substr(at, n);
    const size_t nul = raw.find('\0');
    const std::string cut = raw.substr(0, nul);
    return trimmed(latin1ToUtf8(cut.data(), cut.size()));
}

static std::string fixed(const std::string& utf8, size_t n)
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

bool Id3v1Tag::parse(const std::string& b)
{
    if (b.size() != size_t(kSize) || b.compare(0, 3, "TAG") != 0)
        return false;
    m_title = field(b, 3, 30);
    m_artist = field(b, 33, 30);
    m_album = field(b, 63, 30);
    m_year = field(b, 93, 4);
    if (b[125] == 0 && b[126] != 0) {
        m_comment = field(b, 97, 28);
        m_track = static_cast<unsigned char>(b[126]);
    } else {
        m_comment = field(b, 97, 30);
        m_track = 0;
    }
    m_genre = static_cast<unsigned char>(b[127]);
    return true;
}

std::string Id3v1Tag::render() const
{
    std::string b = "TAG" + fixed(m_title, 30) + fixed(m_artist, 30) + fixed(m_album, 30) +
                    fixed(m_year, 4) + fixed(m_comment, 28);
    b += '\0';
    b += char(m_track);
    b += char(m_genre);
    return b;
}

bool Id3v1Tag::supports(Field f) const
{
    return f == Field::Title || f == Field::Artist || f == Field::Album || f == Field::Year ||
           f == Field::Comment || f == Field::Track || f == Field::Genre;
}

std::string Id3v1Tag::text(Field f) const
{
    switch (f) {
        case Field::Title:
            return m_title;
        case Field::Artist:
            return m_artist;
        case Field::Album:
            return m_album;
        case Field::Year:
            return m_year;
        case Field::Comment:
            return m_comment;
        case Field::Track:
            return m_track ? std::to_string(m_track) : std::string();
        case Field::Genre:
            return genreName(m_genre);
        default:
            return {};
    }
}

void Id3v1Tag::setText(Field f, const std::string& utf8)
{
    if (!supports(f))
        return;
    m_dirty = true;
    switch (f) {
        case Field::Title:
            m_title = utf8;
            break;
        case Field::Artist:
            m_artist = utf8;
            break;
        case Field::Album:
            m_album = utf8;
            break;
        case Field::Year:
            m_year = utf8;
            break;
        case Field::Comment:
            m_comment = utf8;
            break;
        case Field::Track: {
            const int n = std::atoi(utf8.c_str());
            m_track = n > 0 && n < 256 ? n : 0;
            break;
        }
        case Field::Genre: {
            const int n = genreNumber(utf8);
            m_genre = n >= 0 ? n : 255;
            break;
        }
        default:
            break;
    }
}

bool Id3v1Tag::isEmpty() const
{
    return m_title.empty() && m_artist.empty() && m_album.empty() && m_year.empty() &&
           m_comment.empty() && m_track == 0 && m_genre == 255;
}

}  // namespace tags
