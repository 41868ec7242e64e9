#pragma once
// QAudioFileChunk: one row of the recordings list: a history item plus its row state, the
// icons of the states and the playlists that contain it.

#include <QStringList>

#include <string>

#include "historyrecord.h"
#include "qhistorychunk.h"

class QAudioFileChunk : public QHistoryChunk {
public:
    enum RowState : int32_t { Idle = 0, Recording = 1, Playing = 2, Paused = 3, FileMissing = 4 };

    explicit QAudioFileChunk(bool withMutex = false) : QHistoryChunk(withMutex) {}

    // Copies a history record into the item: filePath; fileName (after the last '/'); duration;
    // name from title; artist; album; genre; imagePath; size; createTime; resolution;
    // extension; format; isVideo; isNew; listNames; preferencePath.
    void fillFromHistoryRecord(const HistoryRecord& record);
    // The record the item stands for (the reverse of fillFromHistoryRecord), so that an update
    // of the history through the item keeps every stored field.
    HistoryRecord toHistoryRecord() const;

    void setRowState(int32_t state) { m_rowState = state; }
    int32_t rowState() const { return m_rowState; }
    void setRecordingIconPath(std::string v) { m_recordingIconPath = std::move(v); }
    std::string recordingIconPath() const { return m_recordingIconPath; }
    void setMissingIconPath(std::string v) { m_missingIconPath = std::move(v); }
    std::string missingIconPath() const { return m_missingIconPath; }
    void setPlayingIconPath(std::string v) { m_playingIconPath = std::move(v); }
    std::string playingIconPath() const { return m_playingIconPath; }
    void setPreferencePath(std::string v) { m_preferencePath = std::move(v); }
    std::string preferencePath() const { return m_preferencePath; }
    void setListNames(const QStringList& names) { m_listNames = names; }
    const QStringList& listNames() const { return m_listNames; }

    // The "KEY_BOOL_FIXEDITEM" property.
    bool isFixedItem() const { return getBool(kFixedItemKey); }
    void setFixedItem(bool fixed) { setBool(kFixedItemKey, fixed); }

private:
    int32_t m_rowState = Idle;
    std::string m_recordingIconPath;
    std::string m_missingIconPath;
    std::string m_playingIconPath;
    std::string m_preferencePath;  // the history record's preferencePath_
    QStringList m_listNames;
};
