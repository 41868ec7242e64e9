#pragma once
// RiffInfoTag: the LIST/INFO chunk of WAV files. Texts are written as UTF-8 with a NUL
// terminator and read as UTF-8 (Latin-1 when the bytes are not valid UTF-8). INFO carries no
// picture. Sub-chunks we do not interpret (ISFT, ...) are kept.

#include "tagblock.h"

#include <utility>
#include <vector>

namespace tags {

class RiffInfoTag : public TagBlock {
public:
    // Parses the body of a LIST chunk whose list type is "INFO" (the four bytes included).
    bool parse(const std::string& listBody);
    // The complete LIST chunk (header, "INFO", sub-chunks), even-sized.
    std::string render() const;

    std::string kind() const override { return "RIFF INFO"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    bool isEmpty() const override { return m_items.empty(); }

private:
    std::vector<std::pair<std::string, std::string>> m_items;  // id, raw value without NULs
};

}  // namespace tags
