#include "recordinglibrary.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "historywriter.h"
#include "listtexts.h"
#include "parserxml.h"
#include "recordingfiles.h"
#include "recordingprobe.h"
#include "recordingrecovery.h"
#include "silencerules.h"

namespace {

// Whether the history file holds New_file "Y" for the item. Records read at start have had
// the mark cleared in the file (they show in "Latest Recordings" for this run only); a
// recording made in this run keeps it until the next start. Every store writes this, not
// the item's own mark, so that storing an item never makes it new again.
constexpr const char* kStoredNewKey = "LIST_STORED_NEW";
// Set on the recording's item once music was identified in it.
constexpr const char* kIdentifiedKey = "LIST_IDENTIFIED";

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A file new to the list: its path, names and folder, new (shown in "Latest Recordings").
void setNewFile(QAudioFileChunk* item, const QString& path)
{
    const QString fileName = fileNameOf(path);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    item->setFilePath(path.toStdString());
    item->setFileName(fileName.toStdString());
    item->setExtension(dot < 0 ? std::string() : fileName.mid(dot + 1).toStdString());
    item->setName((dot < 0 ? fileName : fileName.left(dot)).toStdString());
    item->setPreferencePath(QFileInfo(path).path().toStdString());
    item->setIsVideo(false);
    item->setIsNew(true);
    item->setBool(kStoredNewKey, true);
}

}  // namespace

RecordingLibrary::RecordingLibrary(RecordingJournal journal) : m_journal(std::move(journal)) {}

RecordingLibrary::~RecordingLibrary() = default;

RecordingLibrary::LoadResult RecordingLibrary::load()
{
    LoadResult result;
    const RecordingRecovery::Result recovery = RecordingRecovery::recover(m_journal);
    result.recovered = recovery.recovered;
    result.problems = recovery.problems;

    m_items.clear();
    m_recording = nullptr;
    const QVector<HistoryRecord> records = ParserXML::loadAllHistory();
    for (HistoryRecord record : records) {
        if (record.filePath.isEmpty() || !QFileInfo::exists(record.filePath)) {
            result.pruned.append(record.filePath);
            continue;
        }
        if (record.format.isEmpty()) {
            // Older records lack the format: read it from the file once and keep it.
            record.format = RecordingProbe::probe(record.filePath).container;
            if (!record.format.isEmpty()) {
                HistoryRecord stored = record;
                stored.isNew = false;
                ParserXML::addOrUpdateHistory(stored);
            }
        }
        auto item = std::make_unique<QAudioFileChunk>();
        item->fillFromHistoryRecord(record);
        item->setBool(kStoredNewKey, false);
        m_items.push_back(std::move(item));
    }
    ParserXML::removeHistories(result.pruned);
    result.listed = static_cast<int>(m_items.size());
    return result;
}

std::vector<QAudioFileChunk*> RecordingLibrary::entryItems(const ListEntry& entry) const
{
    std::vector<QAudioFileChunk*> shown;
    shown.reserve(m_items.size());
    for (const auto& item : m_items) {
        const bool in =
            entry.kind == ListEntry::Kind::All ||
            (entry.kind == ListEntry::Kind::Latest && item->isNew()) ||
            (entry.kind == ListEntry::Kind::PlayList && item->listNames().contains(entry.playList));
        if (in)
            shown.push_back(item.get());
    }
    return shown;
}

QAudioFileChunk* RecordingLibrary::find(const QString& path) const
{
    const std::string wanted = path.toStdString();
    for (const auto& item : m_items) {
        if (item->filePath() == wanted)
            return item.get();
    }
    return nullptr;
}

QAudioFileChunk* RecordingLibrary::beginRecording(const QString& path)
{
    m_journal.add(path);
    if (QAudioFileChunk* existing = find(path)) {
        // A piece recorded again at the same path (after a discarded split) keeps its row.
        m_recording = existing;
        existing->setRowState(QAudioFileChunk::Recording);
        return existing;
    }
    auto item = std::make_unique<QAudioFileChunk>();
    setNewFile(item.get(), path);
    item->setRowState(QAudioFileChunk::Recording);
    item->setFixedItem(true);
    item->setFlagB(false);
    m_recording = item.get();
    m_items.push_back(std::move(item));
    return m_recording;
}

RecordingLibrary::FinishOutcome RecordingLibrary::finishRecording(const FinishedRecording& done,
                                                                  bool applyDeleteRules,
                                                                  bool silent, Removed* removed)
{
    const QString path = done.record.filePath;
    m_journal.remove(path);
    QAudioFileChunk* item = find(path);
    if (!item) {
        item = beginRecording(path);
        m_journal.remove(path);
    }
    if (m_recording == item)
        m_recording = nullptr;
    // Tags identified while recording win over the session's record, which has none.
    const QAudioFileChunk identified = *item;
    item->fillFromHistoryRecord(done.record);
    if (identified.getBool(kIdentifiedKey)) {
        item->setName(identified.name());
        item->setArtist(identified.artist());
        item->setAlbum(identified.album());
        item->setGenre(identified.genre());
    }
    item->setIsNew(true);
    item->setBool(kStoredNewKey, true);
    item->setRowState(QAudioFileChunk::Idle);
    item->setFixedItem(false);
    completeFromFile(item, done.durationUs);

    if (applyDeleteRules && SilenceRules::discardsPiece(SilenceRules::readDeleteSettings(),
                                                        text(item->duration()), silent)) {
        ParserXML::removeHistory(path);
        deleteFile(item, removed);
        removed->paths.append(path);
        removed->items.push_back(detach(item));
        return FinishOutcome::Dropped;
    }
    store(item);
    return FinishOutcome::Kept;
}

void RecordingLibrary::setIdentified(QAudioFileChunk* item, const QString& title,
                                     const QString& artist, const QString& album,
                                     const QString& genre)
{
    const auto set = [](const QString& value, auto setter) {
        if (!value.isEmpty())
            setter(value.toStdString());
    };
    set(title, [item](std::string v) { item->setName(std::move(v)); });
    set(artist, [item](std::string v) { item->setArtist(std::move(v)); });
    set(album, [item](std::string v) { item->setAlbum(std::move(v)); });
    set(genre, [item](std::string v) { item->setGenre(std::move(v)); });
    item->setBool(kIdentifiedKey, true);
}

bool RecordingLibrary::setRecordingTags(const QString& title, const QString& artist,
                                        const QString& album, const QString& genre)
{
    if (!m_recording)
        return false;
    setIdentified(m_recording, title, artist, album, genre);
    return true;
}

bool RecordingLibrary::forgetRecordingTags()
{
    if (!m_recording)
        return false;
    setNewFile(m_recording, text(m_recording->filePath()));
    m_recording->setArtist(std::string());
    m_recording->setAlbum(std::string());
    m_recording->setGenre(std::string());
    m_recording->setBool(kIdentifiedKey, false);
    return true;
}

QAudioFileChunk* RecordingLibrary::setFinishedTags(const QString& path, const QString& title,
                                                   const QString& artist, const QString& album,
                                                   const QString& genre)
{
    QAudioFileChunk* item = find(path);
    if (!item)
        return nullptr;
    setIdentified(item, title, artist, album, genre);
    setTags(item, text(item->name()), text(item->artist()), text(item->album()),
            text(item->genre()));
    return item;
}

void RecordingLibrary::setPath(QAudioFileChunk* item, const QString& path)
{
    item->setFilePath(path.toStdString());
    item->setFileName(fileNameOf(path).toStdString());
}

QAudioFileChunk* RecordingLibrary::refreshSize(const QString& path)
{
    QAudioFileChunk* item = find(path);
    if (!item || item->rowState() == QAudioFileChunk::Recording)
        return nullptr;
    item->setSize(ListTexts::sizeText(QFileInfo(path).size()).toStdString());
    store(item);
    return item;
}

QAudioFileChunk* RecordingLibrary::relocate(const QString& oldPath, const QString& newPath)
{
    QAudioFileChunk* item = find(oldPath);
    if (item)
        setPath(item, newPath);
    return item;
}

RecordingLibrary::Removed RecordingLibrary::abandonRecording(const QString& path)
{
    Removed removed;
    m_journal.remove(path);
    QAudioFileChunk* item = find(path);
    if (item && item->rowState() == QAudioFileChunk::Recording) {
        if (m_recording == item)
            m_recording = nullptr;
        removed.paths.append(path);
        removed.items.push_back(detach(item));
    }
    return removed;
}

QAudioFileChunk* RecordingLibrary::addConvertedFile(const QString& path, const QString& format)
{
    QAudioFileChunk* item = find(path);
    if (!item) {
        auto made = std::make_unique<QAudioFileChunk>();
        item = made.get();
        m_items.push_back(std::move(made));
    }
    setNewFile(item, path);
    item->setFormat(format.isEmpty() ? RecordingProbe::probe(path).container.toStdString()
                                     : format.toStdString());
    item->setRowState(QAudioFileChunk::Idle);
    completeFromFile(item, 0);
    store(item);
    return item;
}

bool RecordingLibrary::setTags(QAudioFileChunk* item, const QString& title, const QString& artist,
                               const QString& album, const QString& genre)
{
    if (!item || std::none_of(m_items.begin(), m_items.end(),
                              [item](const auto& owned) { return owned.get() == item; }))
        return false;
    item->setName(title.toStdString());
    item->setArtist(artist.toStdString());
    item->setAlbum(album.toStdString());
    item->setGenre(genre.toStdString());
    // The stored record keeps what the item does not know (its cover, its playlists as stored).
    HistoryRecord record =
        ParserXML::findHistory(text(item->filePath())).value_or(item->toHistoryRecord());
    record.title = title;
    record.artist = artist;
    record.album = album;
    record.genre = genre;
    record.isNew = item->getBool(kStoredNewKey);
    return ParserXML::addOrUpdateHistory(record);
}

bool RecordingLibrary::rename(QAudioFileChunk* item, const QString& title, QString* oldPath)
{
    if (!item || item->rowState() == QAudioFileChunk::Recording)
        return false;
    const QString before = text(item->filePath());
    QString after;
    if (!RecordingFiles::renameRecording(before, title, &after))
        return false;
    setPath(item, after);
    ParserXML::renameHistory(before, after);
    *oldPath = before;
    return true;
}

RecordingLibrary::Removed RecordingLibrary::takeOut(const std::vector<QAudioFileChunk*>& items,
                                                    const ListEntry& entry, bool deleteFiles)
{
    Removed removed;
    std::vector<const QAudioFileChunk*> leaving;
    std::vector<const QAudioFileChunk*> changed;
    for (QAudioFileChunk* item : items) {
        if (!item || item->rowState() == QAudioFileChunk::Recording)
            continue;
        removed.paths.append(text(item->filePath()));
        if (deleteFiles)
            deleteFile(item, &removed);
        if (entry.kind == ListEntry::Kind::All || deleteFiles) {
            leaving.push_back(item);
        } else if (entry.kind == ListEntry::Kind::Latest) {
            item->setIsNew(false);
            item->setBool(kStoredNewKey, false);
            changed.push_back(item);
        } else {
            QStringList names = item->listNames();
            names.removeAll(entry.playList);
            item->setListNames(names);
            changed.push_back(item);
        }
    }
    storeAll(changed);
    QStringList leavingPaths;
    for (const QAudioFileChunk* item : leaving)
        leavingPaths.append(text(item->filePath()));
    // One rewrite of the history for the lot: "Delete All" may take thousands of rows.
    ParserXML::removeHistories(leavingPaths);
    detachAll(leaving, &removed);
    return removed;
}

void RecordingLibrary::addToPlayList(const QString& name, const QStringList& paths)
{
    std::vector<const QAudioFileChunk*> changed;
    for (const QString& path : paths) {
        QAudioFileChunk* item = find(path);
        if (!item || item->listNames().contains(name))
            continue;
        item->setListNames(item->listNames() + QStringList{name});
        changed.push_back(item);
    }
    storeAll(changed);
}

void RecordingLibrary::renamePlayList(const QString& oldName, const QString& newName)
{
    std::vector<const QAudioFileChunk*> changed;
    for (const auto& item : m_items) {
        QStringList names = item->listNames();
        if (!names.contains(oldName))
            continue;
        names.replaceInStrings(
            QRegularExpression(QStringLiteral("^%1$").arg(QRegularExpression::escape(oldName))),
            newName);
        names.removeDuplicates();
        item->setListNames(names);
        changed.push_back(item.get());
    }
    storeAll(changed);
}

RecordingLibrary::Removed RecordingLibrary::removePlayList(const QString& name, bool deleteFiles)
{
    const ListEntry entry = ListEntry::playListNamed(name);
    return takeOut(entryItems(entry), entry, deleteFiles);
}

void RecordingLibrary::removeAllPlayLists()
{
    std::vector<const QAudioFileChunk*> changed;
    for (const auto& item : m_items) {
        if (item->listNames().isEmpty())
            continue;
        item->setListNames({});
        changed.push_back(item.get());
    }
    storeAll(changed);
}

void RecordingLibrary::store(const QAudioFileChunk* item) const
{
    storeAll({item});
}

void RecordingLibrary::storeAll(const std::vector<const QAudioFileChunk*>& items) const
{
    QVector<HistoryRecord> records;
    records.reserve(static_cast<int>(items.size()));
    for (const QAudioFileChunk* item : items) {
        if (item->rowState() == QAudioFileChunk::Recording)
            continue;
        records.append(item->toHistoryRecord());
        records.back().isNew = item->getBool(kStoredNewKey);
    }
    ParserXML::addOrUpdateHistories(records);
}

void RecordingLibrary::completeFromFile(QAudioFileChunk* item, uint64_t fallbackUs) const
{
    const QString path = text(item->filePath());
    const RecordingProbe::Facts facts = RecordingProbe::probe(path);
    const uint64_t durationUs = facts.durationUs > 0 ? facts.durationUs : fallbackUs;
    item->setDuration(recordingDurationText(durationUs).toStdString());
    item->setCreateTime(ListTexts::fileCreateTime(path).toStdString());
    item->setSize(ListTexts::sizeText(QFileInfo(path).size()).toStdString());
    if (item->format().empty())
        item->setFormat(facts.codec.toStdString());
}

std::unique_ptr<QAudioFileChunk> RecordingLibrary::detach(const QAudioFileChunk* item)
{
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [item](const auto& owned) { return owned.get() == item; });
    if (it == m_items.end())
        return nullptr;
    std::unique_ptr<QAudioFileChunk> owned = std::move(*it);
    m_items.erase(it);
    return owned;
}

void RecordingLibrary::detachAll(std::vector<const QAudioFileChunk*> leaving, Removed* removed)
{
    std::sort(leaving.begin(), leaving.end());
    auto kept = std::stable_partition(m_items.begin(), m_items.end(), [&](const auto& owned) {
        return !std::binary_search(leaving.begin(), leaving.end(), owned.get());
    });
    for (auto it = kept; it != m_items.end(); ++it)
        removed->items.push_back(std::move(*it));
    m_items.erase(kept, m_items.end());
}

void RecordingLibrary::deleteFile(const QAudioFileChunk* item, Removed* removed) const
{
    QString error;
    if (!RecordingFiles::deleteRecording(text(item->filePath()), text(item->preferencePath()),
                                         &error))
        removed->deleteErrors.append(error);
}
