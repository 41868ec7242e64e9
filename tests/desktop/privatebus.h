#pragma once
// A private D-Bus session bus for one test: a dbus-daemon of its own, started and ended by the
// test, so nothing reaches the user's session and no other program answers on it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

class PrivateBus {
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }

    // Starts the daemon; false (with the reason in error()) when it does not come up.
    bool start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000)) {
            m_error = m_daemon.errorString();
            return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }
    QString address() const { return m_address; }
    QString error() const { return m_error; }
    // The environment of a program that should use this bus as its session bus.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        return env;
    }

    // Runs playerctl on this bus against the player "quillon" and returns what it printed. The
    // event loop runs while it waits, so a player in this process answers.
    QString playerctl(const QStringList& args, int* exitCode = nullptr) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        QSignalSpy finished(&process,
                            QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        process.start(QStringLiteral("playerctl"),
                      QStringList{QStringLiteral("--player=quillon")} + args);
        if (!finished.wait(30000))
            qWarning("playerctl %s did not finish", qPrintable(args.join(QLatin1Char(' '))));
        if (exitCode)
            *exitCode = process.exitCode();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

private:
    QProcess m_daemon;
    QString m_address;
    QString m_error;
};
