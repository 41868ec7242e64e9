#pragma once
// An embedded cover picture: the raw image file bytes with their MIME type and the ID3/FLAC
// picture type (3 = front cover, 1 = file icon, ...).

#include <string>

namespace tags {

struct Picture {
    std::string data;
    std::string mime;
    int type = 3;
    std::string description;

    bool empty() const { return data.empty(); }
};

// MIME type sniffed from the image bytes: "image/jpeg", "image/png", "image/gif" or
// "image/bmp"; "image/jpeg" when the bytes are none of these.
std::string sniffImageMime(const std::string& data);

// The file name an embedded picture carries where a container stores one ("conver.jpg", ...).
std::string pictureFileName(const std::string& mime);

// The MIME type that belongs to a picture file name; empty when the extension is unknown.
std::string mimeFromFileName(const std::string& name);

}  // namespace tags
