#pragma once
// QTrimWidget: the Trim tab of the edit dialog. The user marks a start and an end on the
// recording (buttons at the play position, typed times, or the range slider's handles),
// listens to the marked segment, and cuts it out ("Cut"): the marks go into the dialog's
// QVideoEditingSettings and emitConvertFile asks the dialog to convert. Every clip produced
// comes back through OnSetSaveFile and becomes a row of the clip list, where it can be picked
// (its marks become the current ones), played (double click) or deleted with its file. When
// the widget goes, emitSaveFile hands the list of produced files to whoever keeps them.
//
// It plays through the dialog's player directly (its NxPlayerClass), with its own 100 ms time
// tick and 50 ms level tick, rather than through the player manager's slots: the dialog hands
// the player over with setPlayer() after every file it loads. Without a player every control
// is disabled and every action does nothing.
//
// Marks follow TrimMarks (an end of 0 = to the end of the file; start 0 and end 0 = no marks).
// GUI thread only.

#include <QPointer>
#include <QStringList>

#include <cstdint>

#include "qnxwidget.h"
#include "trimmarks.h"

class NxPlayerClass;
class QAudioWaveWidget;
class QEditTimeEx;
class QLabel;
class QNxBaseButton;
class QNxTableView;
class QTimer;
class QTrimItemDelegate;
class QTrimItemModel;
class QTrimItemSortModel;
class QVEDualSlider;
class QVideoEditingSettings;

class QTrimWidget : public QNxWidget {
    Q_OBJECT
public:
    static constexpr int kTimeTickMs = 100;
    static constexpr int kLevelTickMs = 50;
    static constexpr int32_t kUpdateIntervalUs = 50000;

    explicit QTrimWidget(QWidget* parent = nullptr);
    // Sends emitSaveFile with every clip produced while the widget lived.
    ~QTrimWidget() override;

    // The dialog's edit choices; "Cut" writes the marks into its VEEditConfig.
    void setSettings(QVideoEditingSettings* settings);
    // The dialog calls this after loading a file, with its player (NxPlayerManager::player()).
    // A player with a playback handle: reads the duration, clears the marks, enables the
    // controls and starts playing; returns true. Null or a player without a handle: stops,
    // disables every control and returns false. The widget does not own the player and
    // forgets it when it is destroyed.
    bool setPlayer(NxPlayerClass* player);
    // Forgets the previous file: stops the ticks, clears marks and clip rows (the produced
    // files stay listed for emitSaveFile) and disables the controls until setPlayer().
    void refresh();

    const TrimMarks& marks() const { return m_marks; }
    QStringList savedFiles() const { return m_savedFiles; }
    bool isSegmentPlaying() const { return m_segmentPlaying; }
    QVEDualSlider* slider() const { return m_slider; }
    QEditTimeEx* startEdit() const { return m_editStart; }
    QEditTimeEx* endEdit() const { return m_editEnd; }
    QLabel* positionLabel() const { return m_labelPosition; }
    QLabel* durationLabel() const { return m_labelDuration; }
    QNxTableView* clipView() const { return m_clipView; }
    QTrimItemModel* clipModel() const { return m_model; }
    QTrimItemSortModel* clipSortModel() const { return m_sortModel; }
    QTrimItemDelegate* clipDelegate() const { return m_delegate; }
    QAudioWaveWidget* levelDisplay() const { return m_wave; }
    QNxBaseButton* playButton() const { return m_btnPlay; }
    QNxBaseButton* pauseButton() const { return m_btnPause; }
    QNxBaseButton* startSetButton() const { return m_btnStartSet; }
    QNxBaseButton* endSetButton() const { return m_btnEndSet; }
    QNxBaseButton* trimPlayButton() const { return m_btnTrimPlay; }
    QNxBaseButton* trimPauseButton() const { return m_btnTrimPause; }
    QNxBaseButton* trimStopButton() const { return m_btnTrimStop; }
    QNxBaseButton* cutButton() const { return m_btnCut; }

signals:
    void emitConvertFile();
    void emitPlayState(bool bPlay);
    void emitSaveFile(QStringList fileList);

public slots:
    // From the Effect tab: play or pause without telling it back.
    void OnSetPlayState(bool bPlay);
    void updateTime();
    void onAudioDataTime();
    void onPlayAudio();
    void onPauseAudio();
    void onPlay();
    void onPause();
    // Also when the dialog's player finishes.
    void OnStop();
    void onStartSet();
    void onEndSet();
    void onTrimPlay();
    void onTrimPause();
    void onTrimStop();
    void sliderSendPlayProToPlay(double value);
    void sliderStartValueChange(double value);
    void sliderEndValueChange(double value);
    void startTimeChanged(uint64_t time, bool bSeek = true);
    void endTimeChanged(uint64_t time, bool bSeek = true);
    void OnBtnAdd();
    void OnSetSaveFile(QString filePath);
    // The clip slots take indexes of the list as shown (the sort model).
    void OnShowItemTrimTime(QModelIndex index);
    void OnPlayTrimItem(QModelIndex index);
    void OnDeleteItem(QModelIndex index);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void retranslate();
    void resetControls(bool enabled);
    // Both ticks off, the level display cleared and hidden, play shown.
    void showStopped();
    void updateSegmentButtons(bool playing);
    // The marks into the editors and the slider's handles; "Cut" follows them.
    void showMarks();
    // The position and duration labels for a position.
    void showTimes(uint64_t positionUs);
    void seekTo(uint64_t us);
    // Seeks, and moves the position handle and the position text there.
    void seekAndShow(uint64_t us);
    uint64_t playPosition() const;

    QPointer<NxPlayerClass> m_player;
    QPointer<QVideoEditingSettings> m_settings;
    TrimMarks m_marks;
    // The marks of the last cut: the clip that comes back is that segment.
    TrimMarks m_cutMarks;
    bool m_segmentPlaying = false;
    bool m_levelDataEnabled = false;
    bool m_scrubbing = false;  // a slider handle is held
    QTimer* m_timeTimer = nullptr;
    QTimer* m_levelTimer = nullptr;

    QNxBaseButton* m_btnPlay = nullptr;
    QNxBaseButton* m_btnPause = nullptr;
    QNxBaseButton* m_btnStartSet = nullptr;
    QNxBaseButton* m_btnEndSet = nullptr;
    QNxBaseButton* m_btnTrimPlay = nullptr;
    QNxBaseButton* m_btnTrimPause = nullptr;
    QNxBaseButton* m_btnTrimStop = nullptr;
    QNxBaseButton* m_btnCut = nullptr;
    QVEDualSlider* m_slider = nullptr;
    QLabel* m_labelPosition = nullptr;
    QLabel* m_labelDuration = nullptr;
    QEditTimeEx* m_editStart = nullptr;
    QEditTimeEx* m_editEnd = nullptr;
    QNxTableView* m_clipView = nullptr;
    QTrimItemModel* m_model = nullptr;
    QTrimItemSortModel* m_sortModel = nullptr;
    QTrimItemDelegate* m_delegate = nullptr;
    QAudioWaveWidget* m_wave = nullptr;
    QStringList m_savedFiles;
};
