// The sleep lock: without a system bus the program gets the null lock and records anyway; on a
// bus with a login manager the lock is the descriptor the manager handed out, held until
// released. The login manager here is a stand-in object on a private dbus-daemon, which checks
// the call's arguments and sees, through its end of a pipe, whether the descriptor is still open.

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <memory>

#include "desktopservices.h"
#include "logindsleepinhibitor.h"
#include "nullsleepinhibitor.h"

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

}  // namespace

class TestSleepInhibitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noSystemBusGivesTheNullLock();
    void holdsTheLoginManagersLock();
    void busWithoutLoginManager();

private:
    QProcess m_bus;
    QString m_address;
};

void TestSleepInhibitor::initTestCase()
{
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address")});
    QVERIFY2(m_bus.waitForStarted(5000), "dbus-daemon does not start");
    QVERIFY(m_bus.waitForReadyRead(5000));
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestSleepInhibitor::cleanupTestCase()
{
    m_bus.terminate();
    m_bus.waitForFinished(5000);
}

void TestSleepInhibitor::noSystemBusGivesTheNullLock()
{
    // Read once per process, before anything asks for the system bus.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quillon-no-system-bus");
    std::unique_ptr<SleepInhibitor> inhibitor = DesktopServices::createSleepInhibitor();
    QVERIFY(dynamic_cast<NullSleepInhibitor*>(inhibitor.get()));
    QVERIFY2(inhibitor->errorString().contains(QLatin1String("no system bus")),
             qPrintable(inhibitor->errorString()));
    QVERIFY(inhibitor->acquire(QStringLiteral("Recording audio")));
    QVERIFY(inhibitor->isHeld());
    inhibitor->release();
    QVERIFY(!inhibitor->isHeld());
}

void TestSleepInhibitor::holdsTheLoginManagersLock()
{
    QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("logind"));
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
            QDBusConnection::connectToBus(m_address, QStringLiteral("client")),
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

void TestSleepInhibitor::busWithoutLoginManager()
{
    LogindSleepInhibitor inhibitor(QDBusConnection::connectToBus(m_address, QStringLiteral("bare")),
                                   QStringLiteral("Quillon Audio Recorder"));
    QVERIFY(!inhibitor.acquire(QStringLiteral("Recording audio")));
    QVERIFY(!inhibitor.isHeld());
    QVERIFY2(inhibitor.errorString().startsWith(QLatin1String("logind Inhibit:")),
             qPrintable(inhibitor.errorString()));
    inhibitor.release();  // nothing held: harmless
    QDBusConnection::disconnectFromBus(QStringLiteral("bare"));
}

QTEST_GUILESS_MAIN(TestSleepInhibitor)
#include "tst_sleepinhibitor.moc"
