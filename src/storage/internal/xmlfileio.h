#pragma once
// Reading and writing one settings file, and the locked read-modify-write every ParserXML
// function is built from. Internal to the storage module.

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <functional>

#include "xmltree.h"

namespace XmlStore {

enum class XmlReadResult {
    Unreadable,  // the file cannot be opened (missing, no permission)
    Parsed,      // document holds the file's tree
    Repaired,    // the file did not parse: it was set aside and document is an empty ROOTITEM
};

// What an edit does when the file does not exist yet.
enum class IfMissing {
    Skip,        // nothing happens; the edit reports false
    StartEmpty,  // the edit starts from an empty ROOTITEM and creates the file
};

// Callers of these four hold the file's XmlFileLock.
XmlReadResult readXmlFile(const QString& filePath, QDomDocument& document);
// Atomic replace; false (after logging) when the file could not be written.
bool writeXmlFile(const QDomDocument& document, const QString& filePath);
// The same two for the light tree used by the history file.
XmlReadResult readXmlTreeFile(const QString& filePath, XmlElement& root);
bool writeXmlTreeFile(const XmlElement& root, const QString& filePath);

// A read-modify-write under the file's lock: reads the file (see IfMissing), lets `change`
// edit the tree and writes the file back when `change` returns true. A file that cannot be
// read is neither changed nor written. True when the file was written.
bool editXmlFile(const QString& filePath, IfMissing ifMissing,
                 const std::function<bool(QDomDocument&)>& change);
bool editXmlTreeFile(const QString& filePath, IfMissing ifMissing,
                     const std::function<bool(XmlElement&)>& change);
// A read under the file's lock: `use` sees the tree when the file could be read. A file that
// does not parse is set aside as readXmlFile does. False when the file cannot be read.
bool inspectXmlFile(const QString& filePath, const std::function<void(const QDomDocument&)>& use);
bool inspectXmlTreeFile(const QString& filePath, const std::function<void(XmlElement&)>& use);

// A document holding only an empty "ROOTITEM".
QDomDocument emptyRootDocument();
// The document element, created as "ROOTITEM" when the document has none.
QDomElement rootElement(QDomDocument& document);

}  // namespace XmlStore
