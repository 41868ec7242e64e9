#pragma once
// QPlayControlWgt: the play bar at the bottom of the main window. It owns the main window's
// player (NxQPlayObject) and a play list of file paths ('/' separators), and offers play,
// pause, previous, next, a progress slider (dragging it is silent: the volume is 0 until the
// release), the playing file's name, its position and duration, and a volume button with the
// volume pop-up.
//
// The recordings list and the playlists feed it through the main window; it reports which file
// plays (emitPlayingFilePath), whether it plays (emitPlayOrPauseState) and that the list ran
// out (emitFinishPlay: the last file ended by itself). A file can be closed for editing and
// opened again at the same place afterwards (OnCloseFileIfIsPlaying, OnContinuePlayAfterEdit).
// GUI thread only.

#include <QMouseEvent>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "qnxwidget.h"

class NxQPlayObject;
class QLabel;
class QNxBaseButton;
class QNxBaseSlider;
class QVolumeWidget;

class QPlayControlWgt : public QNxWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 64;
    static constexpr int kInitialVolume = 50;

    explicit QPlayControlWgt(QWidget* parent = nullptr);
    ~QPlayControlWgt() override;

    NxQPlayObject* player() const { return m_player; }
    QString currentPath() const { return m_currentPath; }
    QStringList playList() const { return m_playList; }
    // The pause button shows: the bar plays.
    bool isPlaying() const { return m_playing; }
    int volume() const { return m_volume; }
    // Loads path (added to the play list when missing) and plays it, as a click on a recording
    // does; false when it does not open.
    bool playFile(const QString& path);
    // Sets the volume as the pop-up's slider would, from a ratio 0..1.
    void setVolumeRatio(double ratio);
    bool hasRememberedPosition() const { return m_hasRememberedPosition; }
    uint64_t rememberedPosition() const { return m_rememberedPosition; }
    QString volumeIconPath() const { return m_volumeIcon; }

    QNxBaseButton* playButton() const { return m_btnPlay; }
    QNxBaseButton* pauseButton() const { return m_btnPause; }
    QNxBaseButton* previousButton() const { return m_btnPrevious; }
    QNxBaseButton* nextButton() const { return m_btnNext; }
    QNxBaseButton* volumeButton() const { return m_btnVolume; }
    QNxBaseSlider* progressSlider() const { return m_progress; }
    QVolumeWidget* volumePopup() const { return m_volumePopup; }
    QLabel* fileNameLabel() const { return m_lblFileName; }
    QLabel* positionLabel() const { return m_lblPosition; }
    QLabel* durationLabel() const { return m_lblDuration; }

signals:
    void emitPlayingFilePath(QString path);
    void emitPlayOrPauseState(bool bPlay);
    void emitFinishPlay();
    // Something a remote control shows changed: the file, playing or not, the list, the volume.
    void emitPlaybackChanged();

public slots:
    bool OnSetPlayFile(QString path);
    void OnSetPlayList(QStringList playList);
    void OnPlayOrPause(bool bPlay);
    void OnRenameAudioFile(QString oldPath, QString newPath);
    void OnCloseFileIfIsPlaying(QString path);
    void OnRemoveFiles(QStringList pathList);
    void OnRemoveAllFiles();
    void OnContinuePlayAfterEdit(bool bPlay);
    void OnAppendPlayList(QStringList playList);
    void OnBtnPlay();
    void OnBtnPause();
    void OnNext();
    void OnPrevious();
    void OnBtnVolume();
    void OnSetPlayProgress(double dVal);
    void OnVolumeChange(double dVal);
    void OnPressPlayProgressSlider(QMouseEvent* event);
    void OnReleasePlayProgressSlider(QMouseEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void layoutControls();
    void retranslateUi();
    // Shows the pause button (playing) or the play button.
    void showPlaying(bool playing);
    void play(bool announce);
    void pause(bool announce);
    // Loads the entry at index, or the first after it (forward) or before it that opens; the
    // index loaded, or -1 (and no current file) when none does. stopAtEnd: forward walks end
    // at the last entry instead of wrapping.
    int loadFrom(int index, bool forward, bool stopAtEnd);
    void playLoaded(int index);
    // The last file ended by itself: the list has run out.
    void finishList();
    // No file of the list opens.
    void stopAfterFailure();
    // Forgets the current file and empties its texts.
    void clearCurrent();
    void setVolumeIcon(double ratio);
    // Shows the file's name, elided to the room it has (the whole name as tool tip).
    void showFileName(const QString& name);

    NxQPlayObject* m_player = nullptr;
    QNxBaseButton* m_btnPlay = nullptr;
    QNxBaseButton* m_btnPause = nullptr;
    QNxBaseButton* m_btnPrevious = nullptr;
    QNxBaseButton* m_btnNext = nullptr;
    QNxBaseButton* m_btnVolume = nullptr;
    QNxBaseSlider* m_progress = nullptr;
    QLabel* m_lblFileName = nullptr;
    QLabel* m_lblPosition = nullptr;
    QLabel* m_lblDuration = nullptr;
    QVolumeWidget* m_volumePopup = nullptr;
    QString m_currentPath;
    QString m_fileName;
    QStringList m_playList;
    QString m_volumeIcon;
    int m_volume = kInitialVolume;
    uint64_t m_rememberedPosition = 0;
    // A position of 0 is a place to come back to too (a file closed before it played).
    bool m_hasRememberedPosition = false;
    bool m_playing = false;
};
