#pragma once
// NxQPlayObject: the main window's player for the recordings list and playlists; the play
// control bar drives it. One engine playback handle, three QTimers (time 100 ms while
// playing, screen 50 ms while not, levels 50 ms while playing a sound file). GUI thread only.
//
// State (state()): 1 playing, 2 paused, 3 finished by itself, 4 stopped, 5 failed to start.
//
// Signals:
//   emitPlayTime(text), emitCurPlayTime(text)  "hh:mm:ss / hh:mm:ss" position / duration
//   emitAudioData(block, n)  a level block with n levels, valid during the signal; null clears
//   emitPlayFinish()         the display was reset (end of file, failed start, close)
//   emitIsHaveVideo(has)     after a start: picture file (true) or sound file (false)
//   emitPlayState(playing)   pause pressed (false)
//   emitPlayPro(ratio)       position / duration
//   emitClosePlay()          the file was closed
//   emitRefreshPlayView()    a new file is about to be opened
//   emitCoverImage(image)    the opened file's cover (null when it has none)

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

class NxPlayerClass;

class NxQPlayObject : public QObject {
    Q_OBJECT
public:
    enum State { Playing = 1, Paused = 2, Finished = 3, Stopped = 4, FailedToStart = 5 };

    explicit NxQPlayObject(QObject* parent = nullptr);
    ~NxQPlayObject() override;

    int state() const { return m_state; }
    uint64_t position() const;
    uint64_t duration() const;
    // Stops and closes the file, for a file that is removed or taken for editing.
    void stopAndCloseFile();
    QString lastError() const { return m_error; }
    // The volume last applied, in percent.
    int soundVolume() const { return int(m_volume); }

signals:
    void emitPlayTime(QString time);
    void emitCurPlayTime(QString time);
    void emitAudioData(unsigned char* data, int sps);
    void emitPlayFinish();
    void emitIsHaveVideo(bool bHave);
    void emitPlayState(bool bPlay);
    void emitPlayPro(double pro);
    void emitClosePlay();
    void emitRefreshPlayView();
    void emitCoverImage(QImage image);

public slots:
    // Volume in percent (0..100), applied to the samples.
    void setSoundVolume(int value);
    // Seeks to duration x ratio (0 below 1e-8).
    void ProgressValueChange(double ratio);
    void setPlayerSeek(uint64_t positionUs);
    void OnBtnStop();
    void closePlay();
    void OnPlayVideo();
    void OnPauseVideo();
    // Opens path without playing (a, b: tracks, 0 and 0 from the play bar).
    bool StartPlay(QString path, int a, int b);
    void pausePlay();
    void ResizeVideoWindow(bool keepScale);
    QImage getCoverImage(QString filePath);
    void beginAsyncSeek();
    void endAsyncSeek();
    void UpdateTime();
    void UpdataScreen();
    void OnAudioDataTime();

private:
    void emitTimes(uint64_t positionUs);
    void stopTimers();
    void pauseTimers();

    NxPlayerClass* m_player;
    int m_state = Stopped;
    QTimer* m_timeTimer;
    QTimer* m_screenTimer;
    QTimer* m_levelTimer;
    double m_volume = 100.0;
    bool m_levelDataEnabled = false;
    bool m_keepScale = true;
    QString m_error;
};
