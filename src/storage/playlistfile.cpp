// The names of the user playlists ("CustomedLists.xml"): one List_name element per playlist,
// in creation order. Names are compared exactly; with duplicates the first one is acted on.

#include "parserxml.h"

#include "xmlfileio.h"

using namespace XmlStore;

namespace {

const QString kListTag = QStringLiteral("List_name");
const QString kListAttr = QStringLiteral("ListName");

QDomElement findList(const QDomElement& root, const QString& name)
{
    // Stored names read back in their storable form; compare the caller's name in that form.
    const QString wanted = xmlStorableText(name);
    for (QDomElement e = root.firstChildElement(kListTag); !e.isNull();
         e = e.nextSiblingElement(kListTag)) {
        if (e.attribute(kListAttr) == wanted)
            return e;
    }
    return QDomElement();
}

// Edits an existing playlist file; the file is rewritten even when nothing matched.
void editPlayLists(const std::function<void(QDomDocument&, QDomElement&)>& change)
{
    editXmlFile(ParserXML::playListFilePath(), IfMissing::Skip, [&](QDomDocument& document) {
        QDomElement root = rootElement(document);
        change(document, root);
        return true;
    });
}

}  // namespace

namespace ParserXML {

void addPlayList(const QString& name)
{
    editXmlFile(playListFilePath(), IfMissing::StartEmpty, [&](QDomDocument& document) {
        QDomElement element = document.createElement(kListTag);
        element.setAttribute(kListAttr, name);
        rootElement(document).appendChild(element);
        return true;
    });
}

void removePlayList(const QString& name)
{
    editPlayLists([&](QDomDocument&, QDomElement& root) {
        const QDomElement found = findList(root, name);
        if (!found.isNull())
            root.removeChild(found);
    });
}

void removeAllPlayLists()
{
    editPlayLists([](QDomDocument&, QDomElement& root) {
        while (root.hasChildNodes())
            root.removeChild(root.firstChild());
    });
}

void renamePlayList(const QString& oldName, const QString& newName)
{
    editPlayLists([&](QDomDocument&, QDomElement& root) {
        QDomElement found = findList(root, oldName);
        if (!found.isNull())
            found.setAttribute(kListAttr, newName);
    });
}

QStringList readPlayListNames()
{
    QStringList names;
    inspectXmlFile(playListFilePath(), [&](const QDomDocument& document) {
        const QDomElement root = document.documentElement();
        for (QDomElement e = root.firstChildElement(kListTag); !e.isNull();
             e = e.nextSiblingElement(kListTag))
            names.append(e.attribute(kListAttr));
    });
    return names;
}

}  // namespace ParserXML
