#pragma once
// Reader of the XML property-list form, on top of pugixml. Internal to the property-list
// reader. Element nesting is limited to PlistXmlReader::kMaxDepth so that a hostile document
// cannot exhaust the stack.

#include "plist.h"

#include <cstdint>
#include <string>

namespace pugi {
class xml_node;
}

class PlistXmlReader {
public:
    // Parses the buffer and returns the root value. Throws std::runtime_error.
    static boost::any read(const char* data, uint64_t size);

    // Decodes standard Base64: "=" ends the data, characters outside the alphabet are skipped.
    static std::vector<char> decodeBase64(const std::string& text);
    // Tolerant 32-bit decimal reading: leading blanks, an optional sign, digits up to the first
    // other character; no digits give 0 and values beyond 32 bits saturate.
    static int32_t parseInt32(const char* text);
    // Tolerant decimal floating-point reading (C locale); no number gives 0.0.
    static double parseReal(const char* text);

    static constexpr int kMaxDepth = 512;

private:
    static boost::any convert(const pugi::xml_node& node, int depth);
    static boost::any convertDict(const pugi::xml_node& node, int depth);
};
