// NxAudioRecognizer over the engine: a catalogued track is recognized from its file, from an
// engine track and from raw frames, with its tags and cover; unknown sound gives no tags;
// feeding stops after a result and at the queue limit; sample formats map to their bits.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <brisca/brisca.h>

#include "nxaudiorecognizer.h"
#include "testmedia.h"
#include "testmusic.h"

namespace {

// Feeds interleaved s16 stereo in blocks of 4096 frames.
void feed(NxAudioRecognizer& recognizer, const QByteArray& pcm)
{
    constexpr int kBlock = 4096 * 4;
    for (qsizetype at = 0; at < pcm.size(); at += kBlock)
        recognizer.RecognizerAudioFrane(pcm.mid(at, kBlock));
}

const NxRecognizerAudioFormat kStereo16{1, 44100, 2, 0x3};

}  // namespace

class TestNxAudioRecognizer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bitsPerSample_data();
    void bitsPerSample();
    void fromFile_data();
    void fromFile();
    void fromTrack();
    void fromFrames();
    void unrecognizedFrames_data();
    void unrecognizedFrames();
    void queueLimit();
    void unusableFormat();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestNxAudioRecognizer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SetCataloguePath(file(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
    for (int seed : {21, 22, 23}) {
        testmusic::Track track;
        track.seed = seed;
        track.seconds = 30;
        track.cover = seed == 21;
        track.tags = {{QStringLiteral("title"), QStringLiteral("Song %1").arg(seed)},
                      {QStringLiteral("artist"), QStringLiteral("Test Band")},
                      {QStringLiteral("album"), QStringLiteral("Studio")},
                      {QStringLiteral("genre"), QStringLiteral("Ambient")}};
        QVERIFY(testmusic::make(file(QStringLiteral("%1.flac").arg(seed)), track));
    }
    QVERIFY(AddCatalogueFile(file(QStringLiteral("21.flac")).toUtf8().constData()));
    QVERIFY(AddCatalogueFile(file(QStringLiteral("22.flac")).toUtf8().constData()));
}

void TestNxAudioRecognizer::bitsPerSample_data()
{
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("bits");
    const int bits[] = {8, 16, 32, 32, 64, 0};
    for (int f = 0; f <= 5; ++f)
        QTest::addRow("format %d", f) << f << bits[f];
    QTest::newRow("negative") << -1 << 0;
}

void TestNxAudioRecognizer::bitsPerSample()
{
    QFETCH(int, sampleFormat);
    QFETCH(int, bits);
    QCOMPARE(NxRecognizerAudioFormat::bitsPerSample(sampleFormat), bits);
}

void TestNxAudioRecognizer::fromFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("cover");
    QTest::newRow("with cover") << "21.flac"
                                << "Song 21" << true;
    QTest::newRow("without cover") << "22.flac"
                                   << "Song 22" << false;
    QTest::newRow("not catalogued") << "23.flac" << QString() << false;
}

void TestNxAudioRecognizer::fromFile()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(bool, cover);
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizerFromFilepath(file(name));
    QVERIFY(recognizer.isOpen());
    QVERIFY(testmedia::waitUntil(
        [&] { return recognizer.isRecognized() || recognizer.hasEndedWithoutMatch(); }, 120000));
    const NxRecognizerAudioTagInfo info = recognizer.tagInfo();
    QCOMPARE(QString::fromStdString(info.title), title);
    QCOMPARE(recognizer.isRecognized(), !title.isEmpty());
    if (!title.isEmpty()) {
        QCOMPARE(info.artist, std::string("Test Band"));
        QCOMPARE(info.album, std::string("Studio"));
        QCOMPARE(info.genre, std::string("Ambient"));
    }
    QCOMPARE(info.coverSize > 0, cover);
    QCOMPARE(size_t(info.coverSize), info.cover.size());
    recognizer.ReleaseAudioRecognizer();
    QVERIFY(!recognizer.isOpen());
    QVERIFY(recognizer.tagInfo().isEmpty());
}

void TestNxAudioRecognizer::fromTrack()
{
    const int32_t info = CreateMediaInfo(-1);
    QVERIFY(OpenMediaInfo(info, file(QStringLiteral("22.flac")).toUtf8().constData()));
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(info);
    QVERIFY(recognizer.isOpen());
    QVERIFY(testmedia::waitUntil([&] { return recognizer.isRecognized(); }, 120000));
    QCOMPARE(recognizer.tagInfo().title, std::string("Song 22"));
    DestroyMediaInfo(info);
}

void TestNxAudioRecognizer::fromFrames()
{
    const QByteArray pcm = testmedia::decodeS16(file(QStringLiteral("21.flac")), 44100, 2);
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(kStereo16);
    QVERIFY(recognizer.isOpen());
    feed(recognizer, pcm);
    QVERIFY(testmedia::waitUntil([&] { return recognizer.isRecognized(); }, 120000));
    QVERIFY(!recognizer.isDone());
    // The next frame sees the result and is not fed; nor is any after it.
    recognizer.RecognizerAudioFrane(pcm.left(4096 * 4));
    QVERIFY(recognizer.isDone());
    QVERIFY(!recognizer.isFull());
    const NxRecognizerAudioTagInfo info = recognizer.tagInfo();
    QCOMPARE(info.title, std::string("Song 21"));
    QVERIFY(info.coverSize > 0);
    QVERIFY(recognizer.confidence() > 0.5);
    QVERIFY(std::abs(recognizer.offsetUs()) < 300000);
}

void TestNxAudioRecognizer::unrecognizedFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("seconds");
    QTest::newRow("track not catalogued") << "23.flac" << 30;
    // Less sound than a lookup needs: the recording ends before anything is identified.
    QTest::newRow("catalogued, too short") << "21.flac" << 6;
}

void TestNxAudioRecognizer::unrecognizedFrames()
{
    QFETCH(QString, name);
    QFETCH(int, seconds);
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(kStereo16);
    feed(recognizer, testmedia::decodeS16(file(name), 44100, 2).left(seconds * 44100 * 4));
    recognizer.StopRecognizer();
    QVERIFY(recognizer.hasEndedWithoutMatch());
    QVERIFY(!recognizer.isRecognized());
    const NxRecognizerAudioTagInfo info = recognizer.tagInfo();
    QVERIFY(info.isEmpty());
    QCOMPARE(info.coverSize, 0);
}

void TestNxAudioRecognizer::queueLimit()
{
    // Nothing consumes the queue once listening has stopped: every block stays queued until
    // more than 128 MiB wait, and the frame after that is refused.
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(kStereo16);
    recognizer.StopRecognizer();
    const QByteArray block(4 << 20, '\0');
    int fed = 0;
    while (!recognizer.isFull() && fed < 100) {
        recognizer.RecognizerAudioFrane(block);
        ++fed;
    }
    QVERIFY(recognizer.isFull());
    QCOMPARE(fed, 34);  // 33 blocks of 4 MiB pass the limit; the 34th sees it
    recognizer.ReleaseAudioRecognizer();
    QVERIFY(!recognizer.isFull());
}

void TestNxAudioRecognizer::unusableFormat()
{
    NxAudioRecognizer recognizer;
    recognizer.CreateAudioRecognizer(NxRecognizerAudioFormat{7, 44100, 2, 0});
    QVERIFY(!recognizer.isOpen());
    recognizer.RecognizerAudioFrane(QByteArray(4096, '\0'));
    QVERIFY(!recognizer.isRecognized());
    QVERIFY(!recognizer.isFull());
}

QTEST_GUILESS_MAIN(TestNxAudioRecognizer)
#include "tst_nxaudiorecognizer.moc"
