// The engine's recognizer and local catalogue through the C interface: synthetic tracks are
// catalogued from files with their tags and cover, then recognized from files, excerpts and
// raw frames of several formats; unknown sound, a damaged and a locked catalogue give no match
// with a reason.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <brisca/brisca.h>

#include "testmedia.h"
#include "testmusic.h"

namespace {

QString entryText(const BriscaEntry* e)
{
    return e ? QString::fromUtf8(reinterpret_cast<const char*>(GetEntryData(e)), GetEntrySize(e))
             : QString();
}

// Waits for the recognizer to leave the listening state (it ends by itself for files).
int finalState(int32_t recognizer)
{
    testmedia::waitUntil(
        [&] { return GetRecognizerState(recognizer) != BRISCA_RECOGNIZER_LISTENING; }, 120000);
    return GetRecognizerState(recognizer);
}

// Pushes interleaved samples of one format into a stream in blocks of 4096 frames.
void pushAll(int32_t stream, const QByteArray& pcm, int sampleFormat, int bytesPerSample,
             int rateHz, int channels)
{
    const int frameBytes = bytesPerSample * channels;
    const int32_t frame = CreateFrame();
    SetFrameSampleFormat(frame, sampleFormat);
    SetFrameSampleRate(frame, rateHz);
    SetFrameChannels(frame, channels);
    for (qsizetype at = 0; at + frameBytes <= pcm.size(); at += 4096 * frameBytes) {
        const int n = int(std::min<qsizetype>(4096, (pcm.size() - at) / frameBytes));
        SetFrameSamples(frame, pcm.constData() + at, n);
        SetFrameTimestamp(frame, at / frameBytes * 1000000LL / rateHz);
        PushStreamFrame(stream, frame);
    }
    ReleaseFrame(frame);
}

}  // namespace

class TestRecognizer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogueAdds();
    void recognizeFile_data();
    void recognizeFile();
    void recognizeFrames_data();
    void recognizeFrames();
    void endedStream_data();
    void endedStream();
    void unusableCatalogue_data();
    void unusableCatalogue();
    void deadHandles();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestRecognizer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(SetCataloguePath(file(QStringLiteral("catalogue.sqlite")).toUtf8().constData()));
    QCOMPARE(GetCatalogueTrackCount(), 0);
    struct {
        const char* name;
        int seed;
        const char* title;
        bool cover;
    } tracks[] = {{"one.mp3", 1, "Morning Tide", true},
                  {"two.ogg", 2, "Paper Lanterns", false},
                  {"three.flac", 3, "Iron Bridge", false},
                  {"unknown.m4a", 4, "Not Catalogued", false}};
    for (const auto& t : tracks) {
        testmusic::Track track;
        track.seed = t.seed;
        track.cover = t.cover;
        track.tags = {{QStringLiteral("title"), QString::fromUtf8(t.title)},
                      {QStringLiteral("artist"), QStringLiteral("Synthetic Ensemble")},
                      {QStringLiteral("album"), QStringLiteral("Generated")},
                      {QStringLiteral("genre"), QStringLiteral("Test")},
                      {QStringLiteral("date"), QStringLiteral("2021")}};
        QVERIFY(testmusic::make(file(QLatin1String(t.name)), track));
    }
    QVERIFY(testmusic::excerpt(file(QStringLiteral("three.flac")),
                               file(QStringLiteral("middle.wav")), 8, 30));
    QVERIFY(testmedia::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                               QStringLiteral("anoisesrc=d=30:c=pink:a=0.5"),
                               file(QStringLiteral("noise.wav"))}));
    for (const char* name : {"one.mp3", "two.ogg", "three.flac"})
        QVERIFY2(AddCatalogueFile(file(QLatin1String(name)).toUtf8().constData()),
                 BriscaLastError());
}

void TestRecognizer::catalogueAdds()
{
    QCOMPARE(GetCatalogueTrackCount(), 3);
    // The same file again replaces its entry.
    QVERIFY(AddCatalogueFile(file(QStringLiteral("two.ogg")).toUtf8().constData()));
    QCOMPARE(GetCatalogueTrackCount(), 3);
    // Not audio: refused with a reason, nothing added.
    QFile text(file(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("these are not sounds\n");
    text.close();
    QVERIFY(!AddCatalogueFile(text.fileName().toUtf8().constData()));
    QVERIFY(QByteArray(BriscaLastError()).contains("notes.txt"));
    QCOMPARE(GetCatalogueTrackCount(), 3);
    // 40 s of a track cost a few kilobytes.
    QVERIFY(QFileInfo(file(QStringLiteral("catalogue.sqlite"))).size() < 3 * 16 * 1024 + 8192);
}

void TestRecognizer::recognizeFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");  // empty: no match
    QTest::addColumn<double>("offsetS");
    QTest::addColumn<bool>("cover");
    QTest::newRow("catalogued mp3 with cover") << "one.mp3"
                                               << "Morning Tide" << 0.0 << true;
    QTest::newRow("catalogued ogg") << "two.ogg"
                                    << "Paper Lanterns" << 0.0 << false;
    QTest::newRow("30 s from the middle") << "middle.wav"
                                          << "Iron Bridge" << 8.0 << false;
    QTest::newRow("track not catalogued") << "unknown.m4a" << QString() << 0.0 << false;
    QTest::newRow("noise") << "noise.wav" << QString() << 0.0 << false;
}

void TestRecognizer::recognizeFile()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(double, offsetS);
    QFETCH(bool, cover);
    const int32_t r = CreateRecognizer(-1);
    QVERIFY2(RecognizeFile(r, file(name).toUtf8().constData()), BriscaLastError());
    QCOMPARE(StartRecognizer(r), 1);
    const int state = finalState(r);
    if (title.isEmpty()) {
        QCOMPARE(state, int(BRISCA_RECOGNIZER_NO_MATCH));
        QCOMPARE(GetRecognizerReason(r), "");
        QVERIFY(!GetRecognizedTag(r, "title"));
    } else {
        QCOMPARE(state, int(BRISCA_RECOGNIZER_MATCHED));
        QCOMPARE(entryText(GetRecognizedTag(r, "title")), title);
        QCOMPARE(entryText(GetRecognizedTag(r, "artist")), QStringLiteral("Synthetic Ensemble"));
        QCOMPARE(entryText(GetRecognizedTag(r, "year")), QStringLiteral("2021"));
        const BriscaEntry* picture = GetRecognizedTag(r, "cover_image");
        QCOMPARE(picture != nullptr, cover);
        if (picture)
            QVERIFY(QByteArray(reinterpret_cast<const char*>(GetEntryData(picture)), 4) ==
                    "\x89PNG");
        double confidence = 0;
        int64_t offsetUs = -1;
        QVERIFY(GetRecognizedMatch(r, &confidence, &offsetUs));
        QVERIFY2(confidence > 0.5, qPrintable(QString::number(confidence)));
        QVERIFY2(std::abs(offsetUs / 1e6 - offsetS) < 0.3, qPrintable(QString::number(offsetUs)));
    }
    QVERIFY(CloseRecognizer(r));
    QCOMPARE(GetRecognizerState(r), int(BRISCA_RECOGNIZER_IDLE));
    QVERIFY(!GetRecognizedTag(r, "title"));
    QVERIFY(DestroyRecognizer(r));
}

void TestRecognizer::recognizeFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("ffmpegFormat");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("bytesPerSample");
    QTest::addColumn<int>("rateHz");
    QTest::addColumn<int>("channels");
    QTest::addColumn<double>("startS");
    QTest::newRow("s16 stereo 44.1 kHz") << "one.mp3"
                                         << "Morning Tide"
                                         << "s16le" << 1 << 2 << 44100 << 2 << 0.0;
    QTest::newRow("float mono 48 kHz") << "three.flac"
                                       << "Iron Bridge"
                                       << "f32le" << 3 << 4 << 48000 << 1 << 0.0;
    QTest::newRow("s32 four channels 48 kHz") << "two.ogg"
                                              << "Paper Lanterns"
                                              << "s32le" << 2 << 4 << 48000 << 4 << 0.0;
    QTest::newRow("unknown track")
        << "unknown.m4a" << QString() << "s16le" << 1 << 2 << 44100 << 2 << 0.0;
    // A capture starts anywhere in a track, so its fingerprint items can fall halfway between
    // the catalogued ones (an item is 1365 samples at 11025 Hz, 124 ms).
    QTest::newRow("half an item in") << "one.mp3"
                                     << "Morning Tide"
                                     << "s16le" << 1 << 2 << 44100 << 2 << 0.5 * 1365 / 11025;
}

void TestRecognizer::recognizeFrames()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, ffmpegFormat);
    QFETCH(int, sampleFormat);
    QFETCH(int, bytesPerSample);
    QFETCH(int, rateHz);
    QFETCH(int, channels);
    QFETCH(double, startS);
    const testmedia::ToolResult pcm = testmedia::run(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file(name),
         QStringLiteral("-af"), QStringLiteral("atrim=start=%1").arg(startS, 0, 'f', 6),
         QStringLiteral("-f"), ffmpegFormat, QStringLiteral("-ar"), QString::number(rateHz),
         QStringLiteral("-ac"), QString::number(channels), QStringLiteral("-")});
    QVERIFY(pcm.ok());
    const int32_t stream = CreateStreamDesc(2);
    QVERIFY(SetStreamCodecTag(stream, "AFRM"));
    const int32_t r = CreateRecognizer(-1);
    QVERIFY2(OpenRecognizer(r, 0, stream, 0), BriscaLastError());
    QCOMPARE(StartRecognizer(r), 1);
    pushAll(stream, pcm.out, sampleFormat, bytesPerSample, rateHz, channels);
    if (title.isEmpty()) {
        // Everything pushed was taken; stopping then ends the listening without a result.
        QVERIFY(testmedia::waitUntil([&] { return GetStreamQueuedBytes(stream) == 0; }));
        QVERIFY(StopRecognizer(r));
        QCOMPARE(GetRecognizerState(r), int(BRISCA_RECOGNIZER_NO_MATCH));
    } else {
        QCOMPARE(finalState(r), int(BRISCA_RECOGNIZER_MATCHED));
        QCOMPARE(entryText(GetRecognizedTag(r, "title")), title);
        int64_t offsetUs = -1;
        QVERIFY(GetRecognizedMatch(r, nullptr, &offsetUs));
        QVERIFY2(std::abs(offsetUs - startS * 1e6) < 300000, qPrintable(QString::number(offsetUs)));
    }
    DestroyRecognizer(r);
    ReleaseStreamDesc(stream);
}

// A stream that ends before the first regular lookup (10 s) is looked up once more on what it
// holds, and the recognizer ends by itself either way; also when the end was told before the
// recognizer started.
void TestRecognizer::endedStream_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("endBeforeStart");
    QTest::addColumn<QString>("title");
    QTest::newRow("8 s of a catalogued track") << "one.mp3" << 8.0 << false << "Morning Tide";
    QTest::newRow("8 s of noise") << "noise.wav" << 8.0 << false << QString();
    QTest::newRow("2 s, too short to match") << "one.mp3" << 2.0 << false << QString();
    QTest::newRow("nothing pushed") << "one.mp3" << 0.0 << false << QString();
    QTest::newRow("catalogued, ended before the start")
        << "one.mp3" << 8.0 << true << "Morning Tide";
    QTest::newRow("nothing pushed, ended before the start")
        << "one.mp3" << 0.0 << true << QString();
}

void TestRecognizer::endedStream()
{
    QFETCH(QString, name);
    QFETCH(double, seconds);
    QFETCH(bool, endBeforeStart);
    QFETCH(QString, title);
    const testmedia::ToolResult pcm = testmedia::run(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file(name),
         QStringLiteral("-t"), QString::number(seconds), QStringLiteral("-f"),
         QStringLiteral("s16le"), QStringLiteral("-ar"), QStringLiteral("44100"),
         QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-")});
    QVERIFY(pcm.ok());
    const int32_t stream = CreateStreamDesc(2);
    QVERIFY(SetStreamCodecTag(stream, "AFRM"));
    const int32_t r = CreateRecognizer(-1);
    QVERIFY2(OpenRecognizer(r, 0, stream, 0), BriscaLastError());
    if (!endBeforeStart)
        QCOMPARE(StartRecognizer(r), 1);
    pushAll(stream, pcm.out, 1, 2, 44100, 2);
    QVERIFY(EndRecognizerStream(r));
    if (endBeforeStart)
        QCOMPARE(StartRecognizer(r), 1);
    QCOMPARE(finalState(r),
             int(title.isEmpty() ? BRISCA_RECOGNIZER_NO_MATCH : BRISCA_RECOGNIZER_MATCHED));
    QCOMPARE(entryText(GetRecognizedTag(r, "title")), title);
    QCOMPARE(GetStreamQueuedBytes(stream), 0);
    DestroyRecognizer(r);
    ReleaseStreamDesc(stream);
}

void TestRecognizer::unusableCatalogue_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("reason");
    QTest::newRow("damaged") << false << "is damaged";
    QTest::newRow("locked") << true << "is locked by another program";
}

void TestRecognizer::unusableCatalogue()
{
    QFETCH(bool, locked);
    QFETCH(QString, reason);
    const QString path = file(QStringLiteral("unusable.sqlite"));
    QFile::remove(path);
    sqlite3* holder = nullptr;
    if (locked) {
        QVERIFY(QFile::copy(file(QStringLiteral("catalogue.sqlite")), path));
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &holder), SQLITE_OK);
        QCOMPARE(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    } else {
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(8192, '\x5a'));
        garbage.close();
    }
    QVERIFY(SetCataloguePath(path.toUtf8().constData()));
    const int32_t r = CreateRecognizer(-1);
    QVERIFY(RecognizeFile(r, file(QStringLiteral("one.mp3")).toUtf8().constData()));
    QCOMPARE(StartRecognizer(r), 1);
    QCOMPARE(finalState(r), int(BRISCA_RECOGNIZER_NO_MATCH));
    QVERIFY2(QString::fromUtf8(GetRecognizerReason(r)).contains(reason), GetRecognizerReason(r));
    // Adding fails at once with the same reason.
    QVERIFY(!AddCatalogueFile(file(QStringLiteral("two.ogg")).toUtf8().constData()));
    QVERIFY2(QString::fromUtf8(BriscaLastError()).contains(reason), BriscaLastError());
    DestroyRecognizer(r);
    sqlite3_close(holder);
    QVERIFY(SetCataloguePath(file(QStringLiteral("catalogue.sqlite")).toUtf8().constData()));
}

void TestRecognizer::deadHandles()
{
    QCOMPARE(GetRecognizerState(987654), -1);
    QVERIFY(!StartRecognizer(987654));
    QVERIFY(!GetRecognizedTag(987654, "title"));
    QVERIFY(!EndRecognizerStream(987654));
    const int32_t r = CreateRecognizer(-1);
    QVERIFY(!StartRecognizer(r));  // not opened
    const int32_t untagged = CreateStreamDesc(2);
    QVERIFY(!OpenRecognizer(r, 0, untagged, 0));  // not a raw-frame stream
    QVERIFY(!RecognizeFile(r, file(QStringLiteral("missing.mp3")).toUtf8().constData()));
    QVERIFY(DestroyRecognizer(r));
    QVERIFY(!DestroyRecognizer(r));
    ReleaseStreamDesc(untagged);
}

QTEST_GUILESS_MAIN(TestRecognizer)
#include "test_recognizer.moc"
