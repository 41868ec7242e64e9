// The names of the user playlists ("CustomedLists.xml"): one List_name element per playlist,
// in creation order. Names are compared exactly; with duplicates the first one is acted on.

#include "parserxml.h"

#include <QFileInfo>

#include "xmlfileio.h"
#include "xmlfilelock.h"

namespace {

const QString kListTag = QStringLiteral("List_name");
const QString kListAttr = QStringLiteral("ListName");

QDomElement findList(const QDomElement& root, const QString& name)
{
    for (QDomElement e = root.firstChildElement(kListTag); !e.isNull();
         e = e.nextSiblingElement(kListTag)) {
        if (e.attribute(kListAttr) == name)
            return e;
    }
    return QDomElement();
}

}  // namespace

namespace ParserXML {

void addPlayList(const QString& name)
{
    const QString path = playListFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (!QFileInfo::exists(path))
        document = emptyRootDocument();
    else if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement element = document.createElement(kListTag);
    element.setAttribute(kListAttr, name);
    rootElement(document).appendChild(element);
    writeXmlFile(document, path);
}

void removePlayList(const QString& name)
{
    const QString path = playListFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement root = rootElement(document);
    const QDomElement found = findList(root, name);
    if (!found.isNull())
        root.removeChild(found);
    writeXmlFile(document, path);
}

void removeAllPlayLists()
{
    const QString path = playListFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement root = rootElement(document);
    while (root.hasChildNodes())
        root.removeChild(root.firstChild());
    writeXmlFile(document, path);
}

void renamePlayList(const QString& oldName, const QString& newName)
{
    const QString path = playListFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement found = findList(rootElement(document), oldName);
    if (!found.isNull())
        found.setAttribute(kListAttr, newName);
    writeXmlFile(document, path);
}

QStringList readPlayListNames()
{
    QStringList names;
    const QString path = playListFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return names;
    const QDomElement root = rootElement(document);
    for (QDomElement e = root.firstChildElement(kListTag); !e.isNull();
         e = e.nextSiblingElement(kListTag))
        names.append(e.attribute(kListAttr));
    return names;
}

}  // namespace ParserXML
