#pragma once
// A QApplication that knows whether another instance of the same program (same executable
// path, same user) already runs, and can wake it with a message.
//
// The first instance holds a lock file and serves a local socket (WakeUpServer, on a thread of
// its own); a later one finds the lock held by another process, connects, sends its message and
// waits for the first to acknowledge it, retrying until its time-out while the first is not
// listening yet. A lock file that cannot be used at all (read-only or full runtime folder) does
// not stop the program: it starts, with a warning. Both names are derived from the executable's
// path and the user, so two builds of the program in different places do not see each other.
//
// Debian's SingleApplication library is built on QCoreApplication, so it cannot be the base
// of a widgets application; this class does the same job on Qt Network.

#include <QApplication>
#include <QLockFile>
#include <QPointer>

#include <memory>

class QDeadlineTimer;
class QWidget;
class WakeUpServer;

class SingleInstanceApplication : public QApplication {
    Q_OBJECT
public:
    SingleInstanceApplication(int& argc, char** argv);
    ~SingleInstanceApplication() override;

    // True when another instance owns the single-instance lock. The first call decides; the
    // first instance starts serving wake-up messages then.
    bool isRunning();
    // Sends a message to the running instance; true when it acknowledged it within timeoutMs.
    bool sendMessage(const QString& message, int timeoutMs);
    // The window woken by messages; with activateOnMessage every message calls activateWindow().
    void setActivationWindow(QWidget* window, bool activateOnMessage = true);

signals:
    void messageReceived(const QString& message);

public slots:
    // Restores the activation window from minimised, raises and activates it. A window hidden
    // to the tray stays hidden.
    void activateWindow();

private:
    bool deliver(const QString& message, const QDeadlineTimer& deadline);

    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    WakeUpServer* m_server = nullptr;
    QPointer<QWidget> m_window;
    bool m_decided = false;
    bool m_running = false;
};
