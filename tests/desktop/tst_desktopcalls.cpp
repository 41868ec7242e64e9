// The one-way desktop calls over D-Bus, each against a test double on a private bus: "Open File
// Location" (org.freedesktop.FileManager1 ShowItems, answered once through the callback),
// notification bubbles, and sleep / power-off through the login manager (interactive false).
// Each also on a bus where nobody answers and with no bus at all, refusing and saying why.

#include <QDBusConnection>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

#include "desktopservices.h"
#include "fakelogind.h"
#include "fakenotificationserver.h"
#include "filemanagerlocation.h"
#include "freedesktopnotifier.h"
#include "logindpowercontrol.h"
#include "nulldesktopnotifier.h"
#include "nullpowercontrol.h"
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

using PowerCall = std::function<bool(PowerControl&)>;
Q_DECLARE_METATYPE(PowerCall)

namespace {

const char* const kNoBus = "unix:path=/nonexistent/quillon-bus";

// Runs showItem and waits for its one answer.
QPair<bool, QString> show(const QString& path, const QDBusConnection& bus)
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

FreedesktopNotifier notifierOn(const QString& address, const QString& connection)
{
    return FreedesktopNotifier(QDBusConnection::connectToBus(address, connection),
                               "Quillon Audio Recorder", "com.quillonfennick.AudioRecorder");
}

}  // namespace

class TestDesktopCalls : public QObject {
    Q_OBJECT
private:
    PrivateBus m_bus;

private slots:
    void initTestCase() { QVERIFY2(m_bus.start(), qPrintable(m_bus.error())); }

    // First: the system bus address is read once per process, before anything asks for it.
    void noSystemBusRefusesPower()
    {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quillon-no-system-bus");
        std::unique_ptr<PowerControl> power = DesktopServices::createPowerControl();
        QVERIFY(dynamic_cast<NullPowerControl*>(power.get()));
        QVERIFY(!power->suspend());
        QVERIFY(!power->powerOff());
        QVERIFY2(power->errorString().contains(QLatin1String("no system bus")),
                 qPrintable(power->errorString()));
    }

    void fileManagerShowsTheItem()
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

    void notificationReachesTheServer()
    {
        QDBusConnection service = QDBusConnection::connectToBus(m_bus.address(), "server");
        FakeNotificationServer server;
        QVERIFY(service.registerService(FreedesktopNotifier::kService));
        QVERIFY(service.registerObject(FreedesktopNotifier::kPath, &server,
                                       QDBusConnection::ExportAllSlots));
        QSignalSpy received(&server, &FakeNotificationServer::received);
        FreedesktopNotifier notifier = notifierOn(m_bus.address(), "client");
        QVERIFY(notifier.notify("Recording stopped", "The disk is full."));
        QVERIFY(received.wait(10000));
        const QVariantList call = server.last();
        QCOMPARE(call.value(0).toString(), QStringLiteral("Quillon Audio Recorder"));
        QCOMPARE(call.value(1).toUInt(), 0u);
        QCOMPARE(call.value(2).toString(), QStringLiteral("com.quillonfennick.AudioRecorder"));
        QCOMPARE(call.value(3).toString(), QStringLiteral("Recording stopped"));
        QCOMPARE(call.value(4).toString(), QStringLiteral("The disk is full."));
        QCOMPARE(call.value(5).toStringList(), QStringList());
        QCOMPARE(call.value(6).toMap().value("desktop-entry").toString(),
                 QStringLiteral("com.quillonfennick.AudioRecorder"));
        QCOMPARE(call.value(7).toInt(), -1);
        QVERIFY(notifier.errorString().isEmpty());
        service.unregisterService(FreedesktopNotifier::kService);
        QDBusConnection::disconnectFromBus("server");
        QDBusConnection::disconnectFromBus("client");
    }

    void powerAsksTheLoginManager_data()
    {
        QTest::addColumn<PowerCall>("call");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sleep") << PowerCall([](PowerControl& p) { return p.suspend(); })
                               << "Suspend false";
        QTest::newRow("power off")
            << PowerCall([](PowerControl& p) { return p.powerOff(); }) << "PowerOff false";
    }
    void powerAsksTheLoginManager()
    {
        QFETCH(PowerCall, call);
        QFETCH(QString, expected);
        FakeLogind logind;
        QVERIFY(logind.start(m_bus.address()));
        LogindPowerControl power(QDBusConnection::connectToBus(m_bus.address(), "client"));
        QVERIFY2(call(power), qPrintable(power.errorString()));
        QCOMPARE(logind.calls(), QStringList{expected});
        QVERIFY(power.errorString().isEmpty());
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }

    // Nobody on the bus answers: each call refuses (the notifier once the refusal comes back,
    // logged) and names what it asked for.
    void busWithoutTheService()
    {
        const QDBusConnection client = QDBusConnection::connectToBus(m_bus.address(), "lonely");
        const auto [ok, error] = show(QStringLiteral("/tmp/a.mp3"), client);
        QVERIFY(!ok);
        QVERIFY2(error.contains(QLatin1String(FileManagerLocation::kService)), qPrintable(error));

        FreedesktopNotifier notifier = notifierOn(m_bus.address(), "lonely");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^desktop notification not shown: Notify: "));
        QVERIFY(notifier.notify("Conversion finished", "1 file"));
        QTRY_VERIFY_WITH_TIMEOUT(!notifier.errorString().isEmpty(), 10000);

        LogindPowerControl power(client);
        QVERIFY(!power.suspend());
        QVERIFY2(power.errorString().startsWith(QLatin1String("logind Suspend:")),
                 qPrintable(power.errorString()));
        QVERIFY(!power.powerOff());
        QVERIFY(power.errorString().startsWith(QLatin1String("logind PowerOff:")));
        QDBusConnection::disconnectFromBus("lonely");
    }

    void noBus()
    {
        const QDBusConnection none = QDBusConnection::connectToBus(kNoBus, "none");
        const auto [ok, error] = show(QStringLiteral("/tmp/a.mp3"), none);
        QVERIFY(!ok);
        QVERIFY(error.contains(QStringLiteral("not connected")));
        FreedesktopNotifier notifier = notifierOn(kNoBus, "none");
        QVERIFY(!notifier.notify("Recording stopped", "x"));
        QVERIFY(notifier.errorString().contains("not connected"));
        QDBusConnection::disconnectFromBus("none");

        NullDesktopNotifier null(QStringLiteral("no session bus"));
        QVERIFY(null.notify("Recording stopped", "The schedule ended."));
        QCOMPARE(null.summaries(), QStringList{"Recording stopped"});
        QCOMPARE(null.errorString(), QStringLiteral("no session bus"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopCalls)
#include "tst_desktopcalls.moc"
