// The history of recordings ("History.xml"): one Path_item per file, holding a CONVERTED_INFO_
// element with the file's texts and then one List_name element per playlist that holds it.
// The history can hold thousands of entries and is read on every start, so it goes through
// the light element tree rather than QDom.

#include "parserxml.h"

#include <QHash>

#include "xmlfileio.h"

using namespace XmlStore;

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

// A requested path in the form stored paths read back in (see xmlStorableText), with '/'.
QString comparable(const QString& path)
{
    return normalised(xmlStorableText(path));
}

// Index in root.children of the first Path_item whose stored path equals filePath once both
// use '/'; -1 when there is none.
int findPathItem(const XmlElement& root, const QString& filePath)
{
    const QString wanted = comparable(filePath);
    for (size_t i = 0; i < root.children.size(); ++i) {
        const XmlElement& e = root.children[i];
        if (e.tag == kPathItemTag && normalised(e.attribute(kPathAttr)) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

HistoryRecord recordFromItem(const XmlElement& item, const QString& filePath)
{
    HistoryRecord record;
    record.filePath = filePath;
    if (item.children.empty())
        return record;
    // The first child holds the texts whatever its name; the later ones name the playlists.
    const XmlElement& info = item.children.front();
    for (const auto& attribute : info.attributes) {
        const QString& name = attribute.first;
        const QString& value = attribute.second;
        if (name == QLatin1String("Img_path_"))
            record.imagePath = value;
        else if (name == QLatin1String("Title_"))
            record.title = value;
        else if (name == QLatin1String("Resolutin_"))
            record.resolution = value;
        else if (name == QLatin1String("Time_"))
            record.duration = value;
        else if (name == QLatin1String("Size_"))
            record.size = value;
        else if (name == QLatin1String("Create_time_"))
            record.createTime = value;
        else if (name == QLatin1String("Format_"))
            record.format = value;
        else if (name == QLatin1String("Extend_"))
            record.extension = value;
        else if (name == QLatin1String("Artist_"))
            record.artist = value;
        else if (name == QLatin1String("Album_"))
            record.album = value;
        else if (name == QLatin1String("Genre_"))
            record.genre = value;
        else if (name == QLatin1String("preferencePath_"))
            record.preferencePath = value;
        else if (name == QLatin1String("Video_file"))
            record.isVideo = ParserXML::isTrueText(value);
        else if (name == kNewAttr)
            record.isNew = ParserXML::isTrueText(value);
    }
    for (size_t i = 1; i < item.children.size(); ++i)
        record.listNames.append(item.children[i].attribute(kListAttr));
    return record;
}

void fillInfo(XmlElement& info, const HistoryRecord& record)
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

// Makes the children after the first carry exactly `names`, reusing the existing ones in order.
void syncListNames(XmlElement& item, const QStringList& names)
{
    const size_t wanted = static_cast<size_t>(names.size()) + 1;
    for (size_t i = 1; i < wanted; ++i) {
        if (i >= item.children.size())
            item.children.emplace_back(kListTag);
        item.children[i].setAttribute(kListAttr, names.at(static_cast<int>(i - 1)));
    }
    if (item.children.size() > wanted)
        item.children.erase(item.children.begin() + static_cast<std::ptrdiff_t>(wanted),
                            item.children.end());
}

}  // namespace

namespace ParserXML {

bool addOrUpdateHistory(const HistoryRecord* record)
{
    return record && addOrUpdateHistory(*record);
}

bool addOrUpdateHistory(const HistoryRecord& record)
{
    return addOrUpdateHistories({record});
}

bool addOrUpdateHistories(const QVector<HistoryRecord>& records)
{
    if (records.isEmpty())
        return true;
    return editXmlTreeFile(historyFilePath(), IfMissing::StartEmpty, [&](XmlElement& root) {
        // Matched exactly as stored: a '\' form of a stored path is a different record here.
        // The first item of each path wins, as in a one-by-one update.
        QHash<QString, size_t> items;
        for (size_t i = root.children.size(); i-- > 0;) {
            const XmlElement& e = root.children[i];
            if (e.tag == kPathItemTag)
                items.insert(e.attribute(kPathAttr), i);
        }
        for (const HistoryRecord& record : records) {
            const QString storedPath = xmlStorableText(record.filePath);
            const auto found = items.constFind(storedPath);
            size_t index = 0;
            if (found == items.constEnd()) {
                root.children.emplace_back(kPathItemTag);
                root.children.back().setAttribute(kPathAttr, record.filePath);
                index = root.children.size() - 1;
                items.insert(storedPath, index);
            } else {
                index = *found;
            }
            XmlElement& item = root.children[index];
            if (item.children.empty())
                item.children.emplace_back(kInfoTag);
            fillInfo(item.children.front(), record);
            syncListNames(item, record.listNames);
        }
        return true;
    });
}

std::optional<HistoryRecord> findHistory(const QString& filePath)
{
    std::optional<HistoryRecord> record;
    inspectXmlTreeFile(historyFilePath(), [&](XmlElement& root) {
        const int index = findPathItem(root, filePath);
        if (index >= 0)
            record = recordFromItem(root.children[static_cast<size_t>(index)], filePath);
    });
    return record;
}

QVector<HistoryRecord> loadAllHistory(QVector<HistoryRecord>* appendTo)
{
    QVector<HistoryRecord> records;
    editXmlTreeFile(historyFilePath(), IfMissing::Skip, [&](XmlElement& root) {
        bool changed = false;
        records.reserve(static_cast<int>(root.children.size()));
        for (XmlElement& e : root.children) {
            if (e.tag != kPathItemTag)
                continue;
            records.append(recordFromItem(e, normalised(e.attribute(kPathAttr))));
            if (records.constLast().isNew) {
                // New marks last until the next full load (normally the next start).
                e.children.front().setAttribute(kNewAttr, QStringLiteral("N"));
                changed = true;
            }
        }
        // Rewriting an unchanged history would only cost time on every start.
        return changed;
    });
    if (appendTo)
        *appendTo += records;
    return records;
}

void removeHistory(const QString& filePath)
{
    editXmlTreeFile(historyFilePath(), IfMissing::Skip, [&](XmlElement& root) {
        const int index = findPathItem(root, filePath);
        if (index < 0)
            return false;
        root.children.erase(root.children.begin() + index);
        return true;
    });
}

int removeHistories(const QStringList& filePaths)
{
    int removed = 0;
    if (filePaths.isEmpty())
        return removed;
    editXmlTreeFile(historyFilePath(), IfMissing::Skip, [&](XmlElement& root) {
        for (const QString& path : filePaths) {
            const int index = findPathItem(root, path);
            if (index >= 0) {
                root.children.erase(root.children.begin() + index);
                ++removed;
            }
        }
        return removed > 0;
    });
    return removed;
}

void renameHistory(const QString& oldPath, const QString& newPath)
{
    editXmlTreeFile(historyFilePath(), IfMissing::Skip, [&](XmlElement& root) {
        const int index = findPathItem(root, oldPath);
        if (index < 0)
            return false;
        root.children[static_cast<size_t>(index)].setAttribute(kPathAttr, newPath);
        return true;
    });
}

QString getPreferencePath(const QString& filePath)
{
    const std::optional<HistoryRecord> record = findHistory(filePath);
    return record ? record->preferencePath : QString();
}

}  // namespace ParserXML
