#include "utf16.h"

#include <cstdint>

namespace olmet {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;  // continuation byte, overlong lead C0/C1, or F5..FF
}

void appendCodePoint(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequenceLength(lead);
        if (length == 1) {
            out.push_back(lead);
            ++i;
            continue;
        }
        if (length == 0) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t cp = lead & (0xFF >> (length + 1));
        int taken = 1;
        for (; taken < length && i + taken < utf8.size(); ++taken) {
            const auto next = static_cast<unsigned char>(utf8[i + taken]);
            if ((next & 0xC0) != 0x80)
                break;
            cp = (cp << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        const bool invalid = cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF);
        if (taken < length || overlong || invalid) {
            // One replacement for the lead and the continuation bytes that followed it; the
            // byte that broke the sequence is read again as the start of the next one.
            out.push_back(kReplacement);
            i += taken;
            continue;
        }
        appendCodePoint(out, cp);
        i += length;
    }
    return out;
}

}  // namespace olmet
