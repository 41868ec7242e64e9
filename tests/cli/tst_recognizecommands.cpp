// `quillon catalogue add`, `quillon identify` and `quillon fingerprint` on synthetic tracks:
// folders with files that are not audio, matches with tags and offsets in text and JSON, no
// match for unknown sound or an unusable catalogue, and fingerprints that agree with fpcalc's.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "testmedia.h"
#include "testmusic.h"

namespace {

testmedia::ToolResult quillon(const QStringList& args)
{
    return testmedia::run(testmedia::binDir() + QStringLiteral("/quillon"), args, 120000);
}

// The items of a FINGERPRINT=1,2,3 line.
QVector<quint32> rawItems(const QByteArray& out)
{
    QVector<quint32> items;
    const int at = out.indexOf("FINGERPRINT=");
    if (at < 0)
        return items;
    const QByteArray list = out.mid(at + 12).trimmed();
    for (const QByteArray& n : list.split(','))
        items << quint32(n.toLongLong());
    return items;
}

}  // namespace

class TestRecognizeCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogueAdd();
    void identify_data();
    void identify();
    void identifyJson();
    void unusableCatalogue();
    void fingerprintMatchesFpcalc_data();
    void fingerprintMatchesFpcalc();
    void fingerprintArguments_data();
    void fingerprintArguments();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QStringList withCatalogue(QStringList args) const
    {
        return args << QStringLiteral("--catalogue") << file(QStringLiteral("catalogue.sqlite"));
    }
    QTemporaryDir m_dir;
};

void TestRecognizeCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("music/sub")));
    const struct {
        const char* path;
        int seed;
        const char* title;
    } tracks[] = {{"music/a.mp3", 11, "Glass Harbour"},
                  {"music/sub/b.flac", 12, "Slow Orbit"},
                  {"other.ogg", 13, "Never Added"}};
    for (const auto& t : tracks) {
        testmusic::Track track;
        track.seed = t.seed;
        track.seconds = 30;
        track.tags = {{QStringLiteral("title"), QString::fromUtf8(t.title)},
                      {QStringLiteral("artist"), QStringLiteral("Quillon Players")},
                      {QStringLiteral("album"), QStringLiteral("Test Pressing")}};
        QVERIFY(testmusic::make(file(QLatin1String(t.path)), track));
    }
    QFile text(file(QStringLiteral("music/sub/liner notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("recorded in one take\n");
    text.close();
    QVERIFY(testmusic::excerpt(file(QStringLiteral("music/a.mp3")), file(QStringLiteral("cut.wav")),
                               10, 15));
}

void TestRecognizeCommands::catalogueAdd()
{
    const testmedia::ToolResult r = quillon(withCatalogue(
        {QStringLiteral("catalogue"), QStringLiteral("add"), file(QStringLiteral("music"))}));
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains("added " + file(QStringLiteral("music/a.mp3")).toUtf8()), r.out);
    QVERIFY2(r.out.contains("added " + file(QStringLiteral("music/sub/b.flac")).toUtf8()), r.out);
    QVERIFY2(r.out.contains("2 added, 1 skipped; 2 tracks"), r.out);
    QVERIFY2(r.err.contains("skipped " +
                            file(QStringLiteral("music/sub/liner notes.txt")).toUtf8() + ": "),
             r.err);
    const testmedia::ToolResult missing = quillon(withCatalogue(
        {QStringLiteral("catalogue"), QStringLiteral("add"), file(QStringLiteral("nowhere"))}));
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains("no such folder"), missing.err);
}

void TestRecognizeCommands::identify_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("catalogued") << "music/sub/b.flac" << 0 << "title: Slow Orbit\n";
    QTest::newRow("excerpt") << "cut.wav" << 0 << "title: Glass Harbour\n";
    QTest::newRow("not catalogued") << "other.ogg" << 1 << "no match\n";
    QTest::newRow("not audio") << "music/sub/liner notes.txt" << 1 << "no match: ";
}

void TestRecognizeCommands::identify()
{
    QFETCH(QString, name);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    const testmedia::ToolResult r =
        quillon(withCatalogue({QStringLiteral("identify"), file(name)}));
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.out.contains(expected.toUtf8()), r.out);
}

void TestRecognizeCommands::identifyJson()
{
    const testmedia::ToolResult r = quillon(withCatalogue(
        {QStringLiteral("identify"), file(QStringLiteral("cut.wav")), QStringLiteral("--json")}));
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("match")).toBool(), true);
    const QJsonObject tags = o.value(QStringLiteral("tags")).toObject();
    QCOMPARE(tags.value(QStringLiteral("title")).toString(), QStringLiteral("Glass Harbour"));
    QCOMPARE(tags.value(QStringLiteral("album")).toString(), QStringLiteral("Test Pressing"));
    QVERIFY(std::abs(o.value(QStringLiteral("offset")).toDouble() - 10.0) < 0.3);
    QVERIFY(o.value(QStringLiteral("confidence")).toDouble() > 0.5);
}

void TestRecognizeCommands::unusableCatalogue()
{
    QFile garbage(file(QStringLiteral("garbage.sqlite")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'Q'));
    garbage.close();
    const testmedia::ToolResult r =
        quillon({QStringLiteral("identify"), file(QStringLiteral("music/a.mp3")),
                 QStringLiteral("--json"), QStringLiteral("--catalogue"), garbage.fileName()});
    QCOMPARE(r.exitCode, 1);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("match")).toBool(), false);
    QVERIFY2(o.value(QStringLiteral("reason")).toString().contains(QLatin1String("is damaged")),
             r.out);
    const testmedia::ToolResult add =
        quillon({QStringLiteral("catalogue"), QStringLiteral("add"), file(QStringLiteral("music")),
                 QStringLiteral("--catalogue"), garbage.fileName()});
    QCOMPARE(add.exitCode, 1);
    QVERIFY2(add.err.contains("is damaged"), add.err);
}

void TestRecognizeCommands::fingerprintMatchesFpcalc_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("mp3") << "music/a.mp3";
    QTest::newRow("flac") << "music/sub/b.flac";
    QTest::newRow("wav excerpt") << "cut.wav";
}

void TestRecognizeCommands::fingerprintMatchesFpcalc()
{
    QFETCH(QString, name);
    const QString path = file(name);
    const testmedia::ToolResult ours =
        quillon({QStringLiteral("fingerprint"), path, QStringLiteral("--raw")});
    const testmedia::ToolResult theirs = testmedia::run(
        QStringLiteral("fpcalc"),
        {QStringLiteral("-raw"), QStringLiteral("-length"), QStringLiteral("0"), path});
    QCOMPARE(ours.exitCode, 0);
    const QVector<quint32> a = rawItems(ours.out), b = rawItems(theirs.out);
    QVERIFY(a.size() > 50);
    QCOMPARE(a.size(), b.size());
    // The same audio, resampled alike: items may differ in the odd bit, no more.
    int differing = 0;
    for (int i = 0; i < a.size(); ++i)
        differing += qPopulationCount(a[i] ^ b[i]);
    QVERIFY2(differing <= a.size() * 32 / 100, qPrintable(QString::number(differing)));
    QVERIFY(ours.out.startsWith(theirs.out.left(theirs.out.indexOf('\n') + 1)));  // DURATION
}

// The launcher runs plain command lines itself and leaves the rest (help, "--", "--name=value")
// to the command-line library: both give the same answers. "FILE" stands for a.mp3.
void TestRecognizeCommands::fingerprintArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");          // the start of stdout (exit 0) or of stderr
    QTest::addColumn<QStringList>("fpcalcArgs");  // fpcalc prints the same, when given
    const QString usage = QStringLiteral("usage: quillon fingerprint FILE [--length SECONDS]");
    const QString unexpected = QStringLiteral("quillon: fingerprint: unexpected argument '%1'");
    QTest::newRow("first 10 s") << QStringList{"FILE", "--length", "10"} << 0 << "DURATION=30\n"
                                << QStringList{"-length", "10"};
    QTest::newRow("length with spaces, raw")
        << QStringList{"--raw", "--length", " 10 ", "FILE"} << 0 << "DURATION=30\n"
        << QStringList{"-raw", "-length", "10"};
    QTest::newRow("length 0 is all") << QStringList{"FILE", "--length", "0"} << 0 << "DURATION=30\n"
                                     << QStringList{"-length", "0"};
    QTest::newRow("negative length")
        << QStringList{"FILE", "--length", "-1"} << 1 << unexpected.arg("-1") << QStringList();
    QTest::newRow("length not a number")
        << QStringList{"FILE", "--length", "10s"} << 1 << unexpected.arg("10s") << QStringList();
    QTest::newRow("length not finite")
        << QStringList{"FILE", "--length", "inf"} << 1 << unexpected.arg("inf") << QStringList();
    QTest::newRow("length without value")
        << QStringList{"FILE", "--length"} << 1 << unexpected.arg("--length") << QStringList();
    QTest::newRow("length=value") << QStringList{"FILE", "--length=10"} << 1
                                  << unexpected.arg("--length=10") << QStringList();
    QTest::newRow("two files") << QStringList{"FILE", "FILE"} << 1 << unexpected.arg("FILE")
                               << QStringList();
    QTest::newRow("no file") << QStringList{"--raw"} << 1 << "quillon: fingerprint: missing FILE"
                             << QStringList();
    QTest::newRow("file not there")
        << QStringList{"/nonexistent/x.mp3"} << 1
        << "quillon: fingerprint: open '/nonexistent/x.mp3': " << QStringList();
    QTest::newRow("after --") << QStringList{"--", "FILE"} << 1 << unexpected.arg("--")
                              << QStringList();
    QTest::newRow("help") << QStringList{"FILE", "--help"} << 0 << usage << QStringList();
    QTest::newRow("unknown option") << QStringList{"FILE", "-x"} << 2
                                    << "quillon fingerprint: unknown option '-x'" << QStringList();
}

void TestRecognizeCommands::fingerprintArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QStringList, fpcalcArgs);
    const QString path = file(QStringLiteral("music/a.mp3"));
    args.replaceInStrings(QRegularExpression(QStringLiteral("^FILE$")), path);
    output.replace(QStringLiteral("'FILE'"), QLatin1Char('\'') + path + QLatin1Char('\''));
    const testmedia::ToolResult r = quillon(QStringList{QStringLiteral("fingerprint")} + args);
    QVERIFY2(r.exitCode == exitCode, r.err.constData());
    const QByteArray shown = exitCode == 0 ? r.out : r.err;
    QVERIFY2(shown.startsWith(output.toUtf8()), shown.constData());
    if (!fpcalcArgs.isEmpty()) {
        const testmedia::ToolResult theirs =
            testmedia::run(QStringLiteral("fpcalc"), fpcalcArgs << path);
        QCOMPARE(r.out, theirs.out);
    }
}

QTEST_GUILESS_MAIN(TestRecognizeCommands)
#include "tst_recognizecommands.moc"
