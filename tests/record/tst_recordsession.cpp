// The recording session with scripted capture endpoints: where captured audio lands (capture
// time, pauses, holes, late delivery, two sources), how long the file is, failures at start and
// while running, dropped audio, and the encode parameters.

#include "nullcaptureendpoint.h"
#include "qrecordareainfo.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "sessionclock.h"
#include "sessiontestutil.h"
#include "testmedia.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>
#include <thread>

namespace {

using Script = NullCaptureEndpoint::Script;
using namespace sessiontest;

CaptureEndpointFactory scripted(const Script& script)
{
    return [script] { return std::make_unique<NullCaptureEndpoint>(script); };
}

EncodeSettings wavSettings()
{
    return settingsFor(QStringLiteral("WAV"), 0x10000);
}

qint16 left(const QByteArray& pcm, qsizetype frame)
{
    return sampleAt(pcm, frame, 0);
}

// What the file holds after the device's first frame: a run of the scripted tone from a frame
// index on, or zeros.
struct Run {
    qint64 toneFrom;  // -1: zeros
    qint64 frames;    // -1: up to the end of the file
};

// Checks `pcm` from `at` against the runs, both channels; a run may start one frame early or
// late (timestamps in microseconds round to frames), its samples must be exact. The end of the
// file is left out by the device's latency and one poll: captured then, delivered only after
// the stop.
QString checkRuns(const QByteArray& pcm, qsizetype at, const Script& script,
                  const QVector<Run>& runs)
{
    const qsizetype total = pcm.size() / 4 - (script.latencyMs + 30) * 44100 / 1000;
    for (const Run& run : runs) {
        const qsizetype n = run.frames < 0 ? total - at : run.frames;
        if (run.toneFrom < 0) {
            for (qsizetype i = 1; i + 1 < n; ++i) {
                if (left(pcm, at + i) != 0)
                    return QStringLiteral("sound at frame %1 in a silent run").arg(at + i);
            }
            at += n;
            continue;
        }
        qsizetype shift = 2;
        for (qsizetype s : {0, -1, 1}) {
            if (left(pcm, at + s + 1) ==
                    NullCaptureEndpoint::toneSample(script, run.toneFrom + 1) &&
                left(pcm, at + s + 2) ==
                    NullCaptureEndpoint::toneSample(script, run.toneFrom + 2)) {
                shift = s;
                break;
            }
        }
        if (shift == 2)
            return QStringLiteral("tone from %1 not found at frame %2").arg(run.toneFrom).arg(at);
        at += shift;
        for (qsizetype i = 0; i < n - 2 && at + i < total; ++i) {
            const qint16 want = NullCaptureEndpoint::toneSample(script, run.toneFrom + i);
            const qint16 got0 = left(pcm, at + i);
            const qint16 got1 = sampleAt(pcm, at + i, 1);
            if (got0 != want || got1 != want)
                return QStringLiteral("frame %1: %2 instead of %3").arg(at + i).arg(got0).arg(want);
        }
        at += n;
    }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(Script)
Q_DECLARE_METATYPE(QVector<Run>)

class TestRecordSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startFailsWithoutASource_data();
    void startFailsWithoutASource();
    void startDoesNotWaitForTheServer();
    void placesAudioByCaptureTime_data();
    void placesAudioByCaptureTime();
    void silentDeviceFollowsTheWallClock();
    void sourcesAlignByCaptureTime();
    void lostSourceReportsAndFileGoesOn();
    void mixesBothSources();
    void fullEncoderQueueIsReported();
    void oggBitRateCap_data();
    void oggBitRateCap();

private:
    QTemporaryDir m_dir;
};

void TestRecordSession::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestRecordSession::startFailsWithoutASource_data()
{
    QTest::addColumn<int>("sources");
    QTest::newRow("system audio") << int(QRecordAreaInfo::SystemAudio);
    QTest::newRow("microphone") << int(QRecordAreaInfo::Microphone);
    QTest::newRow("both") << int(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
}

// No source can be opened: the recording ends with the reason, and leaves no file behind.
void TestRecordSession::startFailsWithoutASource()
{
    QFETCH(int, sources);
    useSources(sources);
    Script broken;
    broken.openError = QStringLiteral("no sound server: Connection refused");
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(broken));
    session.microphoneSource()->setEndpointFactory(scripted(broken));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);

    const QString path = m_dir.filePath(QStringLiteral("never.wav"));
    QVERIFY(session.start(path));
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.count(), 1);
    QVERIFY(!session.isRecording());
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY2(session.lastError().contains(QLatin1String("no sound server")),
             qPrintable(session.lastError()));
    QVERIFY(!QFile::exists(path));
    session.stop();
    QCOMPARE(finished.count(), 0);
}

// A source whose server does not answer keeps opening on its own thread; start() has returned
// meanwhile, and stop() cancels the opening.
void TestRecordSession::startDoesNotWaitForTheServer()
{
    useSources(QRecordAreaInfo::SystemAudio);
    Script hung;
    hung.openDelayMs = 600000;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(hung));
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString path = m_dir.filePath(QStringLiteral("hung.wav"));
    QVERIFY(session.start(path));
    QVERIFY(session.isRecording());
    QVERIFY(session.systemSource()->isStarting());
    session.stop();
    QVERIFY(!session.systemSource()->isStarting());
    QCOMPARE(finished.count(), 1);
}

void TestRecordSession::placesAudioByCaptureTime_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QVector<Run>>("runs");
    QTest::addColumn<int>("recordMs");
    const qint64 rate = 44100;
    Script script;
    script.toneHz = 1000.0;
    script.startDelayMs = 200;

    Script late = script;
    late.startDelayMs = 800;
    late.latencyMs = 300;
    QTest::newRow("device that starts late and delivers late: at its capture time")
        << late << QVector<Run>{{0, -1}} << 2500;
    Script paused = script;
    paused.pauseAfterFrames = rate / 2;
    paused.pauseMs = 1200;
    QTest::newRow("paused device: silence of the pause, then on at its capture time")
        << paused << QVector<Run>{{0, rate / 2}, {-1, rate * 12 / 10}, {rate / 2, -1}} << 3000;
    Script holed = script;
    holed.holeAfterFrames = rate / 2;
    holed.holeFrames = rate / 10;
    QTest::newRow("hole: silence of its length")
        << holed << QVector<Run>{{0, rate / 2}, {-1, rate / 10}, {rate * 6 / 10, -1}} << 1500;
    Script stalled = script;
    stalled.stallAfterFrames = rate / 2;
    stalled.stallMs = 700;
    QTest::newRow("late burst: continues without a gap")
        << stalled << QVector<Run>{{0, -1}} << 2000;
    Script slowTiming = script;
    slowTiming.timingAnswerPolls = 5;
    QTest::newRow("timing that answers late") << slowTiming << QVector<Run>{{0, -1}} << 1200;
}

// Every captured sample is in the file, in order, at the time it was captured: the file is
// silent before the device's first frame, then holds exactly the scripted runs; its length is
// the time between start and stop.
void TestRecordSession::placesAudioByCaptureTime()
{
    QFETCH(Script, script);
    QFETCH(QVector<Run>, runs);
    QFETCH(int, recordMs);
    useSources(QRecordAreaInfo::SystemAudio);
    script.epochUs = sessionClockUs() + 100000;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(script));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    const QString path = m_dir.filePath(QStringLiteral("placed.wav"));
    Span span;
    QVERIFY(recordFor(session, path, recordMs, &span));
    QCOMPARE(failed.count(), 0);

    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype frames = pcm.size() / 4;
    QVERIFY2(frames >= span.minFrames(44100) && frames <= span.maxFrames(44100),
             qPrintable(QStringLiteral("%1 frames, not %2 to %3")
                            .arg(frames)
                            .arg(span.minFrames(44100))
                            .arg(span.maxFrames(44100))));
    // The device's first frame was captured at epoch + startDelay.
    const int64_t firstUs = script.epochUs + int64_t(script.startDelayMs) * 1000;
    // The tone's first sample is 0: find its second.
    qsizetype second = 0;
    while (second < frames && left(pcm, second) == 0)
        ++second;
    const qsizetype onset = second - 1;
    const qint64 earliest = span.earliestFrame(firstUs, 44100);
    const qint64 latest = span.latestFrame(firstUs, 44100);
    QVERIFY2(
        onset >= earliest && onset <= latest,
        qPrintable(
            QStringLiteral("tone at frame %1, not %2 to %3").arg(onset).arg(earliest).arg(latest)));
    const QString mismatch = checkRuns(pcm, onset, script, runs);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// A device that never delivers (an idle loopback device, a suspended output) still gives a file
// exactly as long as the recording.
void TestRecordSession::silentDeviceFollowsTheWallClock()
{
    useSources(QRecordAreaInfo::SystemAudio);
    Script idle;
    idle.deliverNothing = true;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(idle));
    const QString path = m_dir.filePath(QStringLiteral("idle.wav"));
    Span span;
    QVERIFY(recordFor(session, path, 2600, &span));
    const qsizetype frames = testmedia::decodeS16(path).size() / 4;
    QVERIFY2(frames >= span.minFrames(44100) && frames <= span.maxFrames(44100),
             qPrintable(QStringLiteral("%1 frames for %2 ms")
                            .arg(frames)
                            .arg((span.beforeStop - span.afterStart) / 1000)));
}

// Two devices capture the same instants; the microphone's frames arrive 80 ms later. Placed by
// capture time they coincide to the sample: played in opposite phase, they cancel exactly.
void TestRecordSession::sourcesAlignByCaptureTime()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    Script system;
    system.toneHz = 440.0;
    system.amplitude = 0.3;
    system.epochUs = sessionClockUs() + 200000;
    Script mic = system;
    mic.amplitude = -0.3;
    mic.latencyMs = 80;
    mic.packetFrames = 1024;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(system));
    session.microphoneSource()->setEndpointFactory(scripted(mic));
    const QString path = m_dir.filePath(QStringLiteral("aligned.wav"));
    QVERIFY(recordFor(session, path, 2000));
    const QByteArray pcm = testmedia::decodeS16(path);
    // Up to the last 0.3 s, where the late microphone was cut off by the stop.
    const qsizetype end = pcm.size() / 4 - 44100 * 3 / 10;
    QVERIFY(end > 44100);
    for (qsizetype i = 0; i < end; ++i)
        QVERIFY2(left(pcm, i) == 0, qPrintable(QStringLiteral("residue at frame %1").arg(i)));
}

void TestRecordSession::lostSourceReportsAndFileGoesOn()
{
    useSources(QRecordAreaInfo::SystemAudio);
    Script failing;
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
    Script system;
    system.toneHz = 440.0;
    system.amplitude = 0.3;
    Script mic = system;
    mic.toneHz = 1000.0;
    QRecordObject session;
    session.setEncodeSettings(wavSettings());
    session.systemSource()->setEndpointFactory(scripted(system));
    session.microphoneSource()->setEndpointFactory(scripted(mic));

    const QString path = m_dir.filePath(QStringLiteral("mixed.wav"));
    QVERIFY(recordFor(session, path, 2000));
    const QByteArray pcm = testmedia::decodeS16(path);
    QVERIFY(pcm.size() > 44100 * 4);
    const QByteArray middle = pcm.mid(44100 * 4 / 4, 44100 * 4);
    const double a = testmedia::toneLevel(middle, 2, 0, 44100, 440.0);
    const double b = testmedia::toneLevel(middle, 2, 0, 44100, 1000.0);
    QVERIFY2(a > 0.2 && a < 0.4, qPrintable(QStringLiteral("system tone at %1").arg(a)));
    QVERIFY2(b > 0.2 && b < 0.4, qPrintable(QStringLiteral("microphone tone at %1").arg(b)));
}

// The output blocks (a pipe nobody reads), so the encoder's queue fills: the lost blocks are
// reported while the recording goes on.
void TestRecordSession::fullEncoderQueueIsReported()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString path = m_dir.filePath(QStringLiteral("blocked.raw"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    // 768 kHz, 8 channels: the 64 MiB queue is full after a few seconds.
    Script flood;
    flood.toneHz = 0.0;
    flood.format.rateHz = 768000;
    flood.format.channels = 8;
    flood.packetFrames = 7680;
    EncodeSettings raw;
    raw.formatKey = QStringLiteral("s16le");
    raw.audioCodec = 0x10000;
    raw.sampleRateHz = 768000;
    raw.channels = 8;
    QRecordObject session;
    session.setEncodeSettings(raw);
    session.systemSource()->setEndpointFactory(scripted(flood));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    const bool reported = failed.wait(60000);
    const bool stillRecording = session.isRecording() && session.capturingSources() == 1;
    const QString reason = session.lastError();
    // Read the pipe empty so the recorder can finish.
    ::fcntl(reader, F_SETFL, 0);
    std::thread drain([reader] {
        char buffer[65536];
        while (::read(reader, buffer, sizeof buffer) > 0) {
        }
    });
    session.stop();
    drain.join();
    ::close(reader);
    QVERIFY(reported);
    QVERIFY(stillRecording);
    QVERIFY2(reason.contains(QLatin1String("too far behind")), qPrintable(reason));
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
    session.systemSource()->setEndpointFactory(scripted(Script()));

    const QString path = m_dir.filePath(QStringLiteral("capped.ogg"));
    QVERIFY(recordFor(session, path, 700));
    const QJsonObject stream = testmedia::audioStream(path);
    QCOMPARE(stream.value(QStringLiteral("codec_name")).toString(), QStringLiteral("vorbis"));
    QCOMPARE(stream.value(QStringLiteral("sample_rate")).toString().toInt(), rateHz);
    QCOMPARE(stream.value(QStringLiteral("bit_rate")).toString().toInt(), expectedBitsPerSecond);
}

QTEST_GUILESS_MAIN(TestRecordSession)
#include "tst_recordsession.moc"
