#pragma once
// QTrimItemChunk: one clip produced by the Trim tab: its file and the texts of its span
// ("%1:%2:%3.%4").

#include <string>

#include "ibasechunk.h"

class QTrimItemChunk : public IBaseChunk {
public:
    explicit QTrimItemChunk(bool withMutex = false) : IBaseChunk(withMutex) {}

    void setFilePath(std::string v) { m_filePath = std::move(v); }
    std::string filePath() const { return m_filePath; }
    void setFileName(std::string v) { m_fileName = std::move(v); }
    std::string fileName() const { return m_fileName; }
    void setStartTimeText(std::string v) { m_startTimeText = std::move(v); }
    std::string startTimeText() const { return m_startTimeText; }
    void setEndTimeText(std::string v) { m_endTimeText = std::move(v); }
    std::string endTimeText() const { return m_endTimeText; }
    void setDurationText(std::string v) { m_durationText = std::move(v); }
    std::string durationText() const { return m_durationText; }

private:
    std::string m_filePath;
    std::string m_fileName;
    std::string m_startTimeText;
    std::string m_endTimeText;
    std::string m_durationText;
};
