#pragma once
// QHistoryChunk: an item that mirrors one history record (the file and its descriptive texts).
// Strings are UTF-8.

#include <string>

#include "ibasechunk.h"

class QHistoryChunk : public IBaseChunk {
public:
    explicit QHistoryChunk(bool withMutex = false) : IBaseChunk(withMutex) {}

    void setFilePath(std::string v) { m_filePath = std::move(v); }
    std::string filePath() const { return m_filePath; }
    void setFileName(std::string v) { m_fileName = std::move(v); }
    std::string fileName() const { return m_fileName; }
    void setArtist(std::string v) { m_artist = std::move(v); }
    std::string artist() const { return m_artist; }
    void setAlbum(std::string v) { m_album = std::move(v); }
    std::string album() const { return m_album; }
    void setGenre(std::string v) { m_genre = std::move(v); }
    std::string genre() const { return m_genre; }
    void setDuration(std::string v) { m_duration = std::move(v); }
    std::string duration() const { return m_duration; }
    void setSize(std::string v) { m_size = std::move(v); }
    std::string size() const { return m_size; }
    void setCreateTime(std::string v) { m_createTime = std::move(v); }
    std::string createTime() const { return m_createTime; }
    void setResolution(std::string v) { m_resolution = std::move(v); }
    std::string resolution() const { return m_resolution; }
    void setExtension(std::string v) { m_extension = std::move(v); }
    std::string extension() const { return m_extension; }
    void setFormat(std::string v) { m_format = std::move(v); }
    std::string format() const { return m_format; }
    void setIsVideo(bool v) { m_isVideo = v; }
    bool isVideo() const { return m_isVideo; }
    void setIsNew(bool v) { m_isNew = v; }
    bool isNew() const { return m_isNew; }

private:
    std::string m_filePath;
    std::string m_fileName;
    std::string m_artist;
    std::string m_album;
    std::string m_genre;
    std::string m_duration;
    std::string m_size;
    std::string m_createTime;
    std::string m_resolution;
    std::string m_extension;
    std::string m_format;
    bool m_isVideo = true;
    bool m_isNew = false;
};
