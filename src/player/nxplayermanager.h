#pragma once
// NxPlayerManager: the edit dialog's player. It plays one file through an NxPlayerClass and
// keeps a play range (the part being trimmed): every time it reports is relative to the range
// start, and playback stops (rewinding to the range start) when it passes the range end. A
// segment of the range can be played on its own; it pauses exactly at the segment end.
//
// GUI thread only. Three QTimers drive it while a file is open:
//   time timer   100 ms while playing      -> updateTime()
//   screen timer  50 ms while not playing  -> updataScreen() (pictures only; idle for sound)
//   level timer   50 ms while playing with level data -> audioDataChanged()
// The slots may also be called directly (tests do so instead of waiting for timers).
//
// Signals (all positions in microseconds, ratios 0..1 of the range's duration):
//   emitPlayProgress(ratio)        the position, as a ratio
//   emitStartEndProgressValue(pct) the position in percent, after a frame step
//   emitPlayFinish()               the display was reset (stop, end of range or file, close)
//   emitPlayTime(text)             "hh:mm:ss / hh:mm:ss" position / range duration
//   emitPlayTime2(text)            the same with milliseconds
//   emitAudioData(block, n)        a level block (layout of GetRecorderLevelBlock) with n
//                                  levels, valid only during the signal; null clears
//   emitClosePlay()                the file was closed
//   emitPlayState(playing)         play or pause took effect (false also when play failed)
//   emitIsHaveVideo(has)           after open: picture file (true) or sound file (false)
//   emitPlayerChange()             a file was opened
//   emitTrimPlayState(playing)     a segment play started or ended
//   emitTrimTimeChange(start, end) the range changed (0, 0 = none)

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

#include "veeditconfig.h"

class NxInfoClass;
class NxPlayerClass;

class NxPlayerManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeTickMs = 100;
    static constexpr int kScreenTickMs = 50;
    static constexpr int kLevelTickMs = 50;
    static constexpr int32_t kUpdateIntervalUs = 50000;
    static constexpr int64_t kAsyncSeekValue = 2000000;

    explicit NxPlayerManager(QObject* parent = nullptr);
    ~NxPlayerManager() override;

    // Opens path (a, b: the audio and subtitle tracks, as GetMediaInfoValueA/B; mode: the
    // preview mode, 3 from the edit dialog). Seeks to the range start. False when the file
    // does not open; lastError() then says why.
    bool open(const QString& path, int a = 0, int b = -1, int mode = 3);
    // The range's duration: the file's without a range, end - start with one, or file
    // duration - start when the range has no end.
    uint64_t durationOfRange();
    NxPlayerClass* player() const { return m_player; }
    void setLevelDataCount(int count) { m_levelDataCount = count; }
    QString lastError() const { return m_error; }
    bool isRangeActive() const { return m_rangeActive; }
    uint64_t rangeStart() const { return m_rangeStart; }
    uint64_t rangeEnd() const { return m_rangeEnd; }
    // Applies the effect levels and equalizer of an edit configuration (heard at once).
    void applyEffects(const VEEditConfig& config);

signals:
    void emitPlayProgress(double ratio);
    void emitStartEndProgressValue(float percent);
    void emitPlayFinish();
    void emitPlayTime(QString text);
    void emitPlayTime2(QString text);
    void emitAudioData(unsigned char* data, int sps);
    void emitClosePlay();
    void emitPlayState(bool bPlay);
    void emitIsHaveVideo(bool bHave);
    void emitPlayerChange();
    void emitTrimPlayState(bool playing);
    void emitTrimTimeChange(uint64_t trimStartTime, uint64_t trimEndTime);

public slots:
    // Seeks to range start + range duration x value.
    void progressValueChange(double value);
    void beginAsyncSeek();
    void endAsyncSeek();
    void onStop();
    void onPlay();
    void onPause();
    void closePlay();
    void startPlay();
    void pausePlay();
    // Plays the part of the range between two ratios of it; pauses at its end.
    void onTrimPlay(float startPos, float endPos);
    void onTrimPause();
    void onPreviousStep(bool isSeek, float pos);
    void onNextStep(bool isSeek, float pos);
    void onTrim(uint64_t startTime, uint64_t endTime);
    void onTrimChapter(uint64_t startTime, uint64_t endTime);
    void onReset();
    void setSoundVolume(int value);
    void setAudioRendererVolume(int value);
    void updateTime();
    void updataScreen();
    void audioDataChanged();

private:
    void emitTimes(uint64_t relativeUs);
    void resetDisplay();
    void stopTimersForPause();
    void decideMode();
    void releasePlayer();
    void applyEffectsToPlayer();
    // The engine ends playback exactly at the segment end or the range end.
    void applyEnd();
    void step(bool next, bool isSeek, float pos);
    uint64_t relative(uint64_t positionUs) const;

    NxPlayerClass* m_player = nullptr;
    NxInfoClass* m_streamInfo = nullptr;
    QTimer* m_timeTimer = nullptr;
    QTimer* m_screenTimer = nullptr;
    QTimer* m_levelTimer = nullptr;
    bool m_levelDataEnabled = true;
    int32_t m_a = 0;
    int32_t m_b = -1;
    int32_t m_soundVolume = 100;
    int32_t m_rendererVolume = 100;
    int32_t m_levelDataCount = 1;
    uint64_t m_rangeStart = 0;
    uint64_t m_rangeEnd = 0;
    uint64_t m_segmentStart = 0;
    uint64_t m_segmentEnd = 0;
    bool m_segmentPlaying = false;
    bool m_rangeActive = false;
    VEEditConfig m_effects;  // levels B, C and the equalizer, re-applied on every open
    QString m_error;
};
