#pragma once
// The tray icon of the recorder and its two context menus: the normal one ("Hidden (&H)",
// "Show Window (&S)", "Quit (&Q)") and the one used while recording ("Show Window", "Stop",
// "Cancel Schedule"), both headed by the next start of an armed schedule. The main window connects
// the actions. Qt shows the icon through the desktop's StatusNotifierItem host or the X tray; where
// there is neither, the icon is not shown and isAvailable() is false, and the window never hides
// itself. GUI thread only.

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class QAction;
class QNxMenu;

class RecorderTray : public QObject {
    Q_OBJECT
public:
    // `available` answers whether a tray exists now; empty asks Qt.
    explicit RecorderTray(std::function<bool()> available = {}, QObject* parent = nullptr);
    ~RecorderTray() override;

    bool isAvailable() const;
    void show();
    // Switches between the normal menu and the recording menu.
    void setRecording(bool recording);
    // The next start of an armed schedule, shown (not clickable) at the top of both menus;
    // empty hides it.
    void setNextStart(const QString& text);
    QAction* nextStartAction() const { return m_actNextStart; }
    // Sets the menus' texts again in the language in place (the window calls it when the
    // language changes: actions get no LanguageChange event of their own).
    void retranslate();
    bool isRecording() const { return m_recording; }

    QSystemTrayIcon* icon() const { return m_icon; }
    QNxMenu* normalMenu() const { return m_normalMenu; }
    QNxMenu* recordingMenu() const { return m_recordingMenu; }
    QAction* hideAction() const { return m_actHide; }
    QAction* showAction() const { return m_actShow; }
    QAction* quitAction() const { return m_actQuit; }
    QAction* showWindowAction() const { return m_actShowWindow; }
    QAction* stopAction() const { return m_actStop; }
    QAction* cancelScheduleAction() const { return m_actCancelSchedule; }

private:
    std::function<bool()> m_available;
    QSystemTrayIcon* m_icon = nullptr;
    QNxMenu* m_normalMenu = nullptr;
    QNxMenu* m_recordingMenu = nullptr;
    QAction* m_actHide = nullptr;
    QAction* m_actShow = nullptr;
    QAction* m_actQuit = nullptr;
    QAction* m_actShowWindow = nullptr;
    QAction* m_actStop = nullptr;
    QAction* m_actCancelSchedule = nullptr;
    QAction* m_actNextStart = nullptr;
    bool m_recording = false;
};
