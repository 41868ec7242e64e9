// The recording session against the private sound server: what is played is what is recorded,
// silence keeps time, both sources mix, and every failure leaves a finished, playable file.

#include "pulsefixture.h"
#include "qrecordareainfo.h"
#include "qrecordobject.h"
#include "smalltmpfs.h"
#include "testmedia.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

EncodeSettings settingsFor(const QString& key, int codec)
{
    EncodeSettings s;
    s.formatKey = key;
    s.audioCodec = codec;
    return s;
}

void useSources(int sources)
{
    QRecordAreaInfo::instance().setSelectedSources(sources);
    QRecordAreaInfo::instance().setValidSources(sources);
}

qint16 sampleAt(const QByteArray& s16, qsizetype frame, int channel)
{
    return qFromLittleEndian<qint16>(s16.constData() + (frame * 2 + channel) * 2);
}

qsizetype firstLoud(const QByteArray& s16, int threshold)
{
    const qsizetype frames = s16.size() / 4;
    for (qsizetype i = 0; i < frames; ++i) {
        if (std::abs(sampleAt(s16, i, 0)) > threshold)
            return i;
    }
    return -1;
}

bool sameFrame(const QByteArray& a, qsizetype i, const QByteArray& b, qsizetype j)
{
    return std::abs(sampleAt(a, i, 0) - sampleAt(b, j, 0)) <= 2
           && std::abs(sampleAt(a, i, 1) - sampleAt(b, j, 1)) <= 2;
}

// Lag of `recorded` against `played` at which 32 frames of `played` from `at` on reappear
// unchanged; -1 when they do not.
qsizetype findLag(const QByteArray& played, const QByteArray& recorded, qsizetype at)
{
    const qsizetype n = 32;
    for (qsizetype j = 0; j + n <= recorded.size() / 4; ++j) {
        qsizetype k = 0;
        while (k < n && sameFrame(played, at + k, recorded, j + k))
            ++k;
        if (k == n)
            return j - at;
    }
    return -1;
}

// The frames of `played` around `at` that `recorded` holds unchanged at `lag`, as [first, end).
QPair<qsizetype, qsizetype> matchingSpan(const QByteArray& played, const QByteArray& recorded,
                                         qsizetype lag, qsizetype at)
{
    const qsizetype playedFrames = played.size() / 4;
    const qsizetype recordedFrames = recorded.size() / 4;
    qsizetype end = at;
    while (end < playedFrames && end + lag < recordedFrames
           && sameFrame(played, end, recorded, end + lag))
        ++end;
    qsizetype first = at;
    while (first > 0 && first - 1 + lag >= 0
           && sameFrame(played, first - 1, recorded, first - 1 + lag))
        --first;
    return {first, end};
}

}  // namespace

class TestRecordCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recordsWhatIsPlayed_data();
    void recordsWhatIsPlayed();
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
    QVERIFY(testmedia::run(QStringLiteral("ffmpeg"),
                           {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                            QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                            QStringLiteral("anoisesrc=d=2:c=white:r=44100:a=0.3:seed=7"),
                            QStringLiteral("-ac"), QStringLiteral("2"), played})
                .ok());
    const QByteArray source = testmedia::decodeS16(played);

    QRecordObject session;
    session.setEncodeSettings(settingsFor(key, codec));
    const QString path = m_dir.filePath(QStringLiteral("capture.") + extension);
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    QTest::qWait(200);
    auto player = testmedia::playInto(QStringLiteral("quillon_out"), played);
    QVERIFY(player->waitForFinished(10000));
    QTest::qWait(300);
    session.stop();

    // A sink that rendered ahead rewinds to start a new stream, which costs the monitor the
    // first few milliseconds of it; from there on every frame must be in the file, in order.
    const QByteArray recorded = testmedia::decodeS16(path);
    const qsizetype middle = source.size() / 4 / 2;
    const qsizetype lag = findLag(source, recorded, middle);
    QVERIFY2(lag >= 0, "the played noise is not in the file");
    const auto span = matchingSpan(source, recorded, lag, middle);
    QVERIFY2(span.first <= 4410 && span.second == source.size() / 4,
             qPrintable(QStringLiteral("frames %1 to %2 of %3 recorded unchanged")
                            .arg(span.first)
                            .arg(span.second)
                            .arg(source.size() / 4)));
}

void TestRecordCapture::silenceLastsAsLongAsTheRecording()
{
    useSources(QRecordAreaInfo::SystemAudio);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("silence.wav"));
    QElapsedTimer clock;
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
    clock.start();
    QTest::qWait(3000);
    session.stop();
    const double wall = clock.elapsed() / 1000.0;
    const double duration = testmedia::durationSeconds(path);
    QVERIFY2(std::abs(duration - wall) <= 0.1,
             qPrintable(QStringLiteral("%1 s of file for %2 s").arg(duration).arg(wall)));
    QVERIFY(testmedia::rms(testmedia::decodeS16(path), 2, 0) < 0.001);
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
    QVERIFY2(session.start(path), qPrintable(session.lastError()));
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
    SmallTmpfs mountPoint("200k");
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

void TestRecordCapture::noSoundServer()
{
    useSources(QRecordAreaInfo::SystemAudio | QRecordAreaInfo::Microphone);
    DeadSoundServer dead;
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    const QString path = m_dir.filePath(QStringLiteral("noserver.wav"));
    QVERIFY(!session.start(path));
    QVERIFY2(session.lastError().contains(QLatin1String("no sound server")),
             qPrintable(session.lastError()));
    QCOMPARE(session.capturingSources(), 0);
    QVERIFY(!session.isRecording());
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestRecordCapture)
#include "tst_recordcapture.moc"
