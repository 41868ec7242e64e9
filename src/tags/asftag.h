#pragma once
// AsfTag: the tags of ASF files (WMA): the five texts of the Content Description Object
// (title, author, copyright, description, rating) and the named attributes of the Extended
// Content Description, Metadata and Metadata Library objects ("WM/AlbumTitle", "WM/Picture",
// ...). Attributes keep the object they came from; new ones go to the Extended Content
// Description unless they are too large for its 16-bit lengths (pictures), which go to the
// Metadata Library; so does a title, artist or comment too long for the Content Description
// (as the attribute "Title", "Author" or "Description"). Values of types we do not edit are
// kept as they are.

#include "tagblock.h"

#include <cstdint>
#include <vector>

namespace tags {

class AsfTag : public TagBlock {
public:
    enum class Home { Extended, Metadata, Library };
    struct Attribute {
        std::string name;   // UTF-8
        uint16_t type = 0;  // 0 text, 1 bytes, 2 bool, 3 dword, 4 qword, 5 word, 6 GUID
        std::string value;  // raw bytes as stored
        Home home = Home::Extended;
        uint16_t stream = 0;
        uint16_t language = 0;
    };

    // Object bodies (after the 24-byte object header).
    bool parseContentDescription(const std::string& body);
    bool parseExtended(const std::string& body);
    bool parseMetadata(const std::string& body, bool library);

    // Whole objects (with headers); empty strings when there is nothing to write.
    std::string renderContentDescription() const;
    std::string renderExtended() const;
    std::string renderMetadata(bool library) const;

    std::string kind() const override { return "ASF"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    Picture picture() const override;
    void setPicture(const Picture& picture) override;
    bool isEmpty() const override;
    // True when some attribute must live in the Metadata Library object.
    bool needsLibrary() const;

private:
    // Index into m_cdo of the fields the Content Description holds, -1 for the others.
    static int cdoIndex(Field field);
    const Attribute* find(const std::string& name) const;
    void remove(const std::string& name);
    void add(const std::string& name, uint16_t type, const std::string& value);

    std::string m_cdo[5];  // title, author, copyright, description, rating (UTF-8)
    std::vector<Attribute> m_attributes;
};

}  // namespace tags
