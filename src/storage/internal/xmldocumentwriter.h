#pragma once
// Serialises settings documents the way the files are laid out: UTF-8, 4 spaces of
// indentation per level, no XML declaration, empty elements as "<TAG .../>".
//
// Every text is written so that the file is well-formed whatever it holds: characters that
// XML 1.0 cannot carry at all (C0 controls other than tab, line feed and carriage return,
// U+FFFE, U+FFFF and unpaired surrogates: a file name with a control character, a tag value
// with the NUL separators of ID3v2.4) become U+FFFD. A reader gets the text back with those
// characters replaced; without the replacement the next read would reject the whole file.
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

namespace XmlStore {

using XmlAttributes = QVector<QPair<QString, QString>>;

QByteArray serializeXmlDocument(const QDomDocument& document);

// The text as it reads back from a written file: every character XML 1.0 cannot carry
// replaced by U+FFFD. Lookups compare a caller's text in this form with stored texts.
QString xmlStorableText(const QString& text);

// Building blocks shared with the light tree writer.
void appendXmlEscaped(QString& out, const QString& text, bool attribute);
// ` name="value"` for each attribute, in the order described above.
void appendXmlAttributes(QString& out, const QString& tag, const XmlAttributes& attributes);

}  // namespace XmlStore
