#include "bytes.h"

namespace tags {

std::string putBe16(uint32_t v)
{
    return {char(v >> 8), char(v)};
}
std::string putBe24(uint32_t v)
{
    return {char(v >> 16), char(v >> 8), char(v)};
}
std::string putBe32(uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}
std::string putBe64(uint64_t v)
{
    return putBe32(uint32_t(v >> 32)) + putBe32(uint32_t(v));
}
std::string putLe16(uint32_t v)
{
    return {char(v), char(v >> 8)};
}
std::string putLe32(uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
std::string putLe64(uint64_t v)
{
    return putLe32(uint32_t(v)) + putLe32(uint32_t(v >> 32));
}

void setBe32(std::string& s, size_t at, uint32_t v)
{
    s.replace(at, 4, putBe32(v));
}
void setLe32(std::string& s, size_t at, uint32_t v)
{
    s.replace(at, 4, putLe32(v));
}
void setLe64(std::string& s, size_t at, uint64_t v)
{
    s.replace(at, 8, putLe64(v));
}

static void appendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | cp >> 18);
        out += char(0x80 | (cp >> 12 & 0x3F));
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at i (advancing i); U+FFFD for malformed sequences.
static uint32_t nextUtf8(const std::string& s, size_t& i)
{
    const auto c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80)
        return c;
    // Lead bytes: C2-DF one continuation byte, E0-EF two, F0-F4 three. 80-C1 and F5-FF
    // never start a character.
    const int extra = c >= 0xC2 && c < 0xE0   ? 1
                      : c >= 0xE0 && c < 0xF0 ? 2
                      : c >= 0xF0 && c < 0xF5 ? 3
                                              : -1;
    if (extra < 0)
        return 0xFFFD;
    uint32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp < 0xE000))
        return 0xFFFD;
    return cp;
}

std::u16string utf8ToUtf16(const std::string& s)
{
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const uint32_t cp = nextUtf8(s, i);
        if (cp >= 0x10000) {
            out += char16_t(0xD800 + ((cp - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

std::string utf16ToUtf8(const std::u16string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::string utf16BytesToUtf8(const char* p, size_t n, bool bigEndian)
{
    size_t i = 0;
    if (n >= 2) {
        const uint32_t bom = be16(p);
        if (bom == 0xFEFF || bom == 0xFFFE) {
            bigEndian = bom == 0xFEFF;
            i = 2;
        }
    }
    std::u16string units;
    for (; i + 1 < n; i += 2)
        units += char16_t(bigEndian ? be16(p + i) : le16(p + i));
    return utf16ToUtf8(units);
}

std::string utf8ToUtf16Le(const std::string& s)
{
    std::string out;
    for (char16_t u : utf8ToUtf16(s))
        out += putLe16(u);
    return out;
}

std::string validUtf8(const std::string& s)
{
    return utf16ToUtf8(utf8ToUtf16(s));
}

std::string latin1ToUtf8(const char* p, size_t n)
{
    std::string out;
    for (size_t i = 0; i < n; ++i)
        appendUtf8(out, static_cast<unsigned char>(p[i]));
    return out;
}

bool utf8ToLatin1(const std::string& s, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < s.size();) {
        const uint32_t cp = nextUtf8(s, i);
        if (cp > 0xFF || cp == 0xFFFD)
            return false;
        out += char(cp);
    }
    return true;
}

std::string trimmed(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\0' || s[e - 1] == '\t' || s[e - 1] == '\r' ||
                     s[e - 1] == '\n'))
        --e;
    return s.substr(b, e - b);
}

std::string upper(std::string s)
{
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return s;
}

}  // namespace tags
