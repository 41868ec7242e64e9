// quillon info, play and convert: output against ffprobe, one-line errors and exit codes,
// and interrupts that stop playback cleanly and leave no converted file behind.

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "testfiles.h"
#include "testmedia.h"

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run quillon(const QStringList& args)
{
    QProcess p;
    p.start(testmedia::binDir() + QStringLiteral("/quillon"), args);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

bool make(const QString& path, const QStringList& args)
{
    return testmedia::ffmpeg(args + QStringList{path});
}

}  // namespace

using testmedia::waitUntil;

class TestCmdMedia : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void infoMatchesProbe();
    void convertWritesTheCut();
    void failsWithOneLine_data();
    void failsWithOneLine();
    void interruptedConvertLeavesNothing();
    void playsAndStopsOnInterrupt();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCmdMedia::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(testfiles::writeFile(
        file("meta.txt"),
        ";FFMETADATA1\ntitle=Song\nartist=Band\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\n"
        "END=2000\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=4000\ntitle=Two\n"));
    QVERIFY(testfiles::writeFile(
        file("notes.txt"),
        QByteArray("shopping: bread, milk, strings for the guitar\n").repeated(30)));
    QVERIFY(make(file("cover.png"),
                 {"-f", "lavfi", "-i", "color=c=red:s=32x32:d=1", "-frames:v", "1"}));
    QVERIFY(make(file("song.m4a"), {"-f",
                                    "lavfi",
                                    "-i",
                                    "sine=f=440:r=44100:d=4",
                                    "-i",
                                    file("meta.txt"),
                                    "-i",
                                    file("cover.png"),
                                    "-map",
                                    "0:a",
                                    "-map",
                                    "2:v",
                                    "-map_metadata",
                                    "1",
                                    "-map_chapters",
                                    "1",
                                    "-c:a",
                                    "aac",
                                    "-c:v",
                                    "copy",
                                    "-disposition:v",
                                    "attached_pic",
                                    "-ac",
                                    "2"}));
}

void TestCmdMedia::infoMatchesProbe()
{
    const Run r = quillon({"info", file("song.m4a"), "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject info = QJsonDocument::fromJson(r.out).object();
    const QJsonObject probe = testmedia::probe(file("song.m4a"));
    const QJsonObject format = probe.value("format").toObject();
    QCOMPARE(info.value("format").toString(), format.value("format_name").toString());
    QCOMPARE(info.value("codec").toString(), QStringLiteral("aac"));
    QCOMPARE(info.value("sample_rate").toInt(), 44100);
    QCOMPARE(info.value("channels").toInt(), 2);
    QVERIFY(qAbs(info.value("duration").toDouble() -
                 format.value("duration").toString().toDouble()) < 0.001);
    QCOMPARE(info.value("bit_rate").toDouble(), format.value("bit_rate").toString().toDouble());
    QCOMPARE(info.value("tags").toObject().value("title").toString(), QStringLiteral("Song"));
    QCOMPARE(info.value("cover").toObject().value("type").toString(), QStringLiteral("image/png"));
    QCOMPARE(info.value("cover").toObject().value("size").toInt(),
             int(QFileInfo(file("cover.png")).size()));
    const QJsonArray chapters = info.value("chapters").toArray();
    QCOMPARE(chapters.size(), 2);
    QCOMPARE(chapters[1].toObject().value("title").toString(), QStringLiteral("Two"));
    QCOMPARE(chapters[1].toObject().value("start").toDouble(), 2.0);
    // The text form says the same.
    const Run text = quillon({"info", file("song.m4a")});
    QCOMPARE(text.exitCode, 0);
    QVERIFY(text.out.contains("codec: aac, 44100 Hz, 2 channels"));
    QVERIFY(text.out.contains("chapter 2: 00:00:02.000-00:00:04.000 Two"));
}

void TestCmdMedia::convertWritesTheCut()
{
    const QString out = file("cut.mp3");
    const Run r = quillon({"convert", file("song.m4a"), out, "--start", "1", "--length", "2",
                           "--tag", "title=Cut", "--volume", "50"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(r.err.isEmpty());  // no progress bar when standard error is not a terminal
    QVERIFY(qAbs(testmedia::durationSeconds(out) - 2.0) < 0.05);
    const QJsonObject tags =
        testmedia::probe(out).value("format").toObject().value("tags").toObject();
    QCOMPARE(tags.value("title").toString(), QStringLiteral("Cut"));
    QCOMPARE(tags.value("artist").toString(),
             QStringLiteral("Band"));  // the source's tags go along
    // Loudness normalisation reports both loudness values.
    const Run loud = quillon({"convert", file("song.m4a"), file("loud.flac"), "--loudness", "-23"});
    QVERIFY2(loud.exitCode == 0, loud.err.constData());
    QVERIFY2(loud.out.contains("result -23.0 LUFS"), loud.out.constData());
}

void TestCmdMedia::failsWithOneLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    // The arguments separated by blanks.
    const auto row = [](const char* name, const char* args, const char* says) {
        QTest::newRow(name) << QString(args).split(' ') << QString(says);
    };
    row("info of nothing", "info /nonexistent.mp3", "no such file");
    row("info of text", "info <notes>", "not a media file");
    row("unknown extension", "convert <song> <out.xyz>", "unknown extension");
    row("lossless across codecs", "convert <song> <out.mp3> --lossless", "no lossless cut");
    row("lossless with effects", "convert <song> <out.m4a> --lossless --volume 50", "--lossless");
    row("bad equalizer", "convert <song> <out.m4a> --eq 1,2,3", "--eq");
    row("onto itself", "convert <song> <song>", "OUT must not be IN");
    row("play of text", "play <notes>", "not a media file");
}

void TestCmdMedia::failsWithOneLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    for (QString& a : args) {
        if (a == QLatin1String("<song>"))
            a = file("song.m4a");
        else if (a == QLatin1String("<notes>"))
            a = file("notes.txt");
        else if (a.startsWith(QLatin1Char('<')))
            a = file(a.mid(1, a.size() - 2));
    }
    const Run r = quillon(args);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.startsWith("quillon: ") && r.err.count('\n') == 1, r.err.constData());
    QVERIFY2(r.err.contains(says.toUtf8()), r.err.constData());
    QVERIFY(!QFile::exists(file("out.xyz")) && !QFile::exists(file("out.mp3")) &&
            !QFile::exists(file("out.m4a")));
}

void TestCmdMedia::interruptedConvertLeavesNothing()
{
    const QString source = file("long.wav");
    QVERIFY(make(source, {"-f", "lavfi", "-i", "sine=f=300:r=44100:d=180", "-ac", "2"}));
    const QString out = file("interrupted.mp3");
    QProcess p;
    p.start(testmedia::binDir() + QStringLiteral("/quillon"), {"convert", source, out});
    // The work file appears once the conversion runs (and the interrupt is handled).
    QDir dir(m_dir.path());
    QVERIFY(waitUntil([&] {
        return !dir.entryList({".interrupted.mp3.part*"}, QDir::Hidden | QDir::Files).isEmpty();
    }));
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().contains("cancelled"));
    QVERIFY(!QFile::exists(out));
    QVERIFY(dir.entryList({".interrupted*"}, QDir::Hidden | QDir::Files).isEmpty());
}

void TestCmdMedia::playsAndStopsOnInterrupt()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server does not answer");
    // A short range plays to its end.
    const Run r = quillon({"play", file("song.m4a"), "--start", "3.5", "--length", "0.3"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    // A long file stops on SIGINT, once its stream has appeared on the server (after the
    // first one's has gone).
    auto noStreams = [] {
        return testmedia::pactl({"list", "short", "sink-inputs"}).out.trimmed().isEmpty();
    };
    QVERIFY(waitUntil(noStreams));
    QProcess p;
    p.start(testmedia::binDir() + QStringLiteral("/quillon"), {"play", file("long.wav")});
    QVERIFY(waitUntil([&] { return !noStreams(); }));
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 130);
    QVERIFY(waitUntil(noStreams));
}

QTEST_GUILESS_MAIN(TestCmdMedia)
#include "tst_cmdmedia.moc"
