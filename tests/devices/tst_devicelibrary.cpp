// Loading libOlmet, and the device object when no sound server answers: it must still be made,
// report nothing, refuse every pair and return at once (nothing waits for the server). Also a
// server of its own that goes away and comes back.

#include <QLibraryInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "sounddevicelibrary.h"
#include "testmedia.h"

namespace {

// A unix socket at `path`: listening (connections are queued but never answered) or closed
// again right away (connections are refused).
int makeSocket(const QString& path, bool listening)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    qstrncpy(address.sun_path, native.constData(), sizeof(address.sun_path));
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0)
        return -1;
    if (listening && ::listen(fd, 4) == 0)
        return fd;
    ::close(fd);
    return listening ? -1 : 0;
}

}  // namespace

class TestDeviceLibrary : public QObject {
    Q_OBJECT

private slots:
    void failsToLoad_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/libOlmet.so");
        // A real library that lacks CreateDevice.
        QTest::newRow("no CreateDevice")
            << QLibraryInfo::location(QLibraryInfo::LibrariesPath) + "/libQt5Test.so.5";
    }

    void failsToLoad()
    {
        QFETCH(QString, path);
        SoundDeviceLibrary library(path);
        QVERIFY(!library.device());
        QVERIFY(!library.errorString().isEmpty());
    }

    void worksWithoutServer_data()
    {
        QTest::addColumn<QString>("server");
        QTest::newRow("no socket") << QStringLiteral("missing");
        QTest::newRow("socket refuses") << QStringLiteral("closed");
        QTest::newRow("server never answers") << QStringLiteral("silent");
    }

    void worksWithoutServer()
    {
        QFETCH(QString, server);
        QTemporaryDir dir;
        const QString socketPath = dir.filePath(QStringLiteral("native"));
        int listener = -1;
        if (server == QLatin1String("closed"))
            QCOMPARE(makeSocket(socketPath, false), 0);
        if (server == QLatin1String("silent"))
            QVERIFY((listener = makeSocket(socketPath, true)) >= 0);
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socketPath));

        SoundDeviceLibrary library(testmedia::binDir() + "/libOlmet.so");
        olmet::SoundDevice* dev = library.device();
        QVERIFY2(dev, qPrintable(library.errorString()));
        QCOMPARE(dev->GetDeviceCount(), 0);
        QCOMPARE(dev->GetRecorderCount(0), 0);
        QCOMPARE(SoundDeviceLibrary::text(dev->GetDeviceName(0)), QString());
        QCOMPARE(SoundDeviceLibrary::text(dev->GetRecorderName(-1, 65535)), QString());
        int device = 7;
        int sub = 7;
        QVERIFY(dev->GetDefaultRecorder(&device, &sub) < 0);
        QVERIFY(dev->GetDefaultPlayback(&device, &sub) < 0);
        QCOMPARE(device, 7);
        QCOMPARE(sub, 7);
        dev->SetDefaultRecorder(-1, 65535);
        dev->SetDefaultRecorder(0, 0);
        dev->SetRecorderMute(0, 0, 0);
        dev->SetRecorderVolume(0, 0, 50);
        dev->SetPlaybackMute(0, 0, 0);
        dev->SetPlaybackVolume(0, 0, 50);
        QVERIFY(dev->GetRecorderVolume(0, 0) < 0);
        QVERIFY(dev->GetPlaybackVolume(0, 0) < 0);
        QVERIFY(dev->GetRecorderMute(0, 0) < 0);
        QVERIFY(dev->GetPlaybackMute(0, 0) < 0);
        QCOMPARE(dev->IsDeviceListChanged(), 0);
        dev->RefreshDeviceList();
        QCOMPARE(dev->GetDeviceCount(), 0);
        QCOMPARE(dev->IsDeviceListChanged(), 0);
        if (listener >= 0)
            ::close(listener);
    }

    // A server that goes away raises the change flag and a refresh reports no devices; once a
    // server is back the object reconnects by itself, raises the flag again, and a refresh
    // lists its devices.
    void followsServerRestart()
    {
        QTemporaryDir dir;
        const QString script = testmedia::sourceDir() + "/tests/harness/pulse-server.sh";
        const QString serverDir = dir.filePath(QStringLiteral("pulse"));
        const auto stopServer = qScopeGuard([&] {
            testmedia::run(script, {QStringLiteral("stop"), serverDir});
        });
        QVERIFY(testmedia::run(script, {QStringLiteral("start"), serverDir}).ok());
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(serverDir) + "/native");
        SoundDeviceLibrary library(testmedia::binDir() + "/libOlmet.so");
        olmet::SoundDevice* dev = library.device();
        QVERIFY(dev);
        QCOMPARE(dev->WaitForDevices(10000), 1);
        QCOMPARE(dev->GetDeviceCount(), 1);

        QVERIFY(testmedia::run(script, {QStringLiteral("stop"), serverDir}).ok());
        QTRY_VERIFY(dev->IsDeviceListChanged() != 0);
        dev->RefreshDeviceList();
        QCOMPARE(dev->GetDeviceCount(), 0);
        QVERIFY(dev->GetRecorderVolume(0, 0) < 0);
        QCOMPARE(SoundDeviceLibrary::text(dev->GetNoDefaultRecorderReason()),
                 QStringLiteral("no sound server"));

        QVERIFY(testmedia::run(script, {QStringLiteral("start"), serverDir}).ok());
        QTRY_VERIFY_WITH_TIMEOUT(dev->IsDeviceListChanged() != 0, 10000);
        dev->RefreshDeviceList();
        QCOMPARE(dev->GetDeviceCount(), 1);
        int device = -1;
        int recorder = -1;
        QCOMPARE(dev->GetDefaultRecorder(&device, &recorder), 0);
        QCOMPARE(dev->GetRecorderVolume(device, recorder), 100);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLibrary)
#include "tst_devicelibrary.moc"
