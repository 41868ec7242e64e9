#pragma once
// TagBlock: one metadata block of a file (an ID3v2 tag, an APE tag, an MP4 item list, ...)
// seen through the common fields. Each block keeps the items it does not understand and
// writes them back unchanged; setting a field replaces only that field's items.
//
// Contract for implementations:
// - text() returns UTF-8, empty when the field is absent or not carried by this block.
// - setText() with an empty text removes the field; a field the block cannot carry is ignored
//   and supports() reports false for it. Any change sets the dirty flag.
// - Numbers in Track and Disc are texts "n" or "n/total".
// Not thread-safe; owned by the container format that parsed it.

#include "picture.h"
#include "tagfield.h"

#include <string>

namespace tags {

class TagBlock {
public:
    virtual ~TagBlock() = default;

    // Short name of the block kind for diagnostics ("ID3v2.4", "APE", ...).
    virtual std::string kind() const = 0;
    virtual bool supports(Field field) const = 0;
    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, const std::string& utf8) = 0;
    // The front cover (or the first picture); empty when there is none.
    virtual Picture picture() const { return {}; }
    // Replaces every picture with this one; an empty picture removes them.
    virtual void setPicture(const Picture&) {}
    // True when the block holds no field at all.
    virtual bool isEmpty() const = 0;

    bool isDirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

protected:
    bool m_dirty = false;
};

}  // namespace tags
