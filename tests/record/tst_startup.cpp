// Start-up of the recorder: the display scale, and one instance per user (a second start wakes
// the first and exits 0, or 1 when the first does not answer).

#include "displayscale.h"
#include "testmedia.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void displayScaleIsSetOnce();
    void secondStartWakesTheFirst();

private:
    static void startRecorder(QProcess& p, const QString& runtimeDir);
};

void TestStartup::displayScaleIsSetOnce()
{
    qunsetenv("QT_SCALE_FACTOR");
    QVERIFY(!setDisplayScale(0, 2880));
    QVERIFY(!setDisplayScale(1920, 0));
    QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    QCOMPARE(displayScale(), 0.0f);

    QVERIFY(setDisplayScale(1920, 2880));
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
    QCOMPARE(displayScale(), 1.5f);
    QVERIFY(!setDisplayScale(1920, 3840));
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
}

void TestStartup::startRecorder(QProcess& p, const QString& runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("TMPDIR"), runtimeDir);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(testmedia::binDir() + QStringLiteral("/quillon-audio-recorder"), QStringList());
}

void TestStartup::secondStartWakesTheFirst()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);
    QProcess first;
    startRecorder(first, runtime.path());
    QVERIFY(first.waitForStarted());
    // The first instance is ready once it holds its lock.
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(runtime.path())
                                  .entryList({QStringLiteral("*.lock")}, QDir::Files)
                                  .isEmpty(),
                             10000);
    QTest::qWait(300);

    QProcess second;
    startRecorder(second, runtime.path());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    // A first instance that does not answer within 5 s: the second ends with 1 all the same.
    ::kill(pid_t(first.processId()), SIGSTOP);
    QProcess third;
    startRecorder(third, runtime.path());
    const bool thirdEnded = third.waitForFinished(15000);
    ::kill(pid_t(first.processId()), SIGCONT);
    QVERIFY(thirdEnded);
    QCOMPARE(third.exitCode(), 1);

    // Once the first is gone (even without cleaning up), the next start is the first again.
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QProcess next;
    startRecorder(next, runtime.path());
    QVERIFY(next.waitForStarted());
    QVERIFY(!next.waitForFinished(2000));
    next.terminate();
    QVERIFY(next.waitForFinished(5000));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
