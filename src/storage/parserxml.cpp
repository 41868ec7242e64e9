#include "parserxml.h"

#include <QDebug>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

#include "xmldocumentwriter.h"
#include "xmlfileio.h"
#include "xmlfilelock.h"

namespace {

const QString kRootTag = QStringLiteral("ROOTITEM");

// Moves an unparsable file aside as "<name>.corrupt" (replacing an older copy) so that a
// damaged history or settings file can still be inspected or recovered by hand. An empty file
// holds nothing worth keeping and would only overwrite a useful copy.
void setAsideCorruptFile(const QString& filePath, qint64 size, const QString& reason)
{
    if (size <= 0)
        return;
    const QString corruptPath = filePath + QStringLiteral(".corrupt");
    // rename(2) replaces the old copy atomically; QFile::rename refuses to overwrite.
    if (std::rename(QFile::encodeName(filePath).constData(),
                    QFile::encodeName(corruptPath).constData()) == 0) {
        qWarning().noquote().nospace() << "ParserXML: " << filePath << " does not parse (" << reason
                                       << "); kept as " << corruptPath;
    } else {
        qWarning().noquote().nospace() << "ParserXML: " << filePath << " does not parse (" << reason
                                       << ") and could not be kept as " << corruptPath;
    }
}

}  // namespace

QDomDocument emptyRootDocument()
{
    QDomDocument document;
    document.appendChild(document.createElement(kRootTag));
    return document;
}

QDomElement rootElement(QDomDocument& document)
{
    QDomElement root = document.documentElement();
    if (root.isNull()) {
        root = document.createElement(kRootTag);
        document.appendChild(root);
    }
    return root;
}

namespace {

// Reads the whole file; false when it cannot be opened.
bool readFileBytes(const QString& filePath, QByteArray& content)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    content = file.readAll();
    return true;
}

// What happens to a file that does not parse: it is set aside and an empty file takes its
// place, so that the caller goes on from an empty tree.
void resetUnparsableFile(const QString& filePath, qint64 size, const QString& reason)
{
    setAsideCorruptFile(filePath, size, reason);
    QFile::remove(filePath);
    QFile empty(filePath);
    if (empty.open(QIODevice::WriteOnly))
        empty.close();
}

bool writeBytesAtomically(const QByteArray& bytes, const QString& filePath)
{
    // QSaveFile writes a temporary file beside the target and renames it over the target on
    // commit, so readers and crashes only ever see a complete file.
    QSaveFile file(filePath);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning("error::ParserXML->writeOperateXml->file.open\n");
        return false;
    }
    file.write(bytes);
    if (!file.commit()) {
        qWarning().noquote().nospace()
            << "ParserXML: writing " << filePath << " failed: " << file.errorString();
        return false;
    }
    return true;
}

}  // namespace

XmlReadResult readXmlFile(const QString& filePath, QDomDocument& document)
{
    XmlFileLock lock(filePath);
    QByteArray content;
    if (!readFileBytes(filePath, content))
        return XmlReadResult::Unreadable;
    QString error;
    int line = 0;
    int column = 0;
    document = QDomDocument();
    if (document.setContent(content, false, &error, &line, &column) &&
        !document.documentElement().isNull())
        return XmlReadResult::Parsed;
    resetUnparsableFile(filePath, content.size(),
                        QStringLiteral("%1 at %2:%3").arg(error).arg(line).arg(column));
    document = emptyRootDocument();
    return XmlReadResult::Repaired;
}

bool writeXmlFile(const QDomDocument& document, const QString& filePath)
{
    XmlFileLock lock(filePath);
    return writeBytesAtomically(serializeXmlDocument(document), filePath);
}

XmlReadResult readXmlTreeFile(const QString& filePath, XmlElement& root)
{
    XmlFileLock lock(filePath);
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return XmlReadResult::Unreadable;
    QString error;
    const bool parsed = parseXmlTree(&file, root, &error);
    const qint64 size = file.size();
    file.close();
    if (parsed)
        return XmlReadResult::Parsed;
    resetUnparsableFile(filePath, size, error);
    root = XmlElement(kRootTag);
    return XmlReadResult::Repaired;
}

bool writeXmlTreeFile(const XmlElement& root, const QString& filePath)
{
    XmlFileLock lock(filePath);
    return writeBytesAtomically(serializeXmlTree(root), filePath);
}

namespace ParserXML {

bool readOperateXml(const QString& filePath, QDomDocument& document)
{
    return readXmlFile(filePath, document) != XmlReadResult::Unreadable;
}

void writeOperateXml(const QDomDocument& document, const QString& filePath)
{
    writeXmlFile(document, filePath);
}

QString getSettingValue(const QString& element, const QString& attribute,
                        const QString& defaultValue, const QString& filePath)
{
    const QString path = filePath.isEmpty() ? settingsFilePath() : filePath;
    XmlFileLock lock(path);
    QDomDocument document;
    if (QFileInfo::exists(path)) {
        if (readXmlFile(path, document) == XmlReadResult::Unreadable)
            return defaultValue;
    } else {
        document = emptyRootDocument();
    }

    QDomElement root = rootElement(document);
    QString result = defaultValue;
    const QDomElement found = root.firstChildElement(element);
    if (!found.isNull()) {
        const QString value = found.attribute(attribute);
        if (!value.isEmpty())
            result = value;
    } else {
        // Reading a key makes sure its element exists, so that a later write of it lands.
        root.appendChild(document.createElement(element));
    }
    writeXmlFile(document, path);
    return result;
}

void setSettingValue(const QString& element, const QString& attribute, const QString& value,
                     const QString& filePath)
{
    const QString path = filePath.isEmpty() ? settingsFilePath() : filePath;
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement found = rootElement(document).firstChildElement(element);
    if (!found.isNull())
        found.setAttribute(attribute, value);
    writeXmlFile(document, path);
}

bool getSettingBool(const QString& element, const QString& attribute, bool defaultValue)
{
    return isTrueText(getSettingValue(element, attribute, boolText(defaultValue)));
}

void setSettingBool(const QString& element, const QString& attribute, bool value)
{
    setSettingValue(element, attribute, boolText(value));
}

qint64 getSettingInt(const QString& element, const QString& attribute, qint64 defaultValue)
{
    bool ok = false;
    const qint64 value =
        getSettingValue(element, attribute, QString::number(defaultValue)).toLongLong(&ok, 10);
    return ok ? value : 0;
}

quint64 getSettingUInt64(const QString& element, const QString& attribute, quint64 defaultValue)
{
    bool ok = false;
    const quint64 value =
        getSettingValue(element, attribute, QString::number(defaultValue)).toULongLong(&ok, 10);
    return ok ? value : 0;
}

}  // namespace ParserXML
