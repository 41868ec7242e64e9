// Update checks against appcasts served by a small HTTP server on 127.0.0.1: the newest
// release in the feed against the running version, and feeds that cannot be used.

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "tablerows.h"
#include "updatechecker.h"

namespace {

// Answers every GET with the status and body set for its path (404 for unknown paths).
class FeedServer : public QTcpServer {
public:
    FeedServer()
    {
        connect(this, &QTcpServer::newConnection, this, &FeedServer::answer);
        listen(QHostAddress::LocalHost);
    }
    void serve(const QByteArray& path, int status, const QByteArray& body)
    {
        m_pages[path] = qMakePair(status, body);
    }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }

private:
    void answer()
    {
        QTcpSocket* socket = nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            const QByteArray path = request.split(' ').value(1);
            const auto page = m_pages.value(path, qMakePair(404, QByteArray("not here")));
            socket->write("HTTP/1.1 " + QByteArray::number(page.first) +
                          " X\r\nContent-Length: " + QByteArray::number(page.second.size()) +
                          "\r\nConnection: close\r\n\r\n" + page.second);
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QHash<QByteArray, QPair<int, QByteArray>> m_pages;
};

QByteArray feed(const QList<QByteArray>& enclosures)
{
    QByteArray items;
    for (const QByteArray& e : enclosures)
        items += "<item><title>release</title>" + e + "</item>";
    return "<?xml version=\"1.0\"?><rss version=\"2.0\" "
           "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>" +
           items + "</channel></rss>";
}

QByteArray enclosure(const QByteArray& version, const QByteArray& attribute = "sparkle:version")
{
    return "<enclosure url=\"https://example.org/quillon-" + version + ".deb\" " + attribute +
           "=\"" + version + "\" length=\"1\" type=\"application/octet-stream\"/>";
}

}  // namespace

using tablerows::addRow;

class TestUpdateChecker : public QObject {
    Q_OBJECT
private slots:
    void compareVersions_data();
    void compareVersions();
    void checks_data();
    void checks();
    void settings();
};

void TestUpdateChecker::compareVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    addRow("numeric, not text", "1.10", "1.9", 1);
    addRow("equal", "0.1.0", "0.1", 0);
    addRow("older", "0.0.9", "0.1.0", -1);
}

void TestUpdateChecker::compareVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const int result = UpdateChecker::compareVersions(a, b);
    QCOMPARE((result > 0) - (result < 0), sign);
}

void TestUpdateChecker::checks_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("message");
    addRow("newer release", 200, feed({enclosure("0.1.0"), enclosure("0.3.2"), enclosure("0.2.0")}),
           int(UpdateCheckResult::UpdateAvailable), "0.3.2", "Version 0.3.2 is available.");
    addRow("short version string", 200, feed({enclosure("1.0", "sparkle:shortVersionString")}),
           int(UpdateCheckResult::UpdateAvailable), "1.0", "Version 1.0 is available.");
    addRow(
        "version element", 200,
        feed({"<sparkle:version>2.0</sparkle:version><enclosure url=\"https://example.org/x\"/>"}),
        int(UpdateCheckResult::UpdateAvailable), "2.0", "Version 2.0 is available.");
    addRow("up to date", 200, feed({enclosure("0.1.0"), enclosure("0.0.9")}),
           int(UpdateCheckResult::UpToDate), "0.1.0", "is up to date");
    addRow("no release", 200, feed({}), int(UpdateCheckResult::Failed), "", "lists no release");
    addRow("not XML", 200, QByteArray("<rss><channel><item>"), int(UpdateCheckResult::Failed), "",
           "not valid XML");
    addRow("missing", 404, QByteArray("gone"), int(UpdateCheckResult::Failed), "",
           "Cannot check for updates");
}

void TestUpdateChecker::checks()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, expected);
    QFETCH(QString, latest);
    QFETCH(QString, message);
    FeedServer server;
    QVERIFY(server.isListening());
    server.serve("/appcast.xml", status, body);
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.check(server.url(QStringLiteral("/appcast.xml")), QStringLiteral("0.1.0"));
    // The check runs on the event loop; the caller goes on at once.
    QVERIFY(checker.isChecking());
    QVERIFY(finished.wait(10000));
    const auto result = finished.at(0).at(0).value<UpdateCheckResult>();
    QCOMPARE(int(result.status), expected);
    QCOMPARE(result.latestVersion, latest);
    QVERIFY2(result.message().contains(message), qPrintable(result.message()));
    QVERIFY(!checker.isChecking());
}

void TestUpdateChecker::settings()
{
    // Off unless the hidden preference says "Y"; the feed address comes from the settings.
    QVERIFY(!UpdateChecker::automaticChecksEnabled());
    QVERIFY(UpdateChecker::appcastUrl().isValid());
}

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
