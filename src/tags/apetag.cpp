#include "apetag.h"

#include "bytes.h"
#include "genres.h"

namespace tags {

namespace {

const char* keyOf(Field f)
{
    switch (f) {
        case Field::Title:
            return "Title";
        case Field::Artist:
            return "Artist";
        case Field::Album:
            return "Album";
        case Field::Genre:
            return "Genre";
        case Field::Year:
        case Field::Date:
            return "Year";
        case Field::Track:
            return "Track";
        case Field::Comment:
            return "Comment";
        case Field::Copyright:
            return "Copyright";
        case Field::Lyrics:
            return "Lyrics";
        case Field::Cover:
            return "Cover Art (Front)";
        default:
            return nullptr;
    }
}

constexpr uint32_t kHasHeader = 0x80000000u;
constexpr uint32_t kIsHeader = 0x20000000u;
constexpr uint32_t kBinary = 1u << 1;

}  // namespace

int64_t ApeTag::sizeFromFooter(const std::string& f)
{
    if (f.size() < size_t(kFooterSize) || f.compare(0, 8, "APETAGEX") != 0)
        return -1;
    const uint32_t size = le32(f.data() + 12);
    const uint32_t flags = le32(f.data() + 20);
    if (size < uint32_t(kFooterSize) || size > (1u << 30))
        return -1;
    return int64_t(size) + ((flags & kHasHeader) ? kFooterSize : 0);
}

bool ApeTag::parse(const std::string& b)
{
    if (b.size() < size_t(kFooterSize))
        return false;
    const std::string footer = b.substr(b.size() - kFooterSize);
    const int64_t total = sizeFromFooter(footer);
    if (total < 0 || total != int64_t(b.size()))
        return false;
    const uint32_t count = le32(footer.data() + 16);
    const bool header = le32(footer.data() + 20) & kHasHeader;
    size_t pos = header ? kFooterSize : 0;
    const size_t end = b.size() - kFooterSize;
    std::vector<Item> items;
    for (uint32_t i = 0; i < count && pos + 8 < end; ++i) {
        const uint32_t size = le32(b.data() + pos);
        Item item;
        item.flags = le32(b.data() + pos + 4);
        const size_t keyEnd = b.find('\0', pos + 8);
        if (keyEnd == std::string::npos || keyEnd >= end || size > end - keyEnd - 1)
            return false;
        item.key = b.substr(pos + 8, keyEnd - pos - 8);
        item.value = b.substr(keyEnd + 1, size);
        pos = keyEnd + 1 + size;
        items.push_back(std::move(item));
    }
    m_items = std::move(items);
    return true;
}

std::string ApeTag::headerOrFooter(bool header, uint32_t size) const
{
    std::string h = "APETAGEX" + putLe32(2000) + putLe32(size) + putLe32(uint32_t(m_items.size())) +
                    putLe32(kHasHeader | (header ? kIsHeader : 0));
    h.append(8, '\0');
    return h;
}

std::string ApeTag::render() const
{
    std::string items;
    for (const Item& it : m_items)
        items += putLe32(uint32_t(it.value.size())) + putLe32(it.flags) + it.key + '\0' + it.value;
    const uint32_t size = uint32_t(items.size()) + kFooterSize;
    return headerOrFooter(true, size) + items + headerOrFooter(false, size);
}

bool ApeTag::supports(Field f) const
{
    return keyOf(f) != nullptr;
}

const ApeTag::Item* ApeTag::find(const std::string& key) const
{
    const std::string k = upper(key);
    for (const Item& it : m_items) {
        if (upper(it.key) == k)
            return &it;
    }
    return nullptr;
}

void ApeTag::remove(const std::string& key)
{
    const std::string k = upper(key);
    std::vector<Item> kept;
    for (Item& it : m_items) {
        if (upper(it.key) != k)
            kept.push_back(std::move(it));
    }
    m_items = std::move(kept);
}

std::string ApeTag::text(Field f) const
{
    if (!keyOf(f) || f == Field::Cover)
        return {};
    const Item* it = find(keyOf(f));
    if (!it || (it->flags & 6) != 0)
        return {};
    std::string v = it->value;
    for (char& c : v) {
        if (c == '\0')  // APE separates list values with NUL
            c = ';';
    }
    return f == Field::Genre ? resolveGenre(v) : v;
}

void ApeTag::setText(Field f, const std::string& utf8)
{
    if (!keyOf(f) || f == Field::Cover)
        return;
    m_dirty = true;
    remove(keyOf(f));
    if (!utf8.empty())
        m_items.push_back({keyOf(f), 0, utf8});
}

Picture ApeTag::picture() const
{
    const Item* it = find("Cover Art (Front)");
    if (!it)
        it = find("Cover Art");
    if (!it)
        return {};
    Picture p;
    const size_t nul = it->value.find('\0');
    // The value is "file name NUL image"; some writers store the bare image.
    bool named = nul != std::string::npos && nul < 256;
    for (size_t i = 0; named && i < nul; ++i) {
        const auto c = static_cast<unsigned char>(it->value[i]);
        named = c >= 0x20 && c != 0xFF;
    }
    p.data = named ? it->value.substr(nul + 1) : it->value;
    p.mime = sniffImageMime(p.data);
    p.type = 3;
    return p;
}

void ApeTag::setPicture(const Picture& picture)
{
    m_dirty = true;
    remove("Cover Art (Front)");
    remove("Cover Art");
    if (picture.empty())
        return;
    const std::string mime = picture.mime.empty() ? sniffImageMime(picture.data) : picture.mime;
    m_items.push_back({"Cover Art (Front)", kBinary, pictureFileName(mime) + '\0' + picture.data});
}

}  // namespace tags
