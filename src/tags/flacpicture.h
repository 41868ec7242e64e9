#pragma once
// The FLAC PICTURE block body, shared by FLAC files (as a metadata block) and Ogg files (as
// the base64 value of METADATA_BLOCK_PICTURE), plus the base64 coding the latter needs.

#include "picture.h"

#include <string>

namespace tags {

std::string renderFlacPicture(const Picture& picture);
// The same appended to out, and the number of bytes it takes.
void appendFlacPicture(std::string& out, const Picture& picture);
size_t flacPictureSize(const Picture& picture);
// False when the body is truncated or its lengths point outside it.
bool parseFlacPicture(std::string body, Picture& picture);

std::string base64Encode(const std::string& bytes);
// Ignores whitespace; false on any other character outside the alphabet.
bool base64Decode(const std::string& text, std::string& bytes);

}  // namespace tags
