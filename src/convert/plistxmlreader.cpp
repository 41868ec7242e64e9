#include "plistxmlreader.h"

#include <pugixml.hpp>

#include <charconv>
#include <cstring>
#include <limits>
#include <stdexcept>

boost::any PlistXmlReader::read(const char* data, uint64_t size)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result result =
        doc.load_buffer(data, static_cast<size_t>(size), pugi::parse_default, pugi::encoding_auto);
    if (!result)
        throw std::runtime_error(std::string("Plist: XML parsed with error ") +
                                 result.description());
    return convert(doc.child("plist").first_child(), 0);
}

boost::any PlistXmlReader::convert(const pugi::xml_node& node, int depth)
{
    if (depth > kMaxDepth)
        throw std::runtime_error("Plist: objects nested too deeply");
    const char* name = node.name();
    if (std::strcmp(name, "dict") == 0)
        return convertDict(node, depth);
    if (std::strcmp(name, "array") == 0) {
        PlistArray array;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element)
                array.push_back(convert(child, depth + 1));
        }
        return array;
    }
    if (std::strcmp(name, "string") == 0)
        return std::string(node.first_child().value());
    if (std::strcmp(name, "integer") == 0)
        return static_cast<int64_t>(parseInt32(node.child_value()));
    if (std::strcmp(name, "real") == 0)
        return parseReal(node.child_value());
    if (std::strcmp(name, "false") == 0)
        return false;
    if (std::strcmp(name, "true") == 0)
        return true;
    if (std::strcmp(name, "data") == 0)
        return decodeBase64(node.child_value());
    if (std::strcmp(name, "date") == 0) {
        PlistDate date;
        date.setFromIsoText(node.child_value());
        return date;
    }
    throw std::runtime_error(std::string("Plist: XML unknown node type ") + name);
}

boost::any PlistXmlReader::convertDict(const pugi::xml_node& node, int depth)
{
    PlistDict dict;
    for (pugi::xml_node keyNode = node.first_child(); keyNode; keyNode = keyNode.next_sibling()) {
        if (keyNode.type() != pugi::node_element || std::strcmp(keyNode.name(), "key") != 0)
            throw std::runtime_error("Plist: XML dictionary key expected but not found");
        const std::string key = keyNode.child_value();
        const pugi::xml_node valueNode = keyNode.next_sibling();
        // No blank before "but": the messages are kept exactly as callers know them.
        if (!valueNode)
            throw std::runtime_error("Plist: XML dictionary value expected for key " + key +
                                     "but not found");
        if (valueNode.type() == pugi::node_element && std::strcmp(valueNode.name(), "key") == 0)
            throw std::runtime_error("Plist: XML dictionary value expected for key " + key +
                                     "but found another key node");
        dict[key] = convert(valueNode, depth + 1);
        keyNode = valueNode;
    }
    return dict;
}

std::vector<char> PlistXmlReader::decodeBase64(const std::string& text)
{
    std::vector<char> out;
    out.reserve(text.size() / 4 * 3 + 3);
    uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : text) {
        int value;
        if (c >= 'A' && c <= 'Z')
            value = c - 'A';
        else if (c >= 'a' && c <= 'z')
            value = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            value = c - '0' + 52;
        else if (c == '+')
            value = 62;
        else if (c == '/')
            value = 63;
        else if (c == '=')
            break;
        else
            continue;  // line breaks, tabs and blanks between the groups
        bits = (bits << 6) | static_cast<uint32_t>(value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out.push_back(static_cast<char>((bits >> bitCount) & 0xFF));
        }
    }
    return out;
}

int32_t PlistXmlReader::parseInt32(const char* text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
           *text == '\v')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    // Accumulate in 64 bits and stop growing once beyond the 32-bit range.
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    int64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (*text - '0');
    }
    if (magnitude > limit)
        magnitude = limit;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

double PlistXmlReader::parseReal(const char* text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
           *text == '\v')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    if (*text == '-' || *text == '+')
        return 0.0;  // a second sign is no number (from_chars would take the '-')
    double value = 0.0;
    const char* end = text + std::strlen(text);
    const std::from_chars_result result = std::from_chars(text, end, value);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched here; strtod's convention is +-HUGE_VAL for
        // overflow and 0 for underflow. Tell them apart by the exponent's sign.
        const char* e = std::strpbrk(text, "eE");
        value =
            (e && e < result.ptr && e[1] == '-') ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}
