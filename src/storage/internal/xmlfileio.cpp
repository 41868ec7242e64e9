#include "xmlfileio.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include "atomicfile.h"
#include "xmldocumentwriter.h"
#include "xmlfilelock.h"

namespace XmlStore {

namespace {

const QString kRootTag = QStringLiteral("ROOTITEM");

// What happens to a file that does not parse: it is set aside and an empty file takes its
// place, so that the caller goes on from an empty tree. An empty file holds nothing worth
// keeping and is simply reused.
void resetUnparsableFile(const QString& filePath, qint64 size, const QString& reason)
{
    if (size > 0) {
        const QString kept = setAsideDamagedFile(filePath);
        if (kept.isEmpty()) {
            qWarning().noquote().nospace() << "ParserXML: " << filePath << " does not parse ("
                                           << reason << ") and could not be set aside";
        } else {
            qWarning().noquote().nospace() << "ParserXML: " << filePath << " does not parse ("
                                           << reason << "); kept as " << kept;
        }
    }
    QFile::remove(filePath);
    QFile empty(filePath);
    if (empty.open(QIODevice::WriteOnly))
        empty.close();
}

bool writeBytes(const QByteArray& bytes, const QString& filePath)
{
    QString error;
    if (replaceFileAtomically(filePath, bytes, &error))
        return true;
    qWarning("error::ParserXML->writeOperateXml->file.open\n");
    qWarning().noquote() << "ParserXML:" << error;
    return false;
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

XmlReadResult readXmlFile(const QString& filePath, QDomDocument& document)
{
    // Binary mode: the parser reads the encoding the file declares (and its byte-order
    // mark); a text-mode read would change bytes of other encodings before it sees them.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return XmlReadResult::Unreadable;
    const QByteArray content = file.readAll();
    file.close();
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
    return writeBytes(serializeXmlDocument(document), filePath);
}

XmlReadResult readXmlTreeFile(const QString& filePath, XmlElement& root)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
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
    return writeBytes(serializeXmlTree(root), filePath);
}

bool editXmlFile(const QString& filePath, IfMissing ifMissing,
                 const std::function<bool(QDomDocument&)>& change)
{
    XmlFileLock lock(filePath);
    QDomDocument document;
    XmlReadResult read = XmlReadResult::Parsed;
    if (ifMissing == IfMissing::StartEmpty && !QFileInfo::exists(filePath))
        document = emptyRootDocument();
    else if ((read = readXmlFile(filePath, document)) == XmlReadResult::Unreadable)
        return false;
    rootElement(document);
    // A repaired file is written back even without a change, so that it parses again.
    const bool changed = change(document);
    return (changed || read == XmlReadResult::Repaired) && writeXmlFile(document, filePath);
}

bool editXmlTreeFile(const QString& filePath, IfMissing ifMissing,
                     const std::function<bool(XmlElement&)>& change)
{
    XmlFileLock lock(filePath);
    XmlElement root(kRootTag);
    XmlReadResult read = XmlReadResult::Parsed;
    if (!(ifMissing == IfMissing::StartEmpty && !QFileInfo::exists(filePath)) &&
        (read = readXmlTreeFile(filePath, root)) == XmlReadResult::Unreadable)
        return false;
    const bool changed = change(root);
    return (changed || read == XmlReadResult::Repaired) && writeXmlTreeFile(root, filePath);
}

bool inspectXmlFile(const QString& filePath, const std::function<void(const QDomDocument&)>& use)
{
    XmlFileLock lock(filePath);
    QDomDocument document;
    if (readXmlFile(filePath, document) == XmlReadResult::Unreadable)
        return false;
    rootElement(document);
    use(document);
    return true;
}

bool inspectXmlTreeFile(const QString& filePath, const std::function<void(XmlElement&)>& use)
{
    XmlFileLock lock(filePath);
    XmlElement root;
    if (readXmlTreeFile(filePath, root) == XmlReadResult::Unreadable)
        return false;
    use(root);
    return true;
}

}  // namespace XmlStore
