#pragma once
// Serialises a QDomDocument the way the settings files are laid out: UTF-8, 4 spaces of
// indentation per level, no XML declaration unless the document holds one, empty elements
// as "<TAG .../>".
//
// QDom keeps attributes in a hash, so their order on output would change from run to run. The
// writer instead emits the attributes of the known elements in their documented order and any
// other attributes after them sorted by name, which makes the files stable and comparable.
// Internal to the storage module.

#include <QByteArray>

class QDomDocument;

QByteArray serializeXmlDocument(const QDomDocument& document);
