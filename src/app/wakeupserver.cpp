#include "wakeupserver.h"

#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

// The part that lives on the server's thread.
class WakeUpListener : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE bool listen(const QString& name, bool replace)
    {
        m_server = new QLocalServer(this);
        if (replace)
            QLocalServer::removeServer(name);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server->listen(name)) {
            m_error = m_server->errorString();
            return false;
        }
        connect(m_server, &QLocalServer::newConnection, this, &WakeUpListener::accept);
        return true;
    }
    Q_INVOKABLE QString error() const { return m_error; }

signals:
    void messageReceived(const QString& message);

private:
    void accept()
    {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
            read(socket);
        }
    }

    void read(QLocalSocket* socket)
    {
        QDataStream in(socket);
        in.startTransaction();
        QString message;
        in >> message;
        if (!in.commitTransaction())
            return;
        socket->write(QByteArray(1, WakeUpServer::kAck));
        socket->flush();
        emit messageReceived(message);
    }

    QLocalServer* m_server = nullptr;
    QString m_error;
};

WakeUpServer::WakeUpServer(const QString& name, bool replace, QObject* parent) : QObject(parent)
{
    m_listener = new WakeUpListener;
    m_listener->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
    connect(m_listener, &WakeUpListener::messageReceived, this, &WakeUpServer::messageReceived);
    m_thread.start();
    QMetaObject::invokeMethod(m_listener, "listen", Qt::BlockingQueuedConnection,
                              Q_RETURN_ARG(bool, m_listening), Q_ARG(QString, name),
                              Q_ARG(bool, replace));
    if (!m_listening) {
        QMetaObject::invokeMethod(m_listener, "error", Qt::BlockingQueuedConnection,
                                  Q_RETURN_ARG(QString, m_error));
    }
}

WakeUpServer::~WakeUpServer()
{
    m_thread.quit();
    m_thread.wait();
}

#include "wakeupserver.moc"
