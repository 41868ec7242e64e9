#pragma once
// RecordingLibrary: every recording the list knows, with the rules that keep them and the
// history file in step. It owns one QAudioFileChunk per recording, in history order, and
// answers which of them an entry shows (all, the latest, a playlist). The widgets show what it
// holds; everything that changes the history or the files on disk happens here, so it can be
// tested without a window.
//
// Items leave the library as unique_ptrs in Removed, so that a view can drop its rows before
// the items go. GUI thread only.

#include <QStringList>

#include <memory>
#include <vector>

#include "irecordingsink.h"
#include "listentry.h"
#include "qaudiofilechunk.h"
#include "recordingjournal.h"

class RecordingLibrary {
public:
    struct LoadResult {
        int listed = 0;
        QStringList pruned;     // records dropped: their files are gone
        QStringList recovered;  // files a crash cut off, recovered from the journal
        QStringList problems;   // what went wrong while recovering ("<path>: <why>")
    };
    struct Removed {
        std::vector<std::unique_ptr<QAudioFileChunk>> items;  // gone from the library
        QStringList paths;                                    // every file taken out
        QStringList deleteErrors;                             // files that stayed on disk
    };
    enum class FinishOutcome { Kept, Dropped, NotListed };

    explicit RecordingLibrary(RecordingJournal journal = RecordingJournal());
    ~RecordingLibrary();

    // Recovers the journal's files, then lists the history: records whose files are gone are
    // removed from it, records without a format get it from the file and are stored again.
    LoadResult load();

    const std::vector<std::unique_ptr<QAudioFileChunk>>& items() const { return m_items; }
    std::vector<QAudioFileChunk*> entryItems(const ListEntry& entry) const;
    QAudioFileChunk* find(const QString& path) const;
    RecordingJournal& journal() { return m_journal; }

    // The recorder started a file: a row in the recording state, noted in the journal.
    QAudioFileChunk* beginRecording(const QString& path);
    QAudioFileChunk* recordingItem() const { return m_recording; }
    // The recorder finished the file. With applyDeleteRules the user's delete rules decide
    // (too short, or silent throughout when `silent`); a dropped file goes to the trash and
    // leaves the history. A kept one gets its fields from the file and is stored.
    FinishOutcome finishRecording(const FinishedRecording& done, bool applyDeleteRules, bool silent,
                                  Removed* removed);
    // Music identified in the recording that runs now: its title (the item's name), artist,
    // album and genre. Kept when the recording finishes (and stored then); empty texts leave
    // the field alone. False when no recording runs.
    bool setRecordingTags(const QString& title, const QString& artist, const QString& album,
                          const QString& genre);
    // The piece being recorded was thrown away and its path records again: the music identified
    // in it is forgotten, the row shows the file's name. False when no recording runs.
    bool forgetRecordingTags();
    // Music identified in a finished recording: as setRecordingTags, and stored in its history
    // record. The item, or null when path is not listed.
    QAudioFileChunk* setFinishedTags(const QString& path, const QString& title,
                                     const QString& artist, const QString& album,
                                     const QString& genre);
    // The file at path was rewritten in place: its size is read again and stored. The item, or
    // null when path is not listed.
    QAudioFileChunk* refreshSize(const QString& path);
    // The file of the item at oldPath was moved to newPath (the history already says so). The
    // item, or null when oldPath is not listed.
    QAudioFileChunk* relocate(const QString& oldPath, const QString& newPath);
    // The recording at path failed before it wrote a file: its row goes.
    Removed abandonRecording(const QString& path);

    // A file a conversion job produced becomes a recording: new (shown in "Latest
    // Recordings"), its fields read from the file, stored in the history. `format` is the
    // format name to show (empty: the file's container). A path already listed is refreshed.
    QAudioFileChunk* addConvertedFile(const QString& path, const QString& format);
    // Tags edited for the recording: its title, artist, album and genre replace those of its
    // history record (read and written back; other fields stay) and of the item. False when
    // the item is not in the library.
    bool setTags(QAudioFileChunk* item, const QString& title, const QString& artist,
                 const QString& album, const QString& genre);

    // Renames the item's file (see RecordingFiles::renameRecording) and the stored path.
    // False when nothing changed. *oldPath receives the path before.
    bool rename(QAudioFileChunk* item, const QString& title, QString* oldPath);
    // Takes the items out of `entry` (rows being recorded are skipped): from the history and
    // every entry for "all", the new mark for "latest", the playlist's name for a playlist.
    // deleteFiles also moves the files to the trash and tidies their folders.
    Removed takeOut(const std::vector<QAudioFileChunk*>& items, const ListEntry& entry,
                    bool deleteFiles);
    // Adds the playlist's name to each item (by path) and stores it.
    void addToPlayList(const QString& name, const QStringList& paths);
    void renamePlayList(const QString& oldName, const QString& newName);
    // Takes every item out of the playlist; deleteFiles takes them out of the library too.
    Removed removePlayList(const QString& name, bool deleteFiles);
    void removeAllPlayLists();

private:
    void store(const QAudioFileChunk* item) const;
    static void setIdentified(QAudioFileChunk* item, const QString& title, const QString& artist,
                              const QString& album, const QString& genre);
    static void setPath(QAudioFileChunk* item, const QString& path);
    // One rewrite of the history for the lot (rows being recorded are left out).
    void storeAll(const std::vector<const QAudioFileChunk*>& items) const;
    void completeFromFile(QAudioFileChunk* item, uint64_t fallbackUs) const;
    std::unique_ptr<QAudioFileChunk> detach(const QAudioFileChunk* item);
    void detachAll(std::vector<const QAudioFileChunk*> leaving, Removed* removed);
    void deleteFile(const QAudioFileChunk* item, Removed* removed) const;

    RecordingJournal m_journal;
    std::vector<std::unique_ptr<QAudioFileChunk>> m_items;
    QAudioFileChunk* m_recording = nullptr;
};
