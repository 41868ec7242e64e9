// The one-way desktop calls over D-Bus, each against a test double on a private bus: "Open File
// Location" (org.freedesktop.FileManager1 ShowItems, answered once through the callback),
// notification bubbles, sleep / power-off through the login manager (interactive false), and
// the sleep lock: the descriptor the login manager hands out, held until released (the
// stand-in sees through its end of a pipe whether the descriptor is still open). Each also on a
// bus where nobody answers and with no system or session bus, refusing and saying why (the
// sleep lock then falls back to the null lock, and recording goes on).

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "desktopservices.h"
#include "fakelogind.h"
#include "fakenotificationserver.h"
#include "filemanagerlocation.h"
#include "freedesktopnotifier.h"
#include "logindpowercontrol.h"
#include "logindsleepinhibitor.h"
#include "nulldesktopnotifier.h"
#include "nullpowercontrol.h"
#include "nullsleepinhibitor.h"
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

// org.freedesktop.login1.Manager.Inhibit as logind answers it: the read end of a pipe whose
// write end the stand-in keeps, so a closed lock shows as a pipe without readers.
class FakeLoginManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLoginManager() override
    {
        if (m_writeEnd >= 0)
            ::close(m_writeEnd);
    }
    QStringList lastCall() const { return m_lastCall; }
    // Whether someone still holds the descriptor handed out.
    bool lockHeld() const
    {
        pollfd p{m_writeEnd, POLLOUT, 0};
        return m_writeEnd >= 0 && ::poll(&p, 1, 0) >= 0 && !(p.revents & POLLERR);
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode)
    {
        m_lastCall = QStringList{what, who, why, mode};
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return QDBusUnixFileDescriptor();
        m_writeEnd = fds[1];
        QDBusUnixFileDescriptor handed(fds[0]);  // a duplicate; ours is closed at once
        ::close(fds[0]);
        return handed;
    }

private:
    QStringList m_lastCall;
    int m_writeEnd = -1;
};

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
    void noSystemBus()
    {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quillon-no-system-bus");
        std::unique_ptr<PowerControl> power = DesktopServices::createPowerControl();
        QVERIFY(dynamic_cast<NullPowerControl*>(power.get()));
        QVERIFY(!power->suspend());
        QVERIFY(!power->powerOff());
        QVERIFY2(power->errorString().contains(QLatin1String("no system bus")),
                 qPrintable(power->errorString()));

        std::unique_ptr<SleepInhibitor> inhibitor = DesktopServices::createSleepInhibitor();
        QVERIFY(dynamic_cast<NullSleepInhibitor*>(inhibitor.get()));
        QVERIFY2(inhibitor->errorString().contains(QLatin1String("no system bus")),
                 qPrintable(inhibitor->errorString()));
        QVERIFY(inhibitor->acquire(QStringLiteral("Recording audio")));
        QVERIFY(inhibitor->isHeld());
        inhibitor->release();
        QVERIFY(!inhibitor->isHeld());
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

    void sleepLockFromTheLoginManager()
    {
        QDBusConnection service =
            QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("logind"));
        QVERIFY(service.isConnected());
        QThread serviceThread;
        auto* manager = new FakeLoginManager;
        manager->moveToThread(&serviceThread);
        connect(&serviceThread, &QThread::finished, manager, &QObject::deleteLater);
        serviceThread.start();
        const auto stopThread = qScopeGuard([&] {
            serviceThread.quit();
            serviceThread.wait();
        });
        QVERIFY(service.registerService(QString::fromLatin1(LogindSleepInhibitor::kService)));
        QVERIFY(service.registerObject(QString::fromLatin1(LogindSleepInhibitor::kPath), manager,
                                       QDBusConnection::ExportAllSlots));

        {
            LogindSleepInhibitor inhibitor(
                QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("client")),
                QStringLiteral("Quillon Audio Recorder"));
            QVERIFY(!inhibitor.isHeld());
            QVERIFY2(inhibitor.acquire(QStringLiteral("Recording audio")),
                     qPrintable(inhibitor.errorString()));
            QVERIFY(inhibitor.isHeld());
            QCOMPARE(manager->lastCall(),
                     (QStringList{QStringLiteral("sleep"), QStringLiteral("Quillon Audio Recorder"),
                                  QStringLiteral("Recording audio"), QStringLiteral("block")}));
            QVERIFY(manager->lockHeld());
            // A second acquire keeps the one lock.
            QVERIFY(inhibitor.acquire(QStringLiteral("Recording audio")));
            inhibitor.release();
            QVERIFY(!inhibitor.isHeld());
            // The bus and the manager's side close their copies of the message's descriptor when
            // they are done with the message; ours is then the only one that counts.
            QTRY_VERIFY_WITH_TIMEOUT(!manager->lockHeld(), 5000);
            QVERIFY(inhibitor.acquire(QStringLiteral("Recording audio")));
            QVERIFY(manager->lockHeld());
        }
        // Destroying the inhibitor releases the lock.
        QTRY_VERIFY_WITH_TIMEOUT(!manager->lockHeld(), 5000);

        service.unregisterObject(QString::fromLatin1(LogindSleepInhibitor::kPath));
        service.unregisterService(QString::fromLatin1(LogindSleepInhibitor::kService));
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
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

        LogindSleepInhibitor inhibitor(client, QStringLiteral("Quillon Audio Recorder"));
        QVERIFY(!inhibitor.acquire(QStringLiteral("Recording audio")));
        QVERIFY(!inhibitor.isHeld());
        QVERIFY2(inhibitor.errorString().startsWith(QLatin1String("logind Inhibit:")),
                 qPrintable(inhibitor.errorString()));
        inhibitor.release();  // nothing held: harmless
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
