#include "singleinstanceapplication.h"

#include "wakeupserver.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <unistd.h>

namespace {

QString instanceName()
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QCoreApplication::applicationFilePath().toUtf8());
    hash.addData(QByteArray::number(qulonglong(::getuid())));
    return QStringLiteral("quillon-%1").arg(QString::fromLatin1(hash.result().toHex().left(16)));
}

}  // namespace

SingleInstanceApplication::SingleInstanceApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_serverName(instanceName())
{
}

SingleInstanceApplication::~SingleInstanceApplication() = default;

bool SingleInstanceApplication::isRunning()
{
    if (m_decided)
        return m_running;
    m_decided = true;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QString lockPath = dir + QLatin1Char('/') + m_serverName + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    // A lock left by a crashed instance is taken over: QLockFile checks whether its owner lives.
    const bool locked = m_lock->tryLock(0);
    // Only a lock another process holds means that another instance runs.
    m_running = !locked && m_lock->error() == QLockFile::LockFailedError;
    if (m_running)
        return true;
    if (!locked) {
        qWarning("single instance: cannot use the lock file %s; starting anyway",
                 qPrintable(lockPath));
    }
    m_server = new WakeUpServer(m_serverName, locked, this);
    if (m_server->isListening()) {
        connect(m_server, &WakeUpServer::messageReceived, this,
                &SingleInstanceApplication::messageReceived);
    } else {
        qWarning("single instance: cannot listen on %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
    }
    return false;
}

bool SingleInstanceApplication::sendMessage(const QString& message, int timeoutMs)
{
    if (!isRunning())
        return false;
    // The first instance may hold the lock but not serve yet, or drop a connection it was
    // replacing: keep trying until the deadline.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (deliver(message, deadline))
            return true;
        QThread::msleep(50);
    }
    return false;
}

// One attempt: connect, send, wait for the acknowledgement.
bool SingleInstanceApplication::deliver(const QString& message, const QDeadlineTimer& deadline)
{
    auto remaining = [&deadline] { return int(qMax<qint64>(deadline.remainingTime(), 1)); };
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(remaining()))
        return false;
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << message;
    socket.write(frame);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    return socket.read(1) == QByteArray(1, WakeUpServer::kAck);
}

void SingleInstanceApplication::setActivationWindow(QWidget* window, bool activateOnMessage)
{
    m_window = window;
    disconnect(this, &SingleInstanceApplication::messageReceived, this,
               &SingleInstanceApplication::activateWindow);
    if (activateOnMessage) {
        connect(this, &SingleInstanceApplication::messageReceived, this,
                &SingleInstanceApplication::activateWindow);
    }
}

void SingleInstanceApplication::activateWindow()
{
    if (!m_window)
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}
