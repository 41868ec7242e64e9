#pragma once
// The recorder's single top-level window and the controller that ties it together: title bar
// with the main menu, the record controls (start, stop, cut, format, schedule), the inputs
// panel, the places of the playlists, the recordings list and the play bar, the recording
// display, the tray icon with its menus, the close question, and the schedule countdown.
//
// Recording itself is the RecorderController's; the window starts, stops, cuts and splits
// through it and shows the state. Finished recordings go to the IRecordingSink of the services
// (the recordings list, when it exists). GUI thread only; one per process.

#include <QDateTime>
#include <QSystemTrayIcon>

#include <cstdint>
#include <memory>

#include "mainwindowservices.h"
#include "qnxmainwindow.h"

class IBaseChunk;
class MediaPlayerControl;
class QAction;
class QFileListWgt;
class QLibraryPlayListWgt;
class QPlayControlWgt;
class RemotePlayerService;
class QNxBaseButton;
class QNxMenu;
class QNxWidget;
class QRecordObject;
class QRecordingWidget;
class QScheduleTipWidget;
class QTimer;
class RecorderController;
class RecorderTray;
class ScheduleCountdown;
class SelectRecordInputWgt;
class UpdateChecker;
struct UpdateCheckResult;

class MainWindow : public QNxMainWindow {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 400;
    static constexpr int kCountdownMs = 300;

    explicit MainWindow(QWidget* parent = nullptr, MainWindowServices services = {});
    ~MainWindow() override;

    bool isRecording() const { return m_bRecording; }
    bool isScheduleActive() const { return m_bScheduleActive; }
    bool isClosing() const { return m_closing; }
    RecorderController* recorder() const { return m_recorder; }
    RecorderTray* tray() const { return m_tray; }
    SelectRecordInputWgt* inputsPanel() const { return m_inputs; }
    QRecordingWidget* recordingDisplay() const { return m_recordingWidget; }
    QNxWidget* playerArea() const { return m_playerArea; }
    QFileListWgt* fileList() const { return m_fileList; }
    QLibraryPlayListWgt* playListPanel() const { return m_playLists; }
    QPlayControlWgt* playBar() const { return m_playBar; }
    MediaPlayerControl* remotePlayerControl() const { return m_playRemote; }
    QScheduleTipWidget* countdownTip() const { return m_countdownTip; }
    const ScheduleCountdown& countdown() const { return *m_countdown; }
    QNxMenu* mainMenu() const { return m_mainMenu; }
    UpdateChecker* updateChecker() const { return m_updates; }

signals:
    void emitFormatChange(bool bVideoMode);
    // The user chose to leave the program (Exit, Quit in the tray); main() ends the event loop.
    void emitQuit();

public slots:
    void OnShowDlg();
    void OnShowMax() override;
    void OnShowMin() override;
    void OnShowRestored() override;
    void OnMenu();
    void OnClose() override;
    void ActOnHome();
    void ActOnHelp();
    void ActOnAbout();
    void ActOnPreferDlg();
    void ActOnUpdates();
    void ActShowLog();
    void OnFormatDlg();
    void OnResetFormat();
    void OnShowScheduleDlg();
    void OnBtnStart();
    void OnBtnStop(bool bSuccess = true);
    void OnStartRecord();
    void OnContinueRecord();
    void OnPauseRecord();
    void OnStopRecord(bool bSuccess = true, bool bFailUpdate = true);
    void OnCutRecord();
    void OnSplitSilence();
    void ArcTaryPause();
    void OnSetAutoUpdate(bool bUpdate);
    void OnRecordTimeOperate(uint64_t time);
    void OnSetSchedule();
    void OnBtnCancelSchedule();
    void OnTimer();
    void OnCloseScheduleTip(int n);
    void OnChangeBottomWgt(bool bPlay);
    void OnIconActivated(QSystemTrayIcon::ActivationReason reason);
    void HideRecorerDlg();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Construction (mainwindow.cpp).
    void buildControls();
    void buildLayout();
    void buildMainMenu();
    void buildTray();
    void connectControls();
    void setRecordControlsIdle(bool idle);
    void retranslateUi();
    bool titleBarDoubleClick(QEvent* event);
    // Messages that do not block the window (the recording goes on behind them).
    void showMessage(const QString& text);
    void openPage(const QUrl& url);
    void startUpdateCheck(bool manual);
    void showUpdateResult(const UpdateCheckResult& result);

    // The recordings list (mainwindow_library.cpp).
    void buildLibrary();
    void noticeRecoveredRecordings(const QStringList& recovered, const QStringList& problems);

    // Closing (mainwindow_close.cpp).
    void fadeOutAndQuit();
    void hideOrMinimize();
    void quitFromTray();

    // Recording (mainwindow_record.cpp).
    void onRecordingEndedByFailure(const QString& reason);
    void onRecordingFailedToStart(const QString& reason);
    void onSplitAtNewTrack(const QString& newPath);
    // A desktop notification, unless a window of the program has the focus.
    void notifyUnlessFocused(const QString& summary, const QString& body);
    // Stops the recording that a rule ended (schedule, set length) and tells the user.
    void stopByRule(const QString& summary);

    // Playback (mainwindow_playback.cpp).
    void buildPlayback();
    void connectPlayListsToList();
    void connectListToPlayBar();
    void playLibraryEntry(IBaseChunk* item);
    // While recording nothing plays and the playlists panel is busy.
    void setPlaybackRecordingState(bool recording);

    // Schedule (mainwindow_schedule.cpp).
    void resetScheduleIndicator();
    void switchScheduleOff();
    void showScheduleHoverTip(bool show);
    // A repeating schedule: what the tip and the tray say about its next start.
    QString nextStartText() const;
    void showNextStart();

    MainWindowServices m_services;
    RecorderController* m_recorder = nullptr;
    std::unique_ptr<ScheduleCountdown> m_countdown;
    SelectRecordInputWgt* m_inputs = nullptr;
    QRecordingWidget* m_recordingWidget = nullptr;
    QNxWidget* m_playerArea = nullptr;
    QNxWidget* m_listArea = nullptr;
    QFileListWgt* m_fileList = nullptr;
    QNxWidget* m_playlistArea = nullptr;
    QLibraryPlayListWgt* m_playLists = nullptr;
    QPlayControlWgt* m_playBar = nullptr;
    MediaPlayerControl* m_playRemote = nullptr;
    // A member, so it goes before the child objects, among them the control it publishes.
    std::unique_ptr<RemotePlayerService> m_remotePlayer;
    QNxBaseButton* m_btnMenu = nullptr;
    QNxBaseButton* m_btnFormat = nullptr;
    QNxBaseButton* m_btnSchedule = nullptr;
    QNxBaseButton* m_btnCancelSchedule = nullptr;
    QNxBaseButton* m_btnStartRecord = nullptr;
    QNxBaseButton* m_btnStopRecord = nullptr;
    QNxBaseButton* m_btnCut = nullptr;
    QNxMenu* m_mainMenu = nullptr;
    QAction* m_actPreferences = nullptr;
    QAction* m_actHelp = nullptr;
    QAction* m_actHome = nullptr;
    QAction* m_actAbout = nullptr;
    QAction* m_actUpdates = nullptr;
    RecorderTray* m_tray = nullptr;
    QTimer* m_countdownTimer = nullptr;
    QTimer* m_autoUpdateTimer = nullptr;
    QScheduleTipWidget* m_countdownTip = nullptr;
    QScheduleTipWidget* m_hoverTip = nullptr;
    UpdateChecker* m_updates = nullptr;
    bool m_bRecording = false;
    bool m_bScheduleActive = false;
    bool m_bFirstScheduleOpen = true;
    bool m_closing = false;
    bool m_manualUpdateCheck = false;
};
