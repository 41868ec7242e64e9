// Every container the recorder writes opens in ffprobe with the requested codec, rate,
// channels and bit rate, holds the audio that went in, and survives a killed process.

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "enginetestutil.h"
#include "testmedia.h"

using namespace enginetest;

class TestRecorderFormats : public QObject {
    Q_OBJECT
private slots:
    void containers_data();
    void containers();
    void stopRightAfterStart_data() { containers_data(); }
    void stopRightAfterStart();
    void killedProcessLeavesPlayableFile_data();
    void killedProcessLeavesPlayableFile();
    void rejectsWhatItCannotWrite();

private:
    int32_t openForRow(const QString& prefix, QString* path);
    QTemporaryDir m_dir;
};

void TestRecorderFormats::containers_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("codec");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("codecName");

    QTest::newRow("mp3") << "MP3" << 0x15001 << 44100 << 2 << 192 << "mp3" << "mp3";
    QTest::newRow("mp3 mono 22050") << "MP3" << 0x15001 << 22050 << 1 << 64 << "mp3" << "mp3";
    QTest::newRow("m4a aac") << "M4A" << 0x15002 << 44100 << 2 << 128 << "m4a" << "aac";
    QTest::newRow("m4a alac") << "M4A" << 0x15010 << 44100 << 2 << 0 << "m4a" << "alac";
    QTest::newRow("ogg vorbis") << "OGG" << 0x15005 << 44100 << 2 << 128 << "ogg" << "vorbis";
    QTest::newRow("opus") << "OPUS" << 0x1503C << 48000 << 2 << 96 << "opus" << "opus";
    QTest::newRow("flac") << "FLAC" << 0x1500C << 48000 << 2 << 0 << "flac" << "flac";
    QTest::newRow("wav") << "WAV" << 0x10000 << 44100 << 2 << 0 << "wav" << "pcm_s16le";
    QTest::newRow("wma") << "WMA" << 0x15008 << 44100 << 2 << 128 << "wma" << "wmav2";
    QTest::newRow("ac3") << "AC3" << 0x15003 << 48000 << 2 << 192 << "ac3" << "ac3";
    QTest::newRow("aiff") << "AIFF" << 0x10001 << 44100 << 2 << 0 << "aiff" << "pcm_s16be";
}

// Opens a recorder for the current row of containers_data() on "<prefix><tag>.<ext>".
int32_t TestRecorderFormats::openForRow(const QString& prefix, QString* path)
{
    QFETCH(QString, key);
    QFETCH(int, codec);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, kbps);
    QFETCH(QString, ext);
    *path = m_dir.filePath(prefix + QStringLiteral("%1.%2").arg(QTest::currentDataTag(), ext));
    const QByteArray keyBytes = key.toLatin1();
    Params p;
    p.key = keyBytes.constData();
    p.codec = codec;
    p.rateHz = rate;
    p.channels = channels;
    p.bitRate = kbps * 1000;
    return openRecorder(*path, p);
}

void TestRecorderFormats::containers()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, kbps);
    QFETCH(QString, codecName);

    QString path;
    const int32_t rec = openForRow(QString(), &path);
    QVERIFY2(rec, BriscaLastError());
    QCOMPARE(StartRecorder(rec), 1);
    // 3 s of a 1 kHz tone at the recording rate, in 10 ms blocks like a capture thread.
    QVERIFY(writeTone(rec, 1000.0, 0.5, 3.0, rate, channels, rate / 100));
    QVERIFY2(finishRecorder(rec), BriscaLastError());

    const QJsonObject s = testmedia::audioStream(path);
    QCOMPARE(s.value("codec_name").toString(), codecName);
    QCOMPARE(s.value("sample_rate").toString().toInt(), rate);
    QCOMPARE(s.value("channels").toInt(), channels);
    QVERIFY2(qAbs(testmedia::durationSeconds(path) - 3.0) < 0.1,
             qPrintable(QString::number(testmedia::durationSeconds(path))));
    if (kbps > 0 && codecName != QLatin1String("opus")) {
        // The stream's rate (Vorbis: the nominal rate of its header).
        const double streamKbps = s.value("bit_rate").toString().toDouble() / 1000.0;
        QVERIFY2(qAbs(streamKbps - kbps) <= kbps * 0.1, qPrintable(QString::number(streamKbps)));
    } else if (kbps > 0) {
        const double fileKbps = QFileInfo(path).size() * 8.0 / 3.0 / 1000.0;
        QVERIFY2(fileKbps > kbps * 0.6 && fileKbps < kbps * 1.4,
                 qPrintable(QString::number(fileKbps)));
    }
    // The tone survived encoding.
    const QByteArray pcm = testmedia::decodeS16(path, 44100, 1);
    QVERIFY(testmedia::toneLevel(pcm, 1, 0, 44100, 1000.0) > 0.35);
}

void TestRecorderFormats::stopRightAfterStart()
{
    QFETCH(QString, codecName);
    QString path;
    const int32_t rec = openForRow(QStringLiteral("empty-"), &path);
    QVERIFY2(rec, BriscaLastError());
    QCOMPARE(StartRecorder(rec), 1);
    QVERIFY2(finishRecorder(rec), BriscaLastError());
    QCOMPARE(testmedia::audioStream(path).value("codec_name").toString(), codecName);
}

void TestRecorderFormats::killedProcessLeavesPlayableFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("ext");
    QTest::newRow("wav") << "WAV" << 0x10000 << "wav";
    QTest::newRow("aiff") << "AIFF" << 0x10001 << "aiff";
    QTest::newRow("m4a") << "M4A" << 0x15002 << "m4a";
    QTest::newRow("mp3") << "MP3" << 0x15001 << "mp3";
    QTest::newRow("ogg") << "OGG" << 0x15005 << "ogg";
    QTest::newRow("flac") << "FLAC" << 0x1500C << "flac";
}

void TestRecorderFormats::killedProcessLeavesPlayableFile()
{
    QFETCH(QString, key);
    QFETCH(int, codec);
    QFETCH(QString, ext);
    const QString path = m_dir.filePath(QStringLiteral("killed.%1").arg(ext));
    QProcess child;
    child.start(testmedia::binDir() + QStringLiteral("/../tests/engine_record_child"),
                {path, key, QString::number(codec)});
    // Kill it once it has handed over 4 s of audio.
    QByteArray said;
    while (!said.contains("4\n") && child.waitForReadyRead(10000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("4\n"), child.readAllStandardError().constData());
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(5000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    // All but about the last second or so is there and decodes.
    const QByteArray pcm = testmedia::decodeS16(path, 44100, 2);
    const double seconds = pcm.size() / 4.0 / 44100.0;
    QVERIFY2(seconds >= 2.0, qPrintable(QString::number(seconds)));
    QVERIFY(testmedia::toneLevel(pcm, 2, 0, 44100, 440.0) > 0.3);
}

void TestRecorderFormats::rejectsWhatItCannotWrite()
{
    Params p;
    // A folder that does not exist: the reason names the path.
    QCOMPARE(openRecorder(QStringLiteral("/nonexistent/x.wav"), p), 0);
    QVERIFY(QByteArray(BriscaLastError()).contains("/nonexistent/x.wav"));
    // Unknown container key.
    p.key = "NOPE";
    QCOMPARE(openRecorder(m_dir.filePath("x.nope"), p), 0);
    QVERIFY(QByteArray(BriscaLastError()).contains("NOPE"));
    // A codec the container cannot hold.
    p.key = "WAV";
    p.codec = 0x1503C;
    QCOMPARE(openRecorder(m_dir.filePath("x.wav"), p), 0);
    // Dead and wrong-kind handles fail cleanly.
    const int32_t frame = CreateFrame();
    QCOMPARE(WriteAudioFrame(frame, frame), 0);
    QCOMPARE(StartRecorder(12345678), 0);
    QCOMPARE(GetRecorderState(12345678), -1);
    QCOMPARE(ReleaseFrame(frame), 1);
    QCOMPARE(ReleaseFrame(frame), 0);
    QVERIFY(GetRecorderLevelBlock(frame) == nullptr);
}

QTEST_GUILESS_MAIN(TestRecorderFormats)
#include "test_recorder_formats.moc"
