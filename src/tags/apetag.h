#pragma once
// ApeTag: an APEv2 tag ("APETAGEX" footer, optional header) at the end of MP3, AAC and
// Monkey's Audio files. Items are kept in order; keys compare without regard to case. The
// cover is a binary item "Cover Art (Front)" holding "conver.<ext>", a NUL and the image.

#include "tagblock.h"

#include <cstdint>
#include <vector>

namespace tags {

class ApeTag : public TagBlock {
public:
    static constexpr int kFooterSize = 32;

    // Whole size of the tag (header included) announced by a 32-byte footer; -1 when the
    // bytes are not an APE footer.
    static int64_t sizeFromFooter(const std::string& footer);
    // Parses the whole tag (header if any, items, footer).
    bool parse(const std::string& bytes);
    // Header, items and footer.
    std::string render() const;

    std::string kind() const override { return "APE"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    Picture picture() const override;
    void setPicture(const Picture& picture) override;
    bool isEmpty() const override { return m_items.empty(); }

private:
    struct Item {
        std::string key;
        uint32_t flags = 0;
        std::string value;
    };
    const Item* find(const std::string& key) const;
    void remove(const std::string& key);
    std::string headerOrFooter(bool header, uint32_t size) const;

    std::vector<Item> m_items;
};

}  // namespace tags
