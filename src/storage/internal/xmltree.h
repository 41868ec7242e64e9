#pragma once
// XmlElement: a light, ordered element tree for the large settings file (the history).
//
// QDom needs about twenty times the file size in memory and most of its time in the
// allocator; the history of a long-used recorder holds thousands of entries and is read on
// every start. This tree keeps only what the files hold (elements, attributes, and the text of
// elements without child elements), shares the element and attribute names, and is read with
// QXmlStreamReader. Comments and processing instructions are not kept.
// Output goes through the same writer rules as the QDom documents, so both give the same bytes.
// Internal to the storage module; not thread-safe (callers hold the file lock).

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <vector>

#include "xmldocumentwriter.h"

namespace XmlStore {

struct XmlElement {
    QString tag;
    XmlAttributes attributes;  // in file order, new ones appended
    std::vector<XmlElement> children;
    QString text;

    XmlElement() = default;
    explicit XmlElement(const QString& name) : tag(name) {}

    // Empty when missing.
    QString attribute(const QString& name) const;
    void setAttribute(const QString& name, const QString& value);
};

// Parses the rest of `device`; false with a message when it is not well-formed or has no
// document element.
bool parseXmlTree(QIODevice* device, XmlElement& root, QString* error);
QByteArray serializeXmlTree(const XmlElement& root);

}  // namespace XmlStore
