// `quillon catalogue add`, `quillon identify` and `quillon fingerprint` on synthetic tracks:
// folders with files that are not audio, matches with tags and offsets in text and JSON, no
// match for unknown sound or an unusable catalogue, and fingerprints that agree with fpcalc's.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

QTEST_GUILESS_MAIN(TestRecognizeCommands)
#include "tst_recognizecommands.moc"
