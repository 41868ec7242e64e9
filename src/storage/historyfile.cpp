// The history of recordings ("History.xml"): one Path_item per file, holding a CONVERTED_INFO_
// element with the file's texts and then one List_name element per playlist that holds it.

#include "parserxml.h"

#include <QFileInfo>

#include <vector>

#include "xmlfileio.h"
#include "xmlfilelock.h"

namespace {

const QString kPathItemTag = QStringLiteral("Path_item");
const QString kPathAttr = QStringLiteral("Converted_path_");
const QString kInfoTag = QStringLiteral("CONVERTED_INFO_");
const QString kListTag = QStringLiteral("List_name");
const QString kListAttr = QStringLiteral("ListName");
const QString kNewAttr = QStringLiteral("New_file");

QString normalised(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// First Path_item whose stored path equals filePath once both use '/'.
QDomElement findPathItem(const QDomElement& root, const QString& filePath)
{
    const QString wanted = normalised(filePath);
    for (QDomElement e = root.firstChildElement(kPathItemTag); !e.isNull();
         e = e.nextSiblingElement(kPathItemTag)) {
        if (normalised(e.attribute(kPathAttr)) == wanted)
            return e;
    }
    return QDomElement();
}

HistoryRecord recordFromItem(const QDomElement& item, const QString& filePath)
{
    HistoryRecord record;
    record.filePath = filePath;
    const QDomElement info = item.firstChildElement();
    record.imagePath = info.attribute(QStringLiteral("Img_path_"));
    record.title = info.attribute(QStringLiteral("Title_"));
    record.resolution = info.attribute(QStringLiteral("Resolutin_"));
    record.duration = info.attribute(QStringLiteral("Time_"));
    record.size = info.attribute(QStringLiteral("Size_"));
    record.createTime = info.attribute(QStringLiteral("Create_time_"));
    record.format = info.attribute(QStringLiteral("Format_"));
    record.extension = info.attribute(QStringLiteral("Extend_"));
    record.artist = info.attribute(QStringLiteral("Artist_"));
    record.album = info.attribute(QStringLiteral("Album_"));
    record.genre = info.attribute(QStringLiteral("Genre_"));
    record.preferencePath = info.attribute(QStringLiteral("preferencePath_"));
    record.isVideo = ParserXML::isTrueText(info.attribute(QStringLiteral("Video_file")));
    record.isNew = ParserXML::isTrueText(info.attribute(kNewAttr));
    if (!info.isNull()) {
        for (QDomElement e = info.nextSiblingElement(); !e.isNull(); e = e.nextSiblingElement())
            record.listNames.append(e.attribute(kListAttr));
    }
    return record;
}

void fillInfo(QDomElement& info, const HistoryRecord& record)
{
    info.setAttribute(QStringLiteral("Img_path_"), record.imagePath);
    info.setAttribute(QStringLiteral("Title_"), record.title);
    info.setAttribute(QStringLiteral("Resolutin_"), record.resolution);
    info.setAttribute(QStringLiteral("Time_"), record.duration);
    info.setAttribute(QStringLiteral("Size_"), record.size);
    info.setAttribute(QStringLiteral("Create_time_"), record.createTime);
    info.setAttribute(QStringLiteral("Format_"), record.format);
    info.setAttribute(QStringLiteral("Extend_"), record.extension);
    info.setAttribute(QStringLiteral("Artist_"), record.artist);
    info.setAttribute(QStringLiteral("Album_"), record.album);
    info.setAttribute(QStringLiteral("Genre_"), record.genre);
    info.setAttribute(QStringLiteral("preferencePath_"), record.preferencePath);
    info.setAttribute(QStringLiteral("Video_file"), ParserXML::boolText(record.isVideo));
    info.setAttribute(kNewAttr, ParserXML::boolText(record.isNew));
}

// Makes the elements after info carry exactly `names`, reusing the existing ones in order.
void syncListNames(QDomDocument& document, QDomElement& item, const QDomElement& info,
                   const QStringList& names)
{
    std::vector<QDomElement> existing;
    for (QDomElement e = info.nextSiblingElement(); !e.isNull(); e = e.nextSiblingElement())
        existing.push_back(e);
    const int count = names.size();
    for (int i = 0; i < count; ++i) {
        if (i < static_cast<int>(existing.size())) {
            existing[static_cast<size_t>(i)].setAttribute(kListAttr, names.at(i));
        } else {
            QDomElement e = document.createElement(kListTag);
            e.setAttribute(kListAttr, names.at(i));
            item.appendChild(e);
        }
    }
    for (size_t i = static_cast<size_t>(count); i < existing.size(); ++i)
        item.removeChild(existing[i]);
}

} // namespace

namespace ParserXML {

void addOrUpdateHistory(const HistoryRecord* record)
{
    if (record)
        addOrUpdateHistory(*record);
}

void addOrUpdateHistory(const HistoryRecord& record)
{
    const QString path = historyFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (!QFileInfo::exists(path))
        document = emptyRootDocument();
    else if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;

    QDomElement root = rootElement(document);
    // Matched exactly as stored: a '\' form of a stored path is a different record here.
    QDomElement item;
    for (QDomElement e = root.firstChildElement(kPathItemTag); !e.isNull();
         e = e.nextSiblingElement(kPathItemTag)) {
        if (e.attribute(kPathAttr) == record.filePath) {
            item = e;
            break;
        }
    }
    if (item.isNull()) {
        item = document.createElement(kPathItemTag);
        item.setAttribute(kPathAttr, record.filePath);
        root.appendChild(item);
    }
    QDomElement info = item.firstChildElement();
    if (info.isNull()) {
        info = document.createElement(kInfoTag);
        item.appendChild(info);
    }
    fillInfo(info, record);
    syncListNames(document, item, info, record.listNames);
    writeXmlFile(document, path);
}

std::optional<HistoryRecord> findHistory(const QString& filePath)
{
    const QString path = historyFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return std::nullopt;
    const QDomElement item = findPathItem(rootElement(document), filePath);
    if (item.isNull())
        return std::nullopt;
    return recordFromItem(item, filePath);
}

QVector<HistoryRecord> loadAllHistory(QVector<HistoryRecord>* appendTo)
{
    QVector<HistoryRecord> records;
    const QString path = historyFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    const XmlReadResult read = readXmlFile(path, document);
    if (read == XmlReadResult::Unreadable)
        return records;

    bool changed = read == XmlReadResult::Repaired;
    const QDomElement root = rootElement(document);
    for (QDomElement e = root.firstChildElement(kPathItemTag); !e.isNull();
         e = e.nextSiblingElement(kPathItemTag)) {
        records.append(recordFromItem(e, normalised(e.attribute(kPathAttr))));
        if (records.constLast().isNew) {
            // New marks last until the next full load (normally the next start).
            e.firstChildElement().setAttribute(kNewAttr, QStringLiteral("N"));
            changed = true;
        }
    }
    if (appendTo)
        *appendTo += records;
    // Rewriting an unchanged history would only cost time on every start.
    if (changed)
        writeXmlFile(document, path);
    return records;
}

void removeHistory(const QString& filePath)
{
    const QString path = historyFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement root = rootElement(document);
    const QDomElement item = findPathItem(root, filePath);
    if (item.isNull())
        return;
    root.removeChild(item);
    writeXmlFile(document, path);
}

void renameHistory(const QString& oldPath, const QString& newPath)
{
    const QString path = historyFilePath();
    XmlFileLock lock(path);
    QDomDocument document;
    if (readXmlFile(path, document) == XmlReadResult::Unreadable)
        return;
    QDomElement item = findPathItem(rootElement(document), oldPath);
    if (item.isNull())
        return;
    item.setAttribute(kPathAttr, newPath);
    writeXmlFile(document, path);
}

QString getPreferencePath(const QString& filePath)
{
    const std::optional<HistoryRecord> record = findHistory(filePath);
    return record ? record->preferencePath : QString();
}

} // namespace ParserXML
