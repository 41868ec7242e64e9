// The recording session against the private sound server: what is played is what is recorded,
// silence keeps time, both sources mix, and every failure leaves a finished, playable file.

#include "playedaudio.h"
#include "pulsefixture.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "sessiontestutil.h"
#include "smallfilesystem.h"
#include "testmedia.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace sessiontest;
using namespace playedaudio;

class TestRecordCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recordsWhatIsPlayed_data();
    void recordsWhatIsPlayed();
    void songsAfterAPause();
    void suspendedSinkFollowsTheClock();
    void sourcesAlignByCaptureTime();
    void monitorIsNotRecordedAsTheMicrophone();
    void silenceLastsAsLongAsTheRecording();
    void mixesSystemAudioAndMicrophone();
    void stopRightAfterStart_data();
    void stopRightAfterStart();
    void microphoneDisappears();
    void diskFull();
    void noSoundServer();

private:
    QTemporaryDir m_dir;
};

void TestRecordCapture::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
}

void TestRecordCapture::recordsWhatIsPlayed_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("extension");
    QTest::newRow("WAV") << QStringLiteral("WAV") << 0x10000 << QStringLiteral("wav");
    QTest::newRow("FLAC") << QStringLiteral("FLAC") << 0x1500C << QStringLiteral("flac");
}

void TestRecordCapture::recordsWhatIsPlayed()
{
    QFETCH(QString, key);
    QFETCH(int, codec);
    QFETCH(QString, extension);
    useSources(QRecordAreaInfo::SystemAudio);

    // Noise has one sharp alignment; the null sink passes s16 at 44100 Hz through unchanged, so
    // after alignment the file must hold the played samples exactly, without a gap.
    const QString played = m_dir.filePath(QStringLiteral("noise.wav"));
    QVERIFY(makeNoise(played, 2.0, 7));
    const QByteArray source = testmedia::decodeS16(played);

    QRecordObject session;
    session.setEncodeSettings(settingsFor(key, codec));
    const QString path = m_dir.filePath(QStringLiteral("capture.") + extension);
    QVERIFY(startCapturing(session, path, 1));
    QTest::qWait(200);
    auto player = testmedia::playInto(QStringLiteral("quillon_out"), played);
    QVERIFY(player->waitForFinished(10000));
    QTest::qWait(300);
    session.stop();

    QString why;
    QVERIFY2(locateWhole(source, testmedia::decodeS16(path), &why) >= 0, qPrintable(why));
}

// Two songs with a pause between, in which the sink is suspended: both are in the file whole,
// the second after the pause.
void TestRecordCapture::songsAfterAPause()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString first = m_dir.filePath(QStringLiteral("first.wav"));
    const QString second = m_dir.filePath(QStringLiteral("second.wav"));
    QVERIFY(makeNoise(first, 1.0, 7));
    QVERIFY(makeNoise(second, 1.0, 8));

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("FLAC"), 0x1500C));
    const QString path = m_dir.filePath(QStringLiteral("songs.flac"));
    QVERIFY(startCapturing(session, path, 1));
    QTest::qWait(200);
    QVERIFY(testmedia::playInto(QStringLiteral("quillon_out"), first)->waitForFinished(10000));
    {
        SinkSuspension pause(QStringLiteral("quillon_out"));
        QVERIFY(pause.suspended());
        QTest::qWait(1000);
    }
    QVERIFY(testmedia::playInto(QStringLiteral("quillon_out"), second)->waitForFinished(10000));
    QTest::qWait(300);
    session.stop();

    const QByteArray recorded = testmedia::decodeS16(path);
    QString why;
    const qsizetype firstAt = locateWhole(testmedia::decodeS16(first), recorded, &why);
    QVERIFY2(firstAt >= 0, qPrintable(QStringLiteral("first song: ") + why));
    const qsizetype secondAt = locateWhole(testmedia::decodeS16(second), recorded, &why);
    QVERIFY2(secondAt >= 0, qPrintable(QStringLiteral("second song: ") + why));
    QVERIFY2(secondAt >= firstAt + 44100 + 44100 * 9 / 10,
             qPrintable(
                 QStringLiteral("second song %1 frames after the first").arg(secondAt - firstAt)));
}

// With the sink suspended its monitor delivers nothing at all; the file still lasts as long as
// the recording (within 20 ms), and sound that starts later lands at its time.
void TestRecordCapture::suspendedSinkFollowsTheClock()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const QString tone = m_dir.filePath(QStringLiteral("late.wav"));
    QVERIFY(testmedia::makeTone(tone, 440.0, 0.5, 44100, 2, 0.3));
    SinkSuspension suspension(QStringLiteral("quillon_out"));
    QVERIFY(suspension.suspended());

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("suspended.wav"));
    Span span;
    QVERIFY2(startRecording(session, path, &span), qPrintable(session.lastError()));
    QTest::qWait(1000);
    suspension.resume();
    const int64_t playedAt = sessionClockUs();
    QVERIFY(testmedia::playInto(QStringLiteral("quillon_out"), tone)->waitForFinished(10000));
    QTest::qWait(3000 - int((sessionClockUs() - span.afterStart) / 1000));
    stopRecording(session, &span);

    QString why;
    QVERIFY2(checkLengthAndOnset(testmedia::decodeS16(path), span, playedAt, &why) >= 0,
             qPrintable(why));
}

// The same clicks reach both sources: the microphone is a remap of the monitor. Placed by the
// time the server captured them, the microphone's copy follows the monitor's by the one block
// of the sink that the monitor holds back for the sink's rewinds (its configured latency), the
// same in every run.
void TestRecordCapture::sourcesAlignByCaptureTime()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    const DefaultSourceChange loop =
        DefaultSourceChange::remapOfMonitor(QStringLiteral("quillon_out"));
    QVERIFY(loop.changed());
    const QString clicks = m_dir.filePath(QStringLiteral("clicks.wav"));
    QVERIFY(makeClicks(clicks, 1.0, 11025));
    QVector<qsizetype> offsets;
    for (int run = 0; run < 3; ++run) {
        QRecordObject session;
        session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
        const QString path = m_dir.filePath(QStringLiteral("aligned%1.wav").arg(run));
        QVERIFY2(session.start(path), qPrintable(session.lastError()));
        QTest::qWait(2500);  // past the idle sink's render-ahead
        const qsizetype block = configuredSinkLatencyFrames(QStringLiteral("quillon_out"));
        QVERIFY(testmedia::playInto(QStringLiteral("quillon_out"), clicks)->waitForFinished(10000));
        QTest::qWait(300);
        session.stop();
        const QVector<qsizetype> apartAll = clickOffsets(testmedia::decodeS16(path));
        const qsizetype apart = apartAll.isEmpty() ? -1 : apartAll.first();
        QVERIFY2(block > 0 && std::abs(apart - block) <= 44,
                 qPrintable(QStringLiteral("run %1: copies %2 frames apart, the sink's block is "
                                           "%3 frames")
                                .arg(run)
                                .arg(apart)
                                .arg(block)));
        offsets.append(apart);
    }
    const auto [least, most] = std::minmax_element(offsets.cbegin(), offsets.cend());
    QVERIFY2(*most - *least <= 44,
             qPrintable(QStringLiteral("offsets %1 to %2 frames").arg(*least).arg(*most)));
}

// The default source is the monitor of the sink: the microphone is not recorded (it would be
// system audio a second time, 6 dB louder), and the session says why.
void TestRecordCapture::monitorIsNotRecordedAsTheMicrophone()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    const DefaultSourceChange monitor =
        DefaultSourceChange::to(QStringLiteral("quillon_out.monitor"));
    QVERIFY(monitor.changed());
    const QString tone = m_dir.filePath(QStringLiteral("once.wav"));
    QVERIFY(testmedia::makeTone(tone, 440.0, 2.5, 44100, 2, 0.3));

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QStringList reasons;
    connect(&session, &QRecordObject::emitAudioRecordFail, this,
            [&] { reasons << session.lastError(); });
    const QString path = m_dir.filePath(QStringLiteral("once-recorded.wav"));
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    QTest::qWait(2200);
    QVERIFY(testmedia::playInto(QStringLiteral("quillon_out"), tone)->waitForFinished(10000));
    session.stop();

    QVERIFY2(reasons.size() == 1 && reasons.first().contains(QLatin1String("microphone")) &&
                 reasons.first().contains(QLatin1String("monitor")),
             qPrintable(reasons.join(QLatin1Char('|'))));
    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype onset = firstLoud(pcm, 1000);
    QVERIFY(onset >= 0);
    const QByteArray middle = pcm.mid((onset + 22050) * 4, 44100 * 4);
    const double played = testmedia::toneLevel(testmedia::decodeS16(tone), 2, 0, 44100, 440.0);
    const double level = testmedia::toneLevel(middle, 2, 0, 44100, 440.0);
    QVERIFY2(std::abs(level / played - 1.0) < 0.1,
             qPrintable(QStringLiteral("%1 of %2").arg(level).arg(played)));
}

void TestRecordCapture::silenceLastsAsLongAsTheRecording()
{
    useSources(QRecordAreaInfo::SystemAudio);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("silence.wav"));
    Span span;
    QVERIFY2(recordFor(session, path, 3000, &span), qPrintable(session.lastError()));
    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype frames = pcm.size() / 4;
    QVERIFY2(frames >= span.minFrames(44100, 20000) && frames <= span.maxFrames(44100, 20000),
             qPrintable(QStringLiteral("%1 s of file for %2 s")
                            .arg(frames / 44100.0)
                            .arg((span.beforeStop - span.afterStart) / 1e6)));
    QVERIFY(testmedia::rms(pcm, 2, 0) < 0.001);
}

void TestRecordCapture::mixesSystemAudioAndMicrophone()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    const QString toneA = m_dir.filePath(QStringLiteral("a.wav"));
    const QString toneB = m_dir.filePath(QStringLiteral("b.wav"));
    QVERIFY(testmedia::makeTone(toneA, 440.0, 2.5, 44100, 2, 0.3));
    QVERIFY(testmedia::makeTone(toneB, 1000.0, 2.5, 44100, 2, 0.3));

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("mixed.wav"));
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    // An idle null sink renders up to two seconds ahead; its monitor delivers nothing until the
    // clock has caught up with that. Play once both monitors run.
    QTest::qWait(2200);
    auto a = testmedia::playInto(QStringLiteral("quillon_out"), toneA);
    auto b = testmedia::playInto(QStringLiteral("quillon_mic"), toneB);
    QVERIFY(a->waitForFinished(10000));
    QVERIFY(b->waitForFinished(10000));
    session.stop();

    // Each tone keeps the level it was played at (within 10 %): the sources are added, not
    // averaged or clipped.
    const double playedA = testmedia::toneLevel(testmedia::decodeS16(toneA), 2, 0, 44100, 440.0);
    const double playedB = testmedia::toneLevel(testmedia::decodeS16(toneB), 2, 0, 44100, 1000.0);
    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype onset = firstLoud(pcm, 1000);
    QVERIFY(onset >= 0);
    // One second from the middle of the tones.
    const QByteArray middle = pcm.mid((onset + 22050) * 4, 44100 * 4);
    QCOMPARE(middle.size(), 44100 * 4);
    for (int channel = 0; channel < 2; ++channel) {
        const double levelA = testmedia::toneLevel(middle, 2, channel, 44100, 440.0);
        const double levelB = testmedia::toneLevel(middle, 2, channel, 44100, 1000.0);
        QVERIFY2(std::abs(levelA / playedA - 1.0) < 0.1,
                 qPrintable(QStringLiteral("system tone %1 of %2").arg(levelA).arg(playedA)));
        QVERIFY2(std::abs(levelB / playedB - 1.0) < 0.1,
                 qPrintable(QStringLiteral("microphone tone %1 of %2").arg(levelB).arg(playedB)));
    }
}

void TestRecordCapture::stopRightAfterStart_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("codecName");
    QTest::newRow("WAV") << QStringLiteral("WAV") << 0x10000 << QStringLiteral("wav")
                         << QStringLiteral("pcm_s16le");
    QTest::newRow("MP3") << QStringLiteral("MP3") << 0x15001 << QStringLiteral("mp3")
                         << QStringLiteral("mp3");
    QTest::newRow("M4A") << QStringLiteral("M4A") << 0x15002 << QStringLiteral("m4a")
                         << QStringLiteral("aac");
    QTest::newRow("FLAC") << QStringLiteral("FLAC") << 0x1500C << QStringLiteral("flac")
                          << QStringLiteral("flac");
}

void TestRecordCapture::stopRightAfterStart()
{
    QFETCH(QString, key);
    QFETCH(int, codec);
    QFETCH(QString, extension);
    QFETCH(QString, codecName);
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(key, codec));
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString path = m_dir.filePath(QStringLiteral("instant.") + extension);
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    session.stop();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!session.isRecording());
    QCOMPARE(testmedia::audioStream(path).value(QStringLiteral("codec_name")).toString(),
             codecName);
    // And the session records again at once (a cut is stop + start).
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    QTest::qWait(300);
    session.stop();
    QCOMPARE(finished.count(), 2);
    QCOMPARE(testmedia::audioStream(path).value(QStringLiteral("codec_name")).toString(),
             codecName);
}

void TestRecordCapture::microphoneDisappears()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    const QString tone = m_dir.filePath(QStringLiteral("long.wav"));
    QVERIFY(testmedia::makeTone(tone, 440.0, 3.0, 44100, 2, 0.3));

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString path = m_dir.filePath(QStringLiteral("micgone.wav"));
    QVERIFY(startCapturing(session, path, 2));
    auto player = testmedia::playInto(QStringLiteral("quillon_out"), tone);
    QTest::qWait(800);
    {
        MicrophoneRemoval removal;
        QVERIFY(removal.removed());
        QVERIFY(failed.wait(5000));
        QVERIFY(session.isRecording());
        QCOMPARE(session.capturingSources(), 1);
        QVERIFY(player->waitForFinished(10000));
    }
    session.stop();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 1);

    // System audio went on after the microphone was gone: the whole tone is in the file.
    const QByteArray pcm = testmedia::decodeS16(path);
    const qsizetype onset = firstLoud(pcm, 1000);
    QVERIFY(onset >= 0);
    const QByteArray late = pcm.mid((onset + 2 * 44100) * 4, 44100 * 4 / 2);
    QCOMPARE(late.size(), 44100 * 4 / 2);
    const double played = testmedia::toneLevel(testmedia::decodeS16(tone), 2, 0, 44100, 440.0);
    const double level = testmedia::toneLevel(late, 2, 0, 44100, 440.0);
    QVERIFY2(level > 0.9 * played, qPrintable(QStringLiteral("%1 of %2").arg(level).arg(played)));
}

void TestRecordCapture::diskFull()
{
    useSources(QRecordAreaInfo::SystemAudio);
    const SmallFileSystem mountPoint("size=200k");
    if (!mountPoint.mounted())
        QSKIP("cannot mount a small tmpfs here");

    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    QSignalSpy finished(&session, &QRecordObject::emitFinishRecordFile);
    const QString path = mountPoint.filePath(QStringLiteral("full.wav"));
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    // 176400 bytes a second fill 200 KiB in little more than a second.
    QVERIFY(failed.wait(8000));
    QVERIFY(!session.isRecording());
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY2(session.lastError().contains(path), qPrintable(session.lastError()));
    session.stop();
    // What was written is kept, finished once and entered into the history.
    QCOMPARE(finished.count(), 1);

    QVERIFY(QFileInfo(path).size() > 100000);
    const QByteArray pcm = testmedia::decodeS16(path);
    QVERIFY(pcm.size() > 44100 * 4 / 2);
}

// Without a sound server the recording ends at once with the reason and leaves no file.
void TestRecordCapture::noSoundServer()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    DeadSoundServer dead;
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy failed(&session, &QRecordObject::emitAudioRecordFail);
    const QString path = m_dir.filePath(QStringLiteral("noserver.wav"));
    QVERIFY(session.start(path));
    QVERIFY(failed.wait(10000));
    QVERIFY2(session.lastError().contains(QLatin1String("no sound server")),
             qPrintable(session.lastError()));
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY(!session.isRecording());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestRecordCapture)
#include "tst_recordcapture.moc"
