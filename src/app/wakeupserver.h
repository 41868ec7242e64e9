#pragma once
// Serves the wake-up messages of later starts of the program on a thread of its own, so that
// they are answered at once even while the GUI thread is still busy building the window (a
// slow start-up, a sanitizer build, a busy machine). Each message is acknowledged on that thread
// and handed on as messageReceived(), delivered on the thread that made the server.
//
// Made and destroyed on the GUI thread.

#include <QObject>
#include <QString>
#include <QThread>

class WakeUpListener;

class WakeUpServer : public QObject {
    Q_OBJECT
public:
    // The byte that acknowledges a message.
    static constexpr char kAck = '\x06';

    // Listens on the local socket `name`. `replace` removes a socket file left by an instance
    // that died; only the holder of the single-instance lock may do that.
    WakeUpServer(const QString& name, bool replace, QObject* parent = nullptr);
    ~WakeUpServer() override;

    bool isListening() const { return m_listening; }
    QString errorString() const { return m_error; }

signals:
    void messageReceived(const QString& message);

private:
    QThread m_thread;
    WakeUpListener* m_listener = nullptr;
    bool m_listening = false;
    QString m_error;
};
