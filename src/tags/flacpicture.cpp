#include "flacpicture.h"

#include "bytes.h"

namespace tags {

size_t flacPictureSize(const Picture& p)
{
    const size_t mime = p.mime.empty() ? sniffImageMime(p.data).size() : p.mime.size();
    return 32 + mime + p.description.size() + p.data.size();
}

void appendFlacPicture(std::string& out, const Picture& p)
{
    const std::string mime = p.mime.empty() ? sniffImageMime(p.data) : p.mime;
    out += putBe32(uint32_t(p.type));
    out += putBe32(uint32_t(mime.size()));
    out += mime;
    out += putBe32(uint32_t(p.description.size()));
    out += p.description;
    out.append(16, '\0');  // size and depth unknown
    out += putBe32(uint32_t(p.data.size()));
    out += p.data;
}

std::string renderFlacPicture(const Picture& p)
{
    std::string b;
    b.reserve(flacPictureSize(p));
    appendFlacPicture(b, p);
    return b;
}

bool parseFlacPicture(std::string b, Picture& p)
{
    size_t pos = 0;
    auto take32 = [&](uint32_t& v) {
        if (pos + 4 > b.size())
            return false;
        v = be32(b.data() + pos);
        pos += 4;
        return true;
    };
    auto takeBytes = [&](std::string& s) {
        uint32_t n = 0;
        if (!take32(n) || n > b.size() - pos)
            return false;
        s = b.substr(pos, n);
        pos += n;
        return true;
    };
    uint32_t type = 0, skip = 0, dataSize = 0;
    if (!take32(type) || !takeBytes(p.mime) || !takeBytes(p.description))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!take32(skip))
            return false;
    }
    if (!take32(dataSize) || dataSize > b.size() - pos)
        return false;
    // The image is the last and largest part: the block's own buffer becomes it.
    b.erase(0, pos);
    b.resize(dataSize);
    p.data = std::move(b);
    p.type = int(type);
    if (p.mime.compare(0, 6, "image/") != 0)
        p.mime = sniffImageMime(p.data);
    return true;
}

static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string base64Encode(const std::string& in)
{
    std::string out;
    out.reserve((in.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < in.size(); i += 3) {
        const uint32_t v =
            uint32_t(uint8_t(in[i])) << 16 | uint32_t(uint8_t(in[i + 1])) << 8 | uint8_t(in[i + 2]);
        out += kAlphabet[v >> 18];
        out += kAlphabet[v >> 12 & 63];
        out += kAlphabet[v >> 6 & 63];
        out += kAlphabet[v & 63];
    }
    if (i < in.size()) {
        uint32_t v = uint32_t(uint8_t(in[i])) << 16;
        if (i + 1 < in.size())
            v |= uint32_t(uint8_t(in[i + 1])) << 8;
        out += kAlphabet[v >> 18];
        out += kAlphabet[v >> 12 & 63];
        out += i + 1 < in.size() ? kAlphabet[v >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

bool base64Decode(const std::string& text, std::string& out)
{
    out.clear();
    uint32_t acc = 0;
    int bits = 0;
    for (char c : text) {
        int v;
        if (c >= 'A' && c <= 'Z')
            v = c - 'A';
        else if (c >= 'a' && c <= 'z')
            v = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            v = c - '0' + 52;
        else if (c == '+')
            v = 62;
        else if (c == '/')
            v = 63;
        else if (c == '=' || c == '\n' || c == '\r' || c == ' ')
            continue;
        else
            return false;
        acc = (acc << 6 | uint32_t(v)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += char(acc >> bits & 0xFF);
        }
    }
    return true;
}

}  // namespace tags
