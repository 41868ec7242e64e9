#pragma once
// Serialises settings documents the way the files are laid out: UTF-8, 4 spaces of
// indentation per level, no XML declaration unless the document holds one, empty elements
// as "<TAG .../>".
//
// QDom keeps attributes in a hash, so their order on output would change from run to run. The
// writer instead emits the attributes of the known elements in their documented order and any
// other attributes after them sorted by name, which makes the files stable and comparable.
// Internal to the storage module.

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

class QDomDocument;

using XmlAttributes = QVector<QPair<QString, QString>>;

QByteArray serializeXmlDocument(const QDomDocument& document);

// Building blocks shared with the light tree writer.
void appendXmlEscaped(QString& out, const QString& text, bool attribute);
// ` name="value"` for each attribute, in the order described above.
void appendXmlAttributes(QString& out, const QString& tag, const XmlAttributes& attributes);
