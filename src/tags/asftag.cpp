#include "asftag.h"

#include "asfguids.h"
#include "bytes.h"
#include "genres.h"

#include <cstdlib>

namespace tags {

namespace {

enum Cdo { kTitle, kAuthor, kCopyright, kDescription, kRating };

// The attribute names of the Content Description texts, used when a text is too long for it.
const char* const kCdoNames[] = {"Title", "Author", "Copyright", "Description", "Rating"};

const char* attributeOf(Field f)
{
    switch (f) {
        case Field::Album:
            return "WM/AlbumTitle";
        case Field::Genre:
            return "WM/Genre";
        case Field::Year:
        case Field::Date:
            return "WM/Year";
        case Field::Track:
            return "WM/TrackNumber";
        case Field::Copyright:
            return "WM/ProviderCopyright";
        case Field::Lyrics:
            return "WM/Lyrics";
        case Field::AlbumArtist:
            return "WM/AlbumArtist";
        case Field::Composer:
            return "WM/Composer";
        case Field::Grouping:
            return "WM/ContentGroupDescription";
        case Field::Disc:
            return "WM/PartOfSet";
        case Field::Cover:
            return "WM/Picture";
        default:
            return nullptr;
    }
}

std::string utf16z(const std::string& utf8)
{
    return utf8ToUtf16Le(utf8) + std::string(2, '\0');
}

std::string fromUtf16(const std::string& raw)
{
    std::string s = utf16BytesToUtf8(raw.data(), raw.size(), false);
    while (!s.empty() && s.back() == '\0')
        s.pop_back();
    return s;
}

std::string object(const std::string& guid, const std::string& body)
{
    return guid + putLe64(uint64_t(body.size() + 24)) + body;
}

constexpr size_t kMaxExtendedValue = 0xFFFF;

}  // namespace

bool AsfTag::parseContentDescription(const std::string& b)
{
    if (b.size() < 10)
        return false;
    size_t pos = 10;
    for (int i = 0; i < 5; ++i) {
        const size_t n = le16(b.data() + 2 * i);
        if (n > b.size() - pos)
            return false;
        m_cdo[i] = fromUtf16(b.substr(pos, n));
        pos += n;
    }
    return true;
}

bool AsfTag::parseExtended(const std::string& b)
{
    if (b.size() < 2)
        return false;
    const uint32_t count = le16(b.data());
    size_t pos = 2;
    for (uint32_t i = 0; i < count; ++i) {
        if (pos + 2 > b.size())
            return false;
        const size_t nameLen = le16(b.data() + pos);
        // Name, then type and value length (two bytes each); the value may be empty.
        if (nameLen + 4 > b.size() - pos - 2)
            return false;
        Attribute a;
        a.name = fromUtf16(b.substr(pos + 2, nameLen));
        pos += 2 + nameLen;
        a.type = uint16_t(le16(b.data() + pos));
        const size_t valueLen = le16(b.data() + pos + 2);
        pos += 4;
        if (valueLen > b.size() - pos)
            return false;
        a.value = b.substr(pos, valueLen);
        pos += valueLen;
        a.home = Home::Extended;
        m_attributes.push_back(std::move(a));
    }
    return true;
}

bool AsfTag::parseMetadata(const std::string& b, bool library)
{
    if (b.size() < 2)
        return false;
    const uint32_t count = le16(b.data());
    size_t pos = 2;
    for (uint32_t i = 0; i < count; ++i) {
        if (pos + 12 > b.size())
            return false;
        Attribute a;
        a.language = uint16_t(le16(b.data() + pos));
        a.stream = uint16_t(le16(b.data() + pos + 2));
        const size_t nameLen = le16(b.data() + pos + 4);
        a.type = uint16_t(le16(b.data() + pos + 6));
        const size_t valueLen = le32(b.data() + pos + 8);
        pos += 12;
        if (nameLen > b.size() - pos || valueLen > b.size() - pos - nameLen)
            return false;
        a.name = fromUtf16(b.substr(pos, nameLen));
        a.value = b.substr(pos + nameLen, valueLen);
        pos += nameLen + valueLen;
        a.home = library ? Home::Library : Home::Metadata;
        m_attributes.push_back(std::move(a));
    }
    return true;
}

std::string AsfTag::renderContentDescription() const
{
    bool any = false;
    for (const std::string& s : m_cdo)
        any = any || !s.empty();
    if (!any)
        return {};
    std::string lengths, texts;
    for (const std::string& s : m_cdo) {
        const std::string t = s.empty() ? std::string() : utf16z(s);
        lengths += putLe16(uint32_t(t.size()));
        texts += t;
    }
    return object(asf::kContentDescription, lengths + texts);
}

std::string AsfTag::renderExtended() const
{
    std::string body;
    uint32_t count = 0;
    for (const Attribute& a : m_attributes) {
        if (a.home != Home::Extended)
            continue;
        const std::string name = utf16z(a.name);
        body += putLe16(uint32_t(name.size())) + name + putLe16(a.type) +
                putLe16(uint32_t(a.value.size())) + a.value;
        ++count;
    }
    if (count == 0)
        return {};
    return object(asf::kExtendedContentDescription, putLe16(count) + body);
}

std::string AsfTag::renderMetadata(bool library) const
{
    const Home home = library ? Home::Library : Home::Metadata;
    std::string body;
    uint32_t count = 0;
    for (const Attribute& a : m_attributes) {
        if (a.home != home)
            continue;
        const std::string name = utf16z(a.name);
        body += putLe16(a.language) + putLe16(a.stream) + putLe16(uint32_t(name.size())) +
                putLe16(a.type) + putLe32(uint32_t(a.value.size())) + name + a.value;
        ++count;
    }
    if (count == 0)
        return {};
    return object(library ? asf::kMetadataLibrary : asf::kMetadata, putLe16(count) + body);
}

bool AsfTag::needsLibrary() const
{
    for (const Attribute& a : m_attributes) {
        if (a.home == Home::Library)
            return true;
    }
    return false;
}

bool AsfTag::isEmpty() const
{
    for (const std::string& s : m_cdo) {
        if (!s.empty())
            return false;
    }
    return m_attributes.empty();
}

const AsfTag::Attribute* AsfTag::find(const std::string& name) const
{
    for (const Attribute& a : m_attributes) {
        if (a.name == name && a.stream == 0)
            return &a;
    }
    return nullptr;
}

void AsfTag::remove(const std::string& name)
{
    std::vector<Attribute> kept;
    for (Attribute& a : m_attributes) {
        if (a.name != name || a.stream != 0)
            kept.push_back(std::move(a));
    }
    m_attributes = std::move(kept);
}

void AsfTag::add(const std::string& name, uint16_t type, const std::string& value)
{
    Attribute a;
    a.name = name;
    a.type = type;
    a.value = value;
    a.home = value.size() > kMaxExtendedValue ? Home::Library : Home::Extended;
    m_attributes.push_back(std::move(a));
}

bool AsfTag::supports(Field f) const
{
    return f == Field::Title || f == Field::Artist || f == Field::Comment ||
           attributeOf(f) != nullptr;
}

static std::string attributeText(const AsfTag::Attribute& a)
{
    switch (a.type) {
        case 0:
            return fromUtf16(a.value);
        case 2:
        case 3:
            return a.value.size() >= 4 ? std::to_string(le32(a.value.data())) : std::string();
        case 4:
            return a.value.size() >= 8 ? std::to_string(le64(a.value.data())) : std::string();
        case 5:
            return a.value.size() >= 2 ? std::to_string(le16(a.value.data())) : std::string();
        default:
            return {};
    }
}

// The Content Description's 16-bit lengths hold at most 65,535 bytes of UTF-16 (the NUL
// included); a longer title, author or description goes to the Metadata Library under the
// name the Windows Media format gives the field, where other readers find it too.
int AsfTag::cdoIndex(Field f)
{
    switch (f) {
        case Field::Title:
            return kTitle;
        case Field::Artist:
            return kAuthor;
        case Field::Comment:
            return kDescription;
        default:
            return -1;
    }
}

std::string AsfTag::text(Field f) const
{
    if (f == Field::Cover)
        return {};
    const int cdo = cdoIndex(f);
    if (cdo >= 0) {
        if (!m_cdo[cdo].empty())
            return m_cdo[cdo];
        const Attribute* a = find(kCdoNames[cdo]);
        return a ? attributeText(*a) : std::string();
    }
    const char* name = attributeOf(f);
    if (!name)
        return {};
    const Attribute* a = find(name);
    std::string v = a ? attributeText(*a) : std::string();
    if (v.empty() && f == Field::Copyright)
        v = m_cdo[kCopyright];
    if (v.empty() && f == Field::Genre) {
        if (const Attribute* id = find("WM/GenreID"))
            v = resolveGenre(attributeText(*id));
    }
    if (v.empty() && f == Field::Track) {
        // WM/Track counts from zero.
        if (const Attribute* t = find("WM/Track")) {
            const std::string zeroBased = attributeText(*t);
            if (!zeroBased.empty())
                v = std::to_string(std::strtoul(zeroBased.c_str(), nullptr, 10) + 1);
        }
    }
    return f == Field::Genre ? resolveGenre(v) : v;
}

void AsfTag::setText(Field f, const std::string& utf8)
{
    m_dirty = true;
    const int cdo = cdoIndex(f);
    if (cdo >= 0) {
        remove(kCdoNames[cdo]);
        const bool fits = utf16z(utf8).size() <= kMaxExtendedValue;
        m_cdo[cdo] = fits ? utf8 : std::string();
        if (!fits)
            add(kCdoNames[cdo], 0, utf16z(utf8));
        return;
    }
    const char* name = attributeOf(f);
    if (!name || f == Field::Cover)
        return;
    remove(name);
    if (f == Field::Genre)
        remove("WM/GenreID");
    if (f == Field::Track)
        remove("WM/Track");
    if (f == Field::Copyright)
        m_cdo[kCopyright].clear();
    if (!utf8.empty())
        add(name, 0, utf16z(utf8));
}

Picture AsfTag::picture() const
{
    for (const Attribute& a : m_attributes) {
        if (a.name != "WM/Picture" || a.type != 1 || a.value.size() < 5)
            continue;
        const std::string& v = a.value;
        Picture p;
        p.type = static_cast<unsigned char>(v[0]);
        const size_t size = le32(v.data() + 1);
        // MIME type and description: NUL-terminated UTF-16LE.
        size_t pos = 5;
        std::string parts[2];
        for (std::string& part : parts) {
            size_t end = pos;
            while (end + 1 < v.size() && (v[end] != 0 || v[end + 1] != 0))
                end += 2;
            if (end + 1 >= v.size())
                return {};
            part = fromUtf16(v.substr(pos, end - pos));
            pos = end + 2;
        }
        if (size > v.size() - pos)
            continue;
        p.mime = parts[0];
        p.description = parts[1];
        p.data = v.substr(pos, size);
        if (p.mime.compare(0, 6, "image/") != 0)
            p.mime = sniffImageMime(p.data);
        return p;
    }
    return {};
}

void AsfTag::setPicture(const Picture& picture)
{
    m_dirty = true;
    remove("WM/Picture");
    if (picture.empty())
        return;
    const std::string mime = picture.mime.empty() ? sniffImageMime(picture.data) : picture.mime;
    add("WM/Picture", 1,
        std::string(1, char(picture.type)) + putLe32(uint32_t(picture.data.size())) + utf16z(mime) +
            utf16z(picture.description) + picture.data);
}

}  // namespace tags
