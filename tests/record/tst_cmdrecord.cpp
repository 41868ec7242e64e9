// quillon record: exit codes and one-line errors, every container with its parameters, clean
// stops on signals, and a missing microphone.

#include "pulsefixture.h"
#include "testmedia.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray err;
};

QString quillon()
{
    return testmedia::binDir() + QStringLiteral("/quillon");
}

Run runRecord(const QStringList& args, const QByteArray& pulseServer = {})
{
    QProcess p;
    if (!pulseServer.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QString::fromLatin1(pulseServer));
        p.setProcessEnvironment(env);
    }
    p.start(quillon(), QStringList{QStringLiteral("record")} + args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = p.readAllStandardError();
    return r;
}

}  // namespace

class TestCmdRecord : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failsWithOneLine_data();
    void failsWithOneLine();
    void containers_data();
    void containers();
    void stopsOnSignal_data();
    void stopsOnSignal();
    void microphoneMissing();

private:
    QTemporaryDir m_dir;
};

void TestCmdRecord::initTestCase()
{
    QVERIFY(QFileInfo(quillon()).isExecutable());
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
}

void TestCmdRecord::failsWithOneLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("pulseServer");
    QTest::addColumn<QString>("message");
    const QString wav = m_dir.filePath(QStringLiteral("fail.wav"));
    QTest::newRow("unknown extension")
        << QStringList{m_dir.filePath(QStringLiteral("x.xyz"))} << QByteArray()
        << QStringLiteral("unknown extension '.xyz'");
    QTest::newRow("folder missing") << QStringList{m_dir.filePath(QStringLiteral("missing/x.wav"))}
                                    << QByteArray() << QStringLiteral("cannot write");
    QTest::newRow("unknown source")
        << QStringList{wav, QStringLiteral("--source"), QStringLiteral("tv")} << QByteArray()
        << QStringLiteral("--source");
    QTest::newRow("seconds not a number")
        << QStringList{wav, QStringLiteral("--seconds"), QStringLiteral("ten")} << QByteArray()
        << QStringLiteral("--seconds");
    QTest::newRow("application without system audio")
        << QStringList{wav, QStringLiteral("--source"), QStringLiteral("mic"),
                       QStringLiteral("--app"), QStringLiteral("firefox")}
        << QByteArray() << QStringLiteral("--app");
    QTest::newRow("application without a name")
        << QStringList{wav, QStringLiteral("--app"), QString()} << QByteArray()
        << QStringLiteral("--app");
    QTest::newRow("no output") << QStringList{QStringLiteral("--seconds"), QStringLiteral("1")}
                               << QByteArray() << QStringLiteral("no output file");
    QTest::newRow("no sound server")
        << QStringList{wav, QStringLiteral("--seconds"), QStringLiteral("1")}
        << QByteArray("unix:/nonexistent/quillon-no-server") << QStringLiteral("no sound server");
}

void TestCmdRecord::failsWithOneLine()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, pulseServer);
    QFETCH(QString, message);
    const Run r = runRecord(args, pulseServer);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.startsWith("quillon: ") && QString::fromLocal8Bit(r.err).contains(message),
             r.err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("fail.wav"))));
}

void TestCmdRecord::containers_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bitRate");  // 0: not fixed by the container
    auto opts = [](const char* bitrate, const char* rate, const char* channels) {
        QStringList o;
        if (*bitrate)
            o << QStringLiteral("--bitrate") << QLatin1String(bitrate);
        if (*rate)
            o << QStringLiteral("--rate") << QLatin1String(rate);
        if (*channels)
            o << QStringLiteral("--channels") << QLatin1String(channels);
        return o;
    };
    QTest::newRow("mp3") << "mp3" << opts("192", "44100", "2") << "mp3" << 44100 << 2 << 192000;
    QTest::newRow("m4a") << "m4a" << opts("128", "48000", "1") << "aac" << 48000 << 1 << 0;
    QTest::newRow("ogg") << "ogg" << opts("128", "", "") << "vorbis" << 44100 << 2 << 128000;
    QTest::newRow("opus") << "opus" << opts("96", "", "") << "opus" << 48000 << 2 << 0;
    QTest::newRow("flac") << "flac" << opts("", "22050", "1") << "flac" << 22050 << 1 << 0;
    QTest::newRow("wav") << "wav" << opts("", "", "") << "pcm_s16le" << 44100 << 2 << 0;
    QTest::newRow("wma") << "wma" << opts("128", "", "") << "wmav2" << 44100 << 2 << 128000;
    QTest::newRow("ac3") << "ac3" << opts("192", "48000", "") << "ac3" << 48000 << 2 << 192000;
    QTest::newRow("aiff") << "aiff" << opts("", "", "") << "pcm_s16be" << 44100 << 2 << 0;
}

void TestCmdRecord::containers()
{
    QFETCH(QString, extension);
    QFETCH(QStringList, options);
    QFETCH(QString, codec);
    QFETCH(int, rateHz);
    QFETCH(int, channels);
    QFETCH(int, bitRate);
    const QString path = m_dir.filePath(QStringLiteral("out.") + extension);
    const Run r =
        runRecord(QStringList{path, QStringLiteral("--seconds"), QStringLiteral("1")} + options);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY2(r.err.contains("00:00:0"), r.err.constData());
    const QJsonObject stream = testmedia::audioStream(path);
    QCOMPARE(stream.value(QStringLiteral("codec_name")).toString(), codec);
    QCOMPARE(stream.value(QStringLiteral("sample_rate")).toString().toInt(), rateHz);
    QCOMPARE(stream.value(QStringLiteral("channels")).toInt(), channels);
    if (bitRate)
        QCOMPARE(stream.value(QStringLiteral("bit_rate")).toString().toInt(), bitRate);
}

void TestCmdRecord::stopsOnSignal_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
}

void TestCmdRecord::stopsOnSignal()
{
    QFETCH(int, signalNumber);
    const QString path = m_dir.filePath(QStringLiteral("signalled.wav"));
    QProcess p;
    p.setReadChannel(QProcess::StandardError);
    p.start(quillon(), {QStringLiteral("record"), path});
    QVERIFY(p.waitForStarted());
    // Wait until it reports at least a recorded second (the clock may jump past 00:00:01 when
    // the idle sink's monitor starts late), then interrupt it.
    QByteArray err;
    const QRegularExpression pastFirstSecond(QStringLiteral("00:00:0[1-9]|00:00:[1-5]\\d"));
    QElapsedTimer waited;
    waited.start();
    while (!QString::fromLatin1(err).contains(pastFirstSecond) && waited.elapsed() < 20000 &&
           p.waitForReadyRead(5000))
        err += p.readAllStandardError();
    QVERIFY2(QString::fromLatin1(err).contains(pastFirstSecond), err.constData());
    ::kill(pid_t(p.processId()), signalNumber);
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(testmedia::durationSeconds(path) >= 1.0);
}

void TestCmdRecord::microphoneMissing()
{
    const QString tone = m_dir.filePath(QStringLiteral("tone.wav"));
    QVERIFY(testmedia::makeTone(tone, 440.0, 6.0, 44100, 2, 0.3));
    MicrophoneRemoval removal;
    QVERIFY(removal.removed());

    const QString micOnly = m_dir.filePath(QStringLiteral("mic.wav"));
    const Run alone = runRecord({micOnly, QStringLiteral("--source"), QStringLiteral("mic"),
                                 QStringLiteral("--seconds"), QStringLiteral("1")});
    QCOMPARE(alone.exitCode, 1);
    QCOMPARE(alone.err.count('\n'), 1);
    QVERIFY2(alone.err.contains("microphone"), alone.err.constData());
    QVERIFY(!QFile::exists(micOnly));

    const QString both = m_dir.filePath(QStringLiteral("both.wav"));
    auto player = testmedia::playInto(QStringLiteral("quillon_out"), tone);
    const Run mixed = runRecord({both, QStringLiteral("--source"), QStringLiteral("both"),
                                 QStringLiteral("--seconds"), QStringLiteral("3")});
    player->waitForFinished(10000);
    QVERIFY2(mixed.exitCode == 0, mixed.err.constData());
    QVERIFY2(mixed.err.contains("system audio only"), mixed.err.constData());
    const double level = testmedia::toneLevel(testmedia::decodeS16(both), 2, 0, 44100, 440.0);
    QVERIFY2(level > 0.02, qPrintable(QString::number(level)));
}

QTEST_GUILESS_MAIN(TestCmdRecord)
#include "tst_cmdrecord.moc"
