// "Open File Location" over D-Bus: the ShowItems call that reaches a file manager on a private
// bus (a test double of org.freedesktop.FileManager1 that keeps what it receives), a bus
// where no file manager answers, and no bus at all; each answers once through the callback.

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

#include "filemanagerlocation.h"
#include "privatebus.h"

class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        emit received(uris, startupId);
    }
signals:
    void received(const QStringList& uris, const QString& startupId);
};

class TestFileManagerLocation : public QObject {
    Q_OBJECT
private:
    PrivateBus m_bus;

    // Runs showItem and waits for its one answer.
    static QPair<bool, QString> show(const QString& path, const QDBusConnection& bus)
    {
        QObject context;
        int answers = 0;
        QPair<bool, QString> result;
        FileManagerLocation::showItem(path, bus, &context, [&](bool ok, const QString& error) {
            ++answers;
            result = {ok, error};
        });
        if (!QTest::qWaitFor([&] { return answers > 0; }, 10000))
            return {false, QStringLiteral("no answer")};
        QTest::qWait(50);
        return answers == 1 ? result : QPair<bool, QString>{false, QStringLiteral("two answers")};
    }

private slots:
    void initTestCase() { QVERIFY2(m_bus.start(), qPrintable(m_bus.error())); }

    void reachesTheFileManager()
    {
        QDBusConnection service = QDBusConnection::connectToBus(m_bus.address(), "fm");
        FakeFileManager manager;
        QVERIFY(service.registerService(FileManagerLocation::kService));
        QVERIFY(service.registerObject(FileManagerLocation::kPath, &manager,
                                       QDBusConnection::ExportAllSlots));
        QSignalSpy received(&manager, &FakeFileManager::received);
        const QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "client");
        const auto [ok, error] = show(QStringLiteral("/tmp/Müll Ordner/REC 1.mp3"), client);
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toStringList(),
                 QStringList{"file:///tmp/M%C3%BCll%20Ordner/REC%201.mp3"});
        service.unregisterService(FileManagerLocation::kService);
        QDBusConnection::disconnectFromBus("fm");
        QDBusConnection::disconnectFromBus("client");
    }

    void noFileManagerOnTheBus()
    {
        const QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "lonely");
        const auto [ok, error] = show(QStringLiteral("/tmp/a.mp3"), client);
        QVERIFY(!ok);
        QVERIFY2(error.contains(QLatin1String(FileManagerLocation::kService)), qPrintable(error));
        QDBusConnection::disconnectFromBus("lonely");
    }

    void noBus()
    {
        const QDBusConnection none =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), "none");
        const auto [ok, error] = show(QStringLiteral("/tmp/a.mp3"), none);
        QVERIFY(!ok);
        QVERIFY(error.contains(QStringLiteral("not connected")));
        QDBusConnection::disconnectFromBus("none");
    }
};

QTEST_GUILESS_MAIN(TestFileManagerLocation)
#include "tst_filemanagerlocation.moc"
