// Start-up of the recorder: the display scale, and one instance per user (a second start wakes
// the first and exits 0, or 1 when the first does not answer).

#include "displayscale.h"
#include "smallfilesystem.h"
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
    void unusableLockFileStartsAnyway_data();
    void unusableLockFileStartsAnyway();

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
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess first;
    startRecorder(first, runtime.path());
    QVERIFY(first.waitForStarted());
    // The second comes as soon as the first holds its lock, before it may listen: it must try
    // again until the first answers.
    QTRY_VERIFY_WITH_TIMEOUT(
        !QDir(runtime.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty(), 10000);

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

void TestStartup::unusableLockFileStartsAnyway_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("read-only runtime folder") << QStringLiteral("read-only");
    QTest::newRow("full runtime folder") << QStringLiteral("full");
}

// A lock file that cannot be made is no other instance: the program starts and says why. The
// runtime folder is a small file system of its own, mounted read-only or filled up.
void TestStartup::unusableLockFileStartsAnyway()
{
    QFETCH(QString, folder);
    SmallFileSystem runtime("size=8k,mode=0700");
    if (!runtime.mounted())
        QSKIP("cannot mount a small tmpfs here");
    if (folder == QLatin1String("full")) {
        QFile filler(runtime.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    } else {
        QVERIFY(runtime.makeReadOnly());
    }
    QProcess recorder;
    recorder.setProcessChannelMode(QProcess::MergedChannels);
    startRecorder(recorder, runtime.path());
    QVERIFY(recorder.waitForStarted());
    // An instance taken for a second start would give up on its wake-up message after 5 s.
    const bool ended = recorder.waitForFinished(7000);
    const QByteArray output = recorder.readAll();
    recorder.kill();
    recorder.waitForFinished(5000);
    QVERIFY2(!ended, output.constData());
    QVERIFY2(output.contains("cannot use the lock file"), output.constData());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
