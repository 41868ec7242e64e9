// Sleep and power-off through the login manager: each asks its method with interactive false
// on the bus; a bus without a login manager and a machine without a system bus refuse and say
// why. The login manager is a stand-in on a private dbus-daemon, never the machine's.

#include <QtTest>

#include <functional>
#include <memory>

#include "desktopservices.h"
#include "fakelogind.h"
#include "logindpowercontrol.h"
#include "nullpowercontrol.h"
#include "privatebus.h"

using PowerCall = std::function<bool(PowerControl&)>;
Q_DECLARE_METATYPE(PowerCall)

class TestPowerControl : public QObject {
    Q_OBJECT
private:
    PrivateBus m_bus;

private slots:
    void initTestCase() { QVERIFY2(m_bus.start(), qPrintable(m_bus.error())); }

    void noSystemBusRefuses()
    {
        // Read once per process, before anything asks for the system bus.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/quillon-no-system-bus");
        std::unique_ptr<PowerControl> power = DesktopServices::createPowerControl();
        QVERIFY(dynamic_cast<NullPowerControl*>(power.get()));
        QVERIFY(!power->suspend());
        QVERIFY(!power->powerOff());
        QVERIFY2(power->errorString().contains(QLatin1String("no system bus")),
                 qPrintable(power->errorString()));
    }

    void asksTheLoginManager_data()
    {
        QTest::addColumn<PowerCall>("call");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sleep") << PowerCall([](PowerControl& p) { return p.suspend(); })
                               << "Suspend false";
        QTest::newRow("power off")
            << PowerCall([](PowerControl& p) { return p.powerOff(); }) << "PowerOff false";
    }
    void asksTheLoginManager()
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

    void busWithoutLoginManagerRefuses()
    {
        LogindPowerControl power(QDBusConnection::connectToBus(m_bus.address(), "bare"));
        QVERIFY(!power.suspend());
        QVERIFY2(power.errorString().startsWith(QLatin1String("logind Suspend:")),
                 qPrintable(power.errorString()));
        QVERIFY(!power.powerOff());
        QVERIFY(power.errorString().startsWith(QLatin1String("logind PowerOff:")));
        QDBusConnection::disconnectFromBus(QStringLiteral("bare"));
    }
};

QTEST_GUILESS_MAIN(TestPowerControl)
#include "tst_powercontrol.moc"
