#pragma once
// A stand-in login manager on a private bus for the power tests: it answers
// org.freedesktop.login1.Manager.Suspend and .PowerOff by noting the call ("Suspend false")
// and does nothing else. It serves from a thread of its own, because the client's call blocks
// the test's thread until the answer comes.

#include <QDBusConnection>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QStringList>
#include <QThread>

class FakePowerManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public slots:
    void Suspend(bool interactive) { note(QStringLiteral("Suspend"), interactive); }
    void PowerOff(bool interactive) { note(QStringLiteral("PowerOff"), interactive); }

private:
    void note(const QString& method, bool interactive)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(method + (interactive ? QStringLiteral(" true") : QStringLiteral(" false")));
    }

    mutable QMutex m_mutex;
    QStringList m_calls;
};

class FakeLogind {
public:
    FakeLogind() = default;
    FakeLogind(const FakeLogind&) = delete;
    FakeLogind& operator=(const FakeLogind&) = delete;
    ~FakeLogind()
    {
        if (m_connected) {
            m_bus.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
            m_bus.unregisterService(QStringLiteral("org.freedesktop.login1"));
        }
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
    }

    // Serves the manager on the bus at `address`; false when it cannot.
    bool start(const QString& address)
    {
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("fake-logind"));
        if (!m_bus.isConnected())
            return false;
        m_manager = new FakePowerManager;
        m_manager->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_manager, &QObject::deleteLater);
        m_thread.start();
        m_connected = m_bus.registerService(QStringLiteral("org.freedesktop.login1")) &&
                      m_bus.registerObject(QStringLiteral("/org/freedesktop/login1"), m_manager,
                                           QDBusConnection::ExportAllSlots);
        return m_connected;
    }
    QStringList calls() const { return m_manager ? m_manager->calls() : QStringList(); }

private:
    QDBusConnection m_bus{QString()};
    QThread m_thread;
    FakePowerManager* m_manager = nullptr;
    bool m_connected = false;
};
