// Splitting a recording at track changes, in the engine: continuous recognition of a stream
// that holds several catalogued tracks one after another, and the move of a track boundary
// between two files (every sample kept exactly once, the cut in the gap between the tracks).

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include "testmedia.h"
#include "testmusic.h"

namespace {

constexpr double kTrackS = 13;
constexpr double kGapS = 0.5;
constexpr int kRateHz = 44100;
constexpr int kFrameBytes = 4;  // s16 stereo

QString entryText(const BriscaEntry* e)
{
    return e ? QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(e)), GetEntrySize(e))
             : QString();
}

// Pushes the sound in 4096-frame blocks; with takenEvery > 0, waits after every takenEvery
// frames until the recognizer has taken them, so that it gets the stream a little at a time.
void push(int32_t stream, const QByteArray& pcm, qsizetype takenEvery)
{
    const int32_t frame = CreateFrame();
    SetFrameSampleFormat(frame, 1);
    SetFrameSampleRate(frame, kRateHz);
    SetFrameChannels(frame, 2);
    for (qsizetype at = 0; at + kFrameBytes <= pcm.size(); at += 4096 * kFrameBytes) {
        const int n = int(std::min<qsizetype>(4096, (pcm.size() - at) / kFrameBytes));
        SetFrameSamples(frame, pcm.constData() + at, n);
        SetFrameTimestamp(frame, at / kFrameBytes * 1000000LL / kRateHz);
        PushStreamFrame(stream, frame);
        const qsizetype pushed = at / kFrameBytes + n;
        if (takenEvery > 0 && pushed / takenEvery != (pushed - n) / takenEvery)
            testmedia::waitUntil([&] { return GetStreamQueuedBytes(stream) == 0; });
    }
    ReleaseFrame(frame);
}

QByteArray md5(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5)
               : QByteArray();
}

QString titleOf(const QString& path)
{
    const QJsonObject tags = testmedia::probe(path)[QStringLiteral("format")]
                                 .toObject()[QStringLiteral("tags")]
                                 .toObject();
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        if (it.key().compare(QLatin1String("title"), Qt::CaseInsensitive) == 0)
            return it.value().toString();
    }
    return QString();
}

qint64 decodedFrames(const QString& path)
{
    return testmedia::decodeS16(path).size() / kFrameBytes;
}

}  // namespace

class TestTrackSplit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void continuousRecognition_data();
    void continuousRecognition();
    void moveBoundary_data();
    void moveBoundary();
    void moveRefusesBadInput();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // Cuts [fromS, toS) of the three-track run into a file (toS < 0: to the end).
    bool cutRun(const QString& to, double fromS, double toS, const QString& title);
    QTemporaryDir m_dir;
};

void TestTrackSplit::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SetCataloguePath(file(QStringLiteral("catalogue.sqlite")).toUtf8().constData()));
    const char* titles[] = {"Harbour Lights", "Copper Field", "Night Ferry"};
    for (int i = 0; i < 3; ++i) {
        testmusic::Track track;
        track.seed = 21 + i;
        track.seconds = kTrackS;
        track.tags = {{QStringLiteral("title"), QString::fromUtf8(titles[i])},
                      {QStringLiteral("artist"), QStringLiteral("Synthetic Ensemble")}};
        const QString path = file(QStringLiteral("track%1.flac").arg(i));
        QVERIFY(testmusic::make(path, track));
        QVERIFY2(AddCatalogueFile(path.toUtf8().constData()), BriscaLastError());
    }
    const QStringList three{file(QStringLiteral("track0.flac")),
                            file(QStringLiteral("track1.flac")),
                            file(QStringLiteral("track2.flac"))};
    QVERIFY(testmusic::backToBack(three, kGapS, file(QStringLiteral("run.wav"))));
    QVERIFY(testmusic::backToBack({three[0], three[0]}, kGapS, file(QStringLiteral("twice.wav"))));
}

void TestTrackSplit::continuousRecognition_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<double>("skipItems");
    QTest::addColumn<double>("batchS");  // 0: all at once
    QTest::addColumn<QStringList>("titles");
    const double second = kTrackS + kGapS;
    const QStringList three{QStringLiteral("Harbour Lights@0"),
                            QStringLiteral("Copper Field@%1").arg(second),
                            QStringLiteral("Night Ferry@%1").arg(2 * second)};
    // A recording starts anywhere in the music, so the fingerprint's item grid (1365 samples at
    // 11025 Hz, 124 ms an item) falls anywhere in each track: every eighth of an item is tried.
    for (int eighths = 0; eighths < 8; ++eighths) {
        QTest::addRow("three tracks, %d/8 item in", eighths)
            << "run.wav" << eighths / 8.0 << 0.0 << three;
    }
    // As a capture gives it, a little at a time: the grids' items are cut at other points.
    QTest::newRow("three tracks, 4/8 item in, 0.4 s at a time")
        << "run.wav" << 4 / 8.0 << 0.4 << three;
    // The same track begun again is reported again, where it begins.
    QTest::newRow("one track twice")
        << "twice.wav" << 0.0 << 0.0
        << QStringList{QStringLiteral("Harbour Lights@0"),
                       QStringLiteral("Harbour Lights@%1").arg(second)};
}

void TestTrackSplit::continuousRecognition()
{
    QFETCH(QString, run);
    QFETCH(double, skipItems);
    QFETCH(double, batchS);
    QFETCH(QStringList, titles);
    // The stream begins this far into the run; positions are the stream's.
    const qint64 skipFrames = qRound64(skipItems * 1365 * kRateHz / 11025);
    const double skipS = double(skipFrames) / kRateHz;
    const int32_t stream = CreateStreamDesc(2);
    QVERIFY(SetStreamCodecTag(stream, "AFRM"));
    const int32_t r = CreateRecognizer(-1);
    QVERIFY2(OpenRecognizer(r, 0, stream, BRISCA_RECOGNIZE_CONTINUOUS), BriscaLastError());
    QCOMPARE(StartRecognizer(r), 1);
    push(stream, testmedia::decodeS16(file(run)).mid(skipFrames * kFrameBytes),
         qRound64(batchS * kRateHz));
    QStringList found;
    QList<double> starts;
    testmedia::waitUntil(
        [&] {
            int64_t startUs = 0;
            while (TakeRecognizedTrack(r, &startUs)) {
                found << entryText(GetRecognizedTag(r, "title"));
                starts << startUs / 1e6;
            }
            return found.size() >= titles.size();
        },
        120000);
    // Everything pushed is taken and looked up; nothing more is reported after the last track.
    QVERIFY(testmedia::waitUntil([&] { return GetStreamQueuedBytes(stream) == 0; }));
    QVERIFY(StopRecognizer(r));
    QCOMPARE(TakeRecognizedTrack(r, nullptr), 0);
    QCOMPARE(GetRecognizerState(r), int(BRISCA_RECOGNIZER_MATCHED));
    QCOMPARE(found.size(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        const QStringList want = titles[i].split(QLatin1Char('@'));
        QCOMPARE(found[i], want[0]);
        QVERIFY2(std::abs(starts[i] - (want[1].toDouble() - skipS)) <= 0.5,
                 qPrintable(QStringLiteral("%1 begins at %2 s").arg(found[i]).arg(starts[i])));
    }
    DestroyRecognizer(r);
    ReleaseStreamDesc(stream);
}

bool TestTrackSplit::cutRun(const QString& to, double fromS, double toS, const QString& title)
{
    QStringList args{QStringLiteral("-i"),
                     file(QStringLiteral("run.wav")),
                     QStringLiteral("-af"),
                     QStringLiteral("atrim=start=%1%2")
                         .arg(fromS)
                         .arg(toS < 0 ? QString() : QStringLiteral(":end=%1").arg(toS)),
                     QStringLiteral("-metadata"),
                     QStringLiteral("title=") + title};
    if (to.endsWith(QLatin1String(".mp3")) || to.endsWith(QLatin1String(".m4a")))
        args << QStringLiteral("-b:a") << QStringLiteral("192k");
    return testmedia::ffmpeg(args << to);
}

void TestTrackSplit::moveBoundary_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<double>("tailS");
    QTest::addColumn<double>("boundaryS");
    // The recording was cut 20 s into the run, 6.5 s after the second track began; the gap
    // before it lies at [13, 13.5) s. The recognizer's estimate may be a little off.
    const double gapMiddle = kTrackS + kGapS / 2;
    QTest::newRow("wav, found where it begins") << "wav" << 6.5 << gapMiddle;
    QTest::newRow("flac, found 0.3 s late") << "flac" << 6.2 << gapMiddle;
    QTest::newRow("flac, found 0.4 s early") << "flac" << 6.9 << gapMiddle;
    QTest::newRow("mp3, found where it begins") << "mp3" << 6.5 << gapMiddle;
    QTest::newRow("m4a, found where it begins") << "m4a" << 6.5 << gapMiddle;
    // No silence within 3 s before the point: the cut goes to the point itself.
    QTest::newRow("wav, no silence near") << "wav" << 3.0 << 17.0;
}

void TestTrackSplit::moveBoundary()
{
    QFETCH(QString, extension);
    QFETCH(double, tailS);
    QFETCH(double, boundaryS);
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("moveXXXXXX")));
    const QString first = dir.filePath(QStringLiteral("first.") + extension);
    const QString second = dir.filePath(QStringLiteral("second.") + extension);
    QVERIFY(cutRun(first, 0, 20, QStringLiteral("First")));
    QVERIFY(cutRun(second, 20, -1, QStringLiteral("Second")));
    const QByteArray before = testmedia::decodeS16(first) + testmedia::decodeS16(second);
    const qint64 firstBefore = decodedFrames(first);

    const int64_t moved = MoveTrackBoundary(first.toUtf8().constData(), second.toUtf8().constData(),
                                            int64_t(tailS * 1e6), 3000000);
    QVERIFY2(moved > 0, BriscaLastError());

    const qint64 firstAfter = decodedFrames(first);
    QVERIFY2(std::abs(firstAfter / double(kRateHz) - boundaryS) < 0.05,
             qPrintable(QStringLiteral("first ends at %1 s").arg(firstAfter / double(kRateHz))));
    // A lossy encoder pads its last frame: counts agree to within one frame per file.
    const bool lossy = extension == QLatin1String("mp3") || extension == QLatin1String("m4a");
    const qint64 slack = lossy ? 2 * 1152 : 1;
    QVERIFY(std::abs((firstBefore - firstAfter) - moved * kRateHz / 1000000) <= slack);
    const QByteArray after = testmedia::decodeS16(first) + testmedia::decodeS16(second);
    if (lossy) {
        QVERIFY2(std::abs(after.size() - before.size()) / kFrameBytes <= 2 * 1152,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before.size()).arg(after.size())));
    } else {
        QCOMPARE(after.size(), before.size());
        QVERIFY(after == before);  // every sample once, in order
    }
    QCOMPARE(titleOf(second), QStringLiteral("Second"));
    QCOMPARE(titleOf(first), QStringLiteral("First"));
    // Nothing but the two files is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestTrackSplit::moveRefusesBadInput()
{
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("badXXXXXX")));
    const QString first = dir.filePath(QStringLiteral("first.wav"));
    const QString notAudio = dir.filePath(QStringLiteral("second.wav"));
    QVERIFY(cutRun(first, 0, 20, QStringLiteral("First")));
    QFile text(notAudio);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a sound\n");
    text.close();
    const QByteArray firstHash = md5(first), secondHash = md5(notAudio);
    const QByteArray a = first.toUtf8(), b = notAudio.toUtf8();
    struct {
        const char* firstPath;
        const char* secondPath;
        int64_t tailUs;
        int64_t expected;
    } cases[] = {
        {a.constData(), b.constData(), 6500000, -1},             // second is no audio
        {b.constData(), a.constData(), 6500000, -1},             // first is no audio
        {"/nonexistent/first.wav", a.constData(), 6500000, -1},  // missing
        {a.constData(), b.constData(), -1, -1},                  // negative tail
        {a.constData(), "/nonexistent/second.wav", 0, 0},        // nothing to move
    };
    for (const auto& c : cases) {
        const int64_t result = MoveTrackBoundary(c.firstPath, c.secondPath, c.tailUs, 3000000);
        QVERIFY2(result == c.expected, qPrintable(QStringLiteral("%1 -> %2, %3 (%4)")
                                                      .arg(QString::fromUtf8(c.secondPath))
                                                      .arg(result)
                                                      .arg(c.expected)
                                                      .arg(QString::fromUtf8(BriscaLastError()))));
        if (c.expected < 0)
            QVERIFY(QByteArray(BriscaLastError()).size() > 0);
    }
    QCOMPARE(md5(first), firstHash);
    QCOMPARE(md5(notAudio), secondHash);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_GUILESS_MAIN(TestTrackSplit)
#include "test_track_split.moc"
