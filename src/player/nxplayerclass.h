#pragma once
// NxPlayerClass: a thin wrapper of one playback handle of the engine (CreatePlayer(-1), or -3
// for the engine's clock-paced output without sound). Every method tests the handle first and
// returns 0 or false without one. Release (destructor, or before a new handle): stop, close,
// destroy. GUI thread (or any one thread).

#include <QObject>
#include <QVector>

#include <cstdint>

class NxPlayerClass : public QObject {
    Q_OBJECT
public:
    explicit NxPlayerClass(int32_t mode = -1, QObject* parent = nullptr);
    ~NxPlayerClass() override;

    int32_t handle() const { return m_handle; }
    void release();

    bool open(const QByteArray& utf8Path, int32_t a, int32_t b, int64_t window = 0,
              int32_t reserved1 = 0, int32_t reserved2 = 0);
    bool play();
    bool pause();
    bool stop();
    bool close();
    bool seek(uint64_t positionUs);
    bool isFinished();
    // Playback ends exactly there (0 = the end of the file).
    bool setEndPosition(uint64_t endUs);
    uint64_t position();
    uint64_t duration();
    bool stepFrame(int32_t direction);
    bool refreshVideo();
    bool beginAsyncSeek(int64_t value);
    bool endAsyncSeek();
    bool setUpdateInterval(int32_t intervalUs);
    bool setPreviewMode(int32_t mode);
    bool setSoundVolume(int32_t percent);
    bool setRendererVolume(int32_t percent);
    bool setEffectLevelB(int32_t percent);
    bool setEffectLevelC(int32_t percent);
    bool setEqualizer(const QVector<double>& frequenciesHz, const QVector<double>& gainsDb);
    // A level block (GetRecorderLevelBlock's layout) or null; release it.
    const uint8_t* audioData(int32_t count);
    void releaseAudioData(const uint8_t* block);
    // The number of 16-bit levels in a level block: its byte count (seventh 32-bit word) / 2.
    static int levelCount(const uint8_t* block);
    bool hasPictureStream();
    bool hasSoundStream();
    bool isStepPaused();
    uint64_t framePosition();
    bool showCurrentFrame();
    bool setLevelData(bool enabled);
    // The engine's state (BRISCA_PLAYER_*) and its error text.
    int32_t state();
    QString errorText();
    // Why the last open failed.
    QString openError() const { return m_openError; }

private:
    int32_t m_handle = 0;
    QString m_openError;
};
