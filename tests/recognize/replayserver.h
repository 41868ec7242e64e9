#pragma once
// A web server on 127.0.0.1 for the identification client's tests: it answers each request with
// the reply set for the first route its path starts with (status, body), or never answers
// (silent route), and notes when each request arrived and what it carried. onRequest, when set,
// sees each request before it is answered.

#include <QElapsedTimer>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <functional>

class ReplayServer : public QObject {
public:
    struct Reply {
        int status = 200;
        QByteArray body;
        bool silent = false;
    };
    struct Request {
        qint64 arrivedMs = 0;  // first byte, on the server's monotonic clock
        QByteArray method;
        QByteArray path;
        QByteArray headers;
        QByteArray body;
    };

    ReplayServer()
    {
        m_clock.start();
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }
    void route(const QByteArray& prefix, const Reply& reply) { m_routes.append({prefix, reply}); }
    void clearRoutes() { m_routes.clear(); }
    QList<Request> requests;
    std::function<void(const Request&)> onRequest;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray& pending = m_pending[socket];
        if (pending.isEmpty())
            m_arrived[socket] = m_clock.elapsed();
        pending += socket->readAll();
        const int end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request request;
        request.arrivedMs = m_arrived.value(socket);
        request.headers = pending.left(end);
        const QList<QByteArray> first = request.headers.split('\n').first().trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        const int length = contentLength(request.headers);
        if (pending.size() < end + 4 + length)
            return;
        request.body = pending.mid(end + 4, length);
        pending.clear();
        requests.append(request);
        if (onRequest)
            onRequest(request);
        for (const auto& [prefix, reply] : m_routes) {
            if (!request.path.startsWith(prefix))
                continue;
            if (!reply.silent)
                answer(socket, reply);
            return;
        }
        answer(socket, {404, "not found"});
    }

    static int contentLength(const QByteArray& headers)
    {
        for (const QByteArray& line : headers.split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                return line.mid(15).trimmed().toInt();
        }
        return 0;
    }

    static void answer(QTcpSocket* socket, const Reply& reply)
    {
        socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " Replayed\r\n" +
                      "Content-Length: " + QByteArray::number(reply.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + reply.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QElapsedTimer m_clock;
    QList<QPair<QByteArray, Reply>> m_routes;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QHash<QTcpSocket*, qint64> m_arrived;
};
