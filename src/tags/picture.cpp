#include "picture.h"

#include <algorithm>
#include <cctype>

namespace tags {

std::string sniffImageMime(const std::string& data)
{
    auto starts = [&](const char* magic, size_t n) {
        return data.size() >= n && data.compare(0, n, magic, n) == 0;
    };
    if (starts("\x89PNG", 4))
        return "image/png";
    if (starts("GIF8", 4))
        return "image/gif";
    if (starts("BM", 2))
        return "image/bmp";
    return "image/jpeg";
}

std::string pictureFileName(const std::string& mime)
{
    if (mime == "image/png")
        return "conver.png";
    if (mime == "image/gif")
        return "conver.gif";
    if (mime == "image/bmp")
        return "conver.bmp";
    return "conver.jpg";
}

std::string mimeFromFileName(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string ext = name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "jpg" || ext == "jpeg")
        return "image/jpeg";
    if (ext == "png" || ext == "gif" || ext == "bmp")
        return "image/" + ext;
    return {};
}

}  // namespace tags
