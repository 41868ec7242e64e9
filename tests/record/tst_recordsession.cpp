// The recording session with scripted capture endpoints: failures at start and while running,
// a device that delivers nothing, a late burst of data, mixing, and the encode parameters.

#include "nullcaptureendpoint.h"
#include "qrecordareainfo.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "testmedia.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

CaptureEndpointFactory scripted(const NullCaptureEndpoint::Script& script)
{
    return [script] { return std::make_unique<NullCaptureEndpoint>(script); };
}

EncodeSettings wavSettings()
{
    EncodeSettings s;
    s.formatKey = QStringLiteral("WAV");
    s.audioCodec = 0x10000;
    return s;
}

void useSources(int sources)
{
    QRecordAreaInfo::instance().setSelectedSources(sources);
    QRecordAreaInfo::instance().setValidSources(sources);
}

// Records for `ms` milliseconds of wall clock; returns the measured span in seconds.
double recordFor(QRecordObject& session, const QString& path, int ms)
{
    QElapsedTimer clock;
    if (!session.start(path))
        return -1.0;
    clock.start();
    QTest::qWait(ms);
    session.stop();
    return clock.elapsed() / 1000.0;
}

}  // namespace

class TestRecordSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endpointThatCannotOpenFailsStart();
    void silentDeviceFollowsTheWallClock();
    void lateBurstLeavesNoGap();
    void lostSourceReportsAndFileGoesOn();
    void mixesBothSources();
    void oggBitRateCap_data();
    void oggBitRateCap();

private:
    QTemporaryDir m_dir;
};

void TestRecordSession::initTestCase() { QVERIFY(m_dir.isValid()); }

void TestRecordSession::endpointThatCannotOpenFailsStart()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    NullCaptureEndpoint::Script broken;
    broken.openError = QStringLiteral("no sound server: Connection refused");
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(broken));
    session.microphoneSource()->setEndpointFactory(scripted(broken));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);

    const QString path = m_dir.filePath(QStringLiteral("never.wav"));
    QVERIFY(!session.start(path));
    QVERIFY(!session.isRecording());
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY2(session.lastError().contains(QLatin1String("no sound server")),
             qPrintable(session.lastError()));
    QVERIFY(!QFile::exists(path));
    QTest::qWait(50);
    QCOMPARE(failed.count(), 0);
    session.stop();
    QCOMPARE(finished.count(), 0);
}

void TestRecordSession::silentDeviceFollowsTheWallClock()
{
    useSources(QRecordAreaInfo::SystemAudio);
    NullCaptureEndpoint::Script idle;
    idle.deliverNothing = true;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(idle));

    const QString path = m_dir.filePath(QStringLiteral("idle.wav"));
    const double wall = recordFor(session, path, 2600);
    QVERIFY(wall > 0);
    // One silent block per second of silence, each stamped 0.1 s behind the wall clock: the
    // file trails the wall clock by at most a little over a second, but it is not empty.
    const double duration = testmedia::durationSeconds(path);
    QVERIFY2(duration >= wall - 1.2 && duration <= wall + 0.1,
             qPrintable(QStringLiteral("%1 s of file for %2 s").arg(duration).arg(wall)));
}

void TestRecordSession::lateBurstLeavesNoGap()
{
    useSources(QRecordAreaInfo::SystemAudio);
    NullCaptureEndpoint::Script stalling;
    stalling.toneHz = 1000.0;
    stalling.stallAfterFrames = 22050;
    stalling.stallMs = 700;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(stalling));

    const QString path = m_dir.filePath(QStringLiteral("burst.wav"));
    const double wall = recordFor(session, path, 2000);
    QVERIFY(wall > 0);
    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype frames = pcm.size() / 4;
    QVERIFY(frames > 44100);
    // The tone runs without a break from its first sample to its last: a burst placed by its
    // arrival time would leave ~0.7 s of inserted silence.
    qsizetype first = 0;
    while (first < frames
           && std::abs(qFromLittleEndian<qint16>(pcm.constData() + first * 4)) < 1000)
        ++first;
    const qsizetype window = 441;
    for (qsizetype at = first; at + 2 * window < frames; at += window) {
        const double level = testmedia::rms(pcm, 2, 0, at, window);
        QVERIFY2(level > 0.2, qPrintable(QStringLiteral("silence at %1 s").arg(at / 44100.0)));
    }
    QVERIFY(frames / 44100.0 <= wall + 0.1);
}

void TestRecordSession::lostSourceReportsAndFileGoesOn()
{
    useSources(QRecordAreaInfo::SystemAudio);
    NullCaptureEndpoint::Script failing;
    failing.failAfterFrames = 44100;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(failing));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);

    const QString path = m_dir.filePath(QStringLiteral("lost.wav"));
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.count(), 1);
    QVERIFY(session.isRecording());
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY2(session.lastError().contains(QLatin1String("went away")),
             qPrintable(session.lastError()));
    session.stop();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), path);
    const double duration = testmedia::durationSeconds(path);
    QVERIFY2(duration > 0.9 && duration < 1.3, qPrintable(QString::number(duration)));
}

void TestRecordSession::mixesBothSources()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    NullCaptureEndpoint::Script system;
    system.toneHz = 440.0;
    system.amplitude = 0.3;
    NullCaptureEndpoint::Script mic = system;
    mic.toneHz = 1000.0;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(system));
    session.microphoneSource()->setEndpointFactory(scripted(mic));

    const QString path = m_dir.filePath(QStringLiteral("mixed.wav"));
    QVERIFY(recordFor(session, path, 2000) > 0);
    const QByteArray pcm = testmedia::decodeS16(path);
    QVERIFY(pcm.size() > 44100 * 4);
    const QByteArray middle = pcm.mid(44100 * 4 / 4, 44100 * 4);
    const double a = testmedia::toneLevel(middle, 2, 0, 44100, 440.0);
    const double b = testmedia::toneLevel(middle, 2, 0, 44100, 1000.0);
    QVERIFY2(a > 0.2 && a < 0.4, qPrintable(QStringLiteral("system tone at %1").arg(a)));
    QVERIFY2(b > 0.2 && b < 0.4, qPrintable(QStringLiteral("microphone tone at %1").arg(b)));
}

void TestRecordSession::oggBitRateCap_data()
{
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<int>("expectedBitsPerSecond");
    QTest::newRow("22050 Hz, 192 kbit/s is capped") << 22050 << 192 << 160000;
    QTest::newRow("22050 Hz, 128 kbit/s is kept") << 22050 << 128 << 128000;
    QTest::newRow("44100 Hz, 192 kbit/s is kept") << 44100 << 192 << 192000;
}

void TestRecordSession::oggBitRateCap()
{
    QFETCH(int, rateHz);
    QFETCH(int, kbps);
    QFETCH(int, expectedBitsPerSecond);
    useSources(QRecordAreaInfo::SystemAudio);
    QRecordObject session;
    EncodeSettings settings;
    settings.formatKey = QStringLiteral("OGG");
    settings.audioCodec = 0x15005;
    settings.sampleRateHz = rateHz;
    settings.audioBitRateKbps = kbps;
    session.setEncodeSettings(settings);
    session.systemSource()->setEndpointFactory(scripted(NullCaptureEndpoint::Script()));

    const QString path = m_dir.filePath(QStringLiteral("capped.ogg"));
    QVERIFY(recordFor(session, path, 700) > 0);
    const QJsonObject stream = testmedia::audioStream(path);
    QCOMPARE(stream.value(QStringLiteral("codec_name")).toString(), QStringLiteral("vorbis"));
    QCOMPARE(stream.value(QStringLiteral("sample_rate")).toString().toInt(), rateHz);
    QCOMPARE(stream.value(QStringLiteral("bit_rate")).toString().toInt(), expectedBitsPerSecond);
}

QTEST_GUILESS_MAIN(TestRecordSession)
#include "tst_recordsession.moc"
