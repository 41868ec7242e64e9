#include "singleinstanceapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <unistd.h>

namespace {

constexpr char kAck = '\x06';

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
    m_lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + m_serverName
                                         + QStringLiteral(".lock"));
    // A lock left by a crashed instance is taken over: QLockFile checks whether its owner lives.
    m_running = !m_lock->tryLock(0);
    if (m_running)
        return true;
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_serverName);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(m_serverName)) {
        connect(m_server, &QLocalServer::newConnection, this,
                &SingleInstanceApplication::onNewConnection);
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
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The first instance may hold the lock but not serve yet: keep trying until the deadline.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 0))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << message;
    socket.write(frame);
    if (!socket.waitForBytesWritten(int(qMax<qint64>(deadline.remainingTime(), 1))))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))
            return false;
    }
    return socket.read(1) == QByteArray(1, kAck);
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

void SingleInstanceApplication::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        readMessage(socket);
    }
}

void SingleInstanceApplication::readMessage(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QString message;
    in >> message;
    if (!in.commitTransaction())
        return;
    socket->write(QByteArray(1, kAck));
    socket->flush();
    emit messageReceived(message);
}
