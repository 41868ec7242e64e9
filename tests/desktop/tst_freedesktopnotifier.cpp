// Notification bubbles: the call that reaches a notification server on a private bus (a test
// double of org.freedesktop.Notifications that keeps what it receives), a bus without any
// notification server, and no bus at all.

#include "fakenotificationserver.h"
#include "freedesktopnotifier.h"
#include "nulldesktopnotifier.h"
#include "privatebus.h"

#include <QDBusConnection>
#include <QDBusMetaType>
#include <QSignalSpy>
#include <QtTest>

class TestFreedesktopNotifier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_bus.start(), qPrintable(m_bus.error())); }

    void reachesTheServer()
    {
        QDBusConnection service = QDBusConnection::connectToBus(m_bus.address(), "server");
        FakeNotificationServer server;
        QVERIFY(service.registerService(FreedesktopNotifier::kService));
        QVERIFY(service.registerObject(FreedesktopNotifier::kPath, &server,
                                       QDBusConnection::ExportAllSlots));
        QSignalSpy received(&server, &FakeNotificationServer::received);

        FreedesktopNotifier notifier(QDBusConnection::connectToBus(m_bus.address(), "client"),
                                     "Quillon Audio Recorder", "com.quillonfennick.AudioRecorder");
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

    // The message goes out; the refusal comes back later and is logged.
    void busWithoutServer()
    {
        FreedesktopNotifier notifier(QDBusConnection::connectToBus(m_bus.address(), "lonely"),
                                     "Quillon Audio Recorder", "com.quillonfennick.AudioRecorder");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^desktop notification not shown: Notify: "));
        QVERIFY(notifier.notify("Conversion finished", "1 file"));
        QTRY_VERIFY_WITH_TIMEOUT(!notifier.errorString().isEmpty(), 10000);
        QDBusConnection::disconnectFromBus("lonely");
    }

    void noBus()
    {
        FreedesktopNotifier notifier(
            QDBusConnection::connectToBus("unix:path=/nonexistent/quillon-bus", "nowhere"),
            "Quillon Audio Recorder", "com.quillonfennick.AudioRecorder");
        QVERIFY(!notifier.notify("Recording stopped", "x"));
        QVERIFY(notifier.errorString().contains("not connected"));
        QDBusConnection::disconnectFromBus("nowhere");

        NullDesktopNotifier null(QStringLiteral("no session bus"));
        QVERIFY(null.notify("Recording stopped", "The schedule ended."));
        QCOMPARE(null.summaries(), QStringList{"Recording stopped"});
        QCOMPARE(null.errorString(), QStringLiteral("no session bus"));
    }

private:
    PrivateBus m_bus;
};

QTEST_GUILESS_MAIN(TestFreedesktopNotifier)
#include "tst_freedesktopnotifier.moc"
