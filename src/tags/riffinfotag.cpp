#include "riffinfotag.h"

#include "bytes.h"
#include "genres.h"

namespace tags {

namespace {

const char* idOf(Field f)
{
    switch (f) {
        case Field::Title:
            return "INAM";
        case Field::Artist:
            return "IART";
        case Field::Album:
            return "IPRD";
        case Field::Genre:
            return "IGNR";
        case Field::Year:
        case Field::Date:
            return "ICRD";
        case Field::Track:
            return "IPRT";
        case Field::Comment:
            return "ICMT";
        case Field::Copyright:
            return "ICOP";
        default:
            return nullptr;
    }
}

bool isValidUtf8(const std::string& s)
{
    return validUtf8(s) == s;
}

}  // namespace

bool RiffInfoTag::parse(const std::string& b)
{
    if (b.size() < 4 || b.compare(0, 4, "INFO") != 0)
        return false;
    std::vector<std::pair<std::string, std::string>> items;
    size_t pos = 4;
    while (pos + 8 <= b.size()) {
        const std::string id = b.substr(pos, 4);
        const uint32_t size = le32(b.data() + pos + 4);
        if (size > b.size() - pos - 8)
            break;
        std::string value = b.substr(pos + 8, size);
        while (!value.empty() && value.back() == '\0')
            value.pop_back();
        items.emplace_back(id, value);
        pos += 8 + size + (size & 1);
    }
    m_items = std::move(items);
    return true;
}

std::string RiffInfoTag::render() const
{
    std::string body = "INFO";
    for (const auto& it : m_items) {
        const std::string value = it.second + '\0';
        body += it.first + putLe32(uint32_t(value.size())) + value;
        if (value.size() & 1)
            body += '\0';
    }
    return "LIST" + putLe32(uint32_t(body.size())) + body;
}

bool RiffInfoTag::supports(Field f) const
{
    return idOf(f) != nullptr;
}

std::string RiffInfoTag::text(Field f) const
{
    const char* id = idOf(f);
    if (!id)
        return {};
    for (const auto& it : m_items) {
        if (it.first == id) {
            const std::string v = isValidUtf8(it.second)
                                      ? it.second
                                      : latin1ToUtf8(it.second.data(), it.second.size());
            return f == Field::Genre ? resolveGenre(v) : v;
        }
    }
    return {};
}

void RiffInfoTag::setText(Field f, const std::string& utf8)
{
    const char* id = idOf(f);
    if (!id)
        return;
    m_dirty = true;
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (it->first == id)
            it = m_items.erase(it);
        else
            ++it;
    }
    if (!utf8.empty())
        m_items.emplace_back(id, utf8);
}

}  // namespace tags
