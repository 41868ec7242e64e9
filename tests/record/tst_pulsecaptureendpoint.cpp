// The sound-server capture endpoint against the private test server: what it records, which
// source each mode reads, and how it fails.

#include "pulsecaptureendpoint.h"
#include "pulsefixture.h"
#include "testmedia.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestPulseCaptureEndpoint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void capturesItsSource_data();
    void capturesItsSource();
    void noServer();
    void microphoneGoesAway();

private:
    QTemporaryDir m_dir;
};

// Reads the endpoint for `ms` milliseconds, polling like a capture thread, into *captured.
// False (with *error) when a call failed.
static bool readFor(CaptureEndpoint& endpoint, int ms, QByteArray* captured,
                    QString* error = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QTest::qSleep(10);
        int64_t readable = endpoint.readableBytes();
        while (readable > 0) {
            const void* data = nullptr;
            int64_t frames = 0;
            if (!endpoint.peek(&data, &frames))
                break;
            if (frames > 0)
                captured->append(static_cast<const char*>(data), int(frames * 4));
            if (!endpoint.drop())
                break;
            readable = endpoint.readableBytes();
        }
        if (readable < 0) {
            if (error)
                *error = endpoint.errorString();
            return false;
        }
    }
    return true;
}

void TestPulseCaptureEndpoint::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
}

void TestPulseCaptureEndpoint::capturesItsSource_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sink");
    QTest::addColumn<double>("playedHz");
    QTest::addColumn<double>("otherHz");
    QTest::newRow("system audio = monitor of the default sink")
        << int(CaptureEndpoint::SystemAudio) << QStringLiteral("quillon_out") << 1000.0 << 440.0;
    QTest::newRow("microphone = default source")
        << int(CaptureEndpoint::Microphone) << QStringLiteral("quillon_mic") << 440.0 << 1000.0;
}

void TestPulseCaptureEndpoint::capturesItsSource()
{
    QFETCH(int, mode);
    QFETCH(QString, sink);
    QFETCH(double, playedHz);
    QFETCH(double, otherHz);
    QVERIFY(PulseCaptureEndpoint::sourceAvailable(mode));

    // The played tone goes into the source's sink, the other tone into the other sink: only the
    // first may be captured.
    const QString tone = m_dir.filePath(QStringLiteral("played.wav"));
    const QString other = m_dir.filePath(QStringLiteral("other.wav"));
    QVERIFY(testmedia::makeTone(tone, playedHz, 4.0, 44100, 2, 0.5));
    QVERIFY(testmedia::makeTone(other, otherHz, 4.0, 44100, 2, 0.5));
    const QString otherSink = sink == QLatin1String("quillon_out") ? QStringLiteral("quillon_mic")
                                                                  : QStringLiteral("quillon_out");

    PulseCaptureEndpoint endpoint;
    CaptureFormat format;
    QVERIFY2(endpoint.open(mode, &format), qPrintable(endpoint.errorString()));
    QCOMPARE(format.sampleFormat, 1);
    QCOMPARE(format.rateHz, 44100);
    QCOMPARE(format.channels, 2);
    QCOMPARE(format.blockAlign, 4);
    QCOMPARE(format.channelMask, uint64_t(0x3));

    auto player = testmedia::playInto(sink, tone);
    auto otherPlayer = testmedia::playInto(otherSink, other);
    // A freshly started null sink's monitor may deliver nothing for up to about two seconds:
    // read until a second of audio has come, within a generous limit.
    QByteArray captured;
    QElapsedTimer waited;
    waited.start();
    while (captured.size() < 44100 * 4 && waited.elapsed() < 10000)
        QVERIFY2(readFor(endpoint, 250, &captured), qPrintable(endpoint.errorString()));
    player->kill();
    otherPlayer->kill();
    player->waitForFinished(5000);
    otherPlayer->waitForFinished(5000);
    QVERIFY(captured.size() >= 44100 * 4);
    QVERIFY2(testmedia::toneLevel(captured, 2, 0, 44100, playedHz) > 0.15,
             "the played tone is missing");
    QVERIFY2(testmedia::toneLevel(captured, 2, 0, 44100, otherHz) < 0.01,
             "the other sink leaks into this source");
    endpoint.close();
    endpoint.close();
}

void TestPulseCaptureEndpoint::noServer()
{
    DeadSoundServer dead;
    QString reason;
    QVERIFY(!PulseCaptureEndpoint::sourceAvailable(CaptureEndpoint::SystemAudio, &reason));
    QVERIFY2(reason.contains(QLatin1String("no sound server")), qPrintable(reason));

    PulseCaptureEndpoint endpoint;
    CaptureFormat format;
    QVERIFY(!endpoint.open(CaptureEndpoint::SystemAudio, &format));
    QVERIFY2(endpoint.errorString().contains(QLatin1String("no sound server")),
             qPrintable(endpoint.errorString()));
    QCOMPARE(endpoint.readableBytes(), int64_t(-1));
}

void TestPulseCaptureEndpoint::microphoneGoesAway()
{
    PulseCaptureEndpoint endpoint;
    CaptureFormat format;
    QVERIFY2(endpoint.open(CaptureEndpoint::Microphone, &format),
             qPrintable(endpoint.errorString()));
    QByteArray before;
    QVERIFY2(readFor(endpoint, 200, &before), qPrintable(endpoint.errorString()));

    MicrophoneRemoval removal;
    QVERIFY(removal.removed());
    QString error;
    QByteArray after;
    QVERIFY2(!readFor(endpoint, 3000, &after, &error),
             "reading went on after the device was unloaded");
    QVERIFY(!error.isEmpty());
    QCOMPARE(endpoint.readableBytes(), int64_t(-1));

    // With the remap source gone the server's default source is a monitor: no microphone.
    QString reason;
    QVERIFY(!PulseCaptureEndpoint::sourceAvailable(CaptureEndpoint::Microphone, &reason));
    QVERIFY2(reason.contains(QLatin1String("microphone")), qPrintable(reason));

    removal.restore();
    QVERIFY(PulseCaptureEndpoint::sourceAvailable(CaptureEndpoint::Microphone));
}

QTEST_GUILESS_MAIN(TestPulseCaptureEndpoint)
#include "tst_pulsecaptureendpoint.moc"
