#pragma once
// NxInfoClass: a thin wrapper of one media-information handle of the engine. Every method
// tests the handle first and returns 0, false, null or an empty text without one, else the
// engine's answer unchanged. The handle is made with CreateMediaInfo(-1) and released (close,
// destroy) by the destructor. GUI thread (or any one thread).

#include <QObject>

#include <cstdint>

struct BriscaEntry;

class NxInfoClass : public QObject {
    Q_OBJECT
public:
    explicit NxInfoClass(QObject* parent = nullptr);
    ~NxInfoClass() override;

    int32_t handle() const { return m_handle; }

    bool OpenMediaInfo(const QByteArray& utf8Path);
    bool OpenMediaInfoDisc(const QByteArray& utf8Path);
    bool SelectDiscTitle(int32_t title);
    bool HasVideoStream();
    int32_t GetMediaInfoValueA();
    int32_t GetMediaInfoValueB();
    // Null when absent; valid until the next open.
    const BriscaEntry* GetMetadataEntry(const char* key);
    // A BMP file in memory (its size is the 32-bit value at byte 2); release it.
    const uint8_t* ExtractVideoFrame(int64_t positionUs = 0);
    void ReleaseVideoFrame(const uint8_t* bmp);
    bool IsAudioTrackIndexValid(int32_t index = -1);
    bool IsSubtitleIndexValid(int32_t index = -1);
    QString GetSubtitleInfoValue(int32_t index = -1);
    int32_t GetChapterCount();
    uint64_t GetChapterStart(int32_t index);
    uint64_t GetChapterDuration(int32_t index);
    QString GetChapterValue(int32_t index);
    uint64_t GetMediaDuration();
    // Why the last call failed (the engine's text).
    QString lastError() const;

private:
    int32_t m_handle = 0;
};
