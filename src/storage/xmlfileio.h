#pragma once
// Reading and writing one settings file, with the outcome the public ParserXML functions need
// to tell apart. Callers hold the file's XmlFileLock. Internal to the storage module.

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include "xmltree.h"

enum class XmlReadResult {
    Unreadable,  // the file cannot be opened (missing, no permission)
    Parsed,      // document holds the file's tree
    Repaired,    // the file did not parse: it was set aside and document is an empty ROOTITEM
};

XmlReadResult readXmlFile(const QString& filePath, QDomDocument& document);
// Atomic replace; false (after logging) when the file could not be written.
bool writeXmlFile(const QDomDocument& document, const QString& filePath);

// The same two for the light tree used by the history file.
XmlReadResult readXmlTreeFile(const QString& filePath, XmlElement& root);
bool writeXmlTreeFile(const XmlElement& root, const QString& filePath);

// A document holding only an empty "ROOTITEM".
QDomDocument emptyRootDocument();
// The document element, created as "ROOTITEM" when the document has none.
QDomElement rootElement(QDomDocument& document);
