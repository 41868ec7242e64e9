#pragma once
// Mp4Tag: the iTunes-style item list (moov/udta/meta/ilst) of M4A files. Each item is an
// atom named by its key ("\xA9nam", "trkn", "covr", ...) holding one or more "data" atoms;
// items we do not interpret (freeform "----" atoms, ratings, ...) are kept byte for byte.

#include "tagblock.h"

#include <vector>

namespace tags {

class Mp4Tag : public TagBlock {
public:
    // Parses the body of an "ilst" atom (its children). False when an atom overruns.
    bool parse(const std::string& ilstBody);
    // The complete "ilst" atom.
    std::string render() const;

    std::string kind() const override { return "MP4"; }
    bool supports(Field field) const override;
    std::string text(Field field) const override;
    void setText(Field field, const std::string& utf8) override;
    Picture picture() const override;
    void setPicture(const Picture& picture) override;
    bool isEmpty() const override { return m_items.empty(); }

private:
    struct Item {
        std::string key;   // four bytes
        std::string atom;  // the whole atom, header included
    };
    // Payloads (after type and locale) and type codes of the item's data atoms.
    bool dataOf(const std::string& key, std::vector<std::pair<uint32_t, std::string>>& out) const;
    void replace(const std::string& key, const std::vector<std::pair<uint32_t, std::string>>& data);

    std::vector<Item> m_items;
};

}  // namespace tags
