// Track recognition during a recording, against the private sound server: catalogued tracks
// played into the default sink while the session records system audio are identified, and the
// tags go out once per recording with that recording's path and piece number, also when the
// recording ended before the engine answered and the next one started at once (in a new file,
// or over the same one, as after a discarded split); noise gets no tags and is reported once as
// unrecognized.

#include "playedaudio.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "sessiontestutil.h"
#include "testmedia.h"
#include "testmusic.h"

#include <brisca/brisca.h>

#include <algorithm>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace sessiontest;

const QString kSink = QStringLiteral("quillon_out");
// Long enough for a match even when a starved player leaves gaps; about as long as the engine's
// first regular lookup (10 s), so the tags of a recording come while it records or after it
// ended, depending on the machine.
constexpr double kTrackSeconds = 12;

struct Tagged {
    quint64 piece = 0;
    QString path;
    QString title;
    QString artist;
    QString album;
    QString genre;
};

QVector<Tagged> tagsOf(const QSignalSpy& spy)
{
    QVector<Tagged> out;
    for (const QList<QVariant>& args : spy) {
        const auto info = args.at(0).value<NxRecognizerAudioTagInfo>();
        out.append({args.at(2).toULongLong(), args.at(1).toString(),
                    QString::fromStdString(info.title), QString::fromStdString(info.artist),
                    QString::fromStdString(info.album), QString::fromStdString(info.genre)});
    }
    // A late result of a recording may come after the next one's.
    std::sort(out.begin(), out.end(),
              [](const Tagged& a, const Tagged& b) { return a.piece < b.piece; });
    return out;
}

}  // namespace

class TestRecordRecognition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void identifiesEachRecordingOfACut_data();
    void identifiesEachRecordingOfACut();
    void noiseGetsNoTags();

private:
    // Records `file` played into the sink: from just before it plays until it has ended.
    bool recordPlayed(QRecordObject& session, const QString& file, const QString& path);
    static bool play(const QString& file);
    QString track(int seed) const { return m_dir.filePath(QStringLiteral("%1.wav").arg(seed)); }
    QTemporaryDir m_dir;
};

void TestRecordRecognition::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_dir.isValid());
    SetCataloguePath(m_dir.filePath(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
    // The engine's matcher is sensitive to where a capture starts within a fingerprint item
    // (about 124 ms): some synthetic tracks miss at the worst start. These match at every start.
    for (int seed : {48, 53, 50}) {
        testmusic::Track music;
        music.seed = seed;
        music.seconds = kTrackSeconds;
        music.tags = {{QStringLiteral("title"), QStringLiteral("Take %1").arg(seed)},
                      {QStringLiteral("artist"), QStringLiteral("Monitor Quartet")},
                      {QStringLiteral("album"), QStringLiteral("Null Sink Sessions")},
                      {QStringLiteral("genre"), QStringLiteral("Ambient")}};
        const QString flac = m_dir.filePath(QStringLiteral("%1.flac").arg(seed));
        QVERIFY(testmusic::make(flac, music));
        QVERIFY2(AddCatalogueFile(flac.toUtf8().constData()), BriscaLastError());
        // paplay (libsndfile) plays 24-bit FLAC at the wrong speed: it gets 16-bit WAV.
        QVERIFY(testmedia::ffmpeg({QStringLiteral("-i"), flac, QStringLiteral("-c:a"),
                                   QStringLiteral("pcm_s16le"), track(seed)}));
    }
    QVERIFY(playedaudio::makeNoise(m_dir.filePath(QStringLiteral("noise.wav")), kTrackSeconds, 7));
    useSources(QRecordAreaInfo::SystemAudio);
}

bool TestRecordRecognition::recordPlayed(QRecordObject& session, const QString& file,
                                         const QString& path)
{
    if (!session.start(path))
        return false;
    // The endpoint opens on the capture thread: what plays before it is open is not recorded.
    if (!QTest::qWaitFor([&] { return session.capturingSources() > 0; }, 10000))
        return false;
    const bool played = play(file);
    session.stop();
    return played;
}

bool TestRecordRecognition::play(const QString& file)
{
    auto player = testmedia::playInto(kSink, file);
    // Counted by the player, not by a clock: all of the track went through the sink.
    const bool played = player->waitForFinished(60000);
    QTest::qWait(300);
    return played;
}

void TestRecordRecognition::identifiesEachRecordingOfACut_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::newRow("into a new file") << "second.wav";
    QTest::newRow("over the same file") << "first.wav";
}

void TestRecordRecognition::identifiesEachRecordingOfACut()
{
    QFETCH(QString, secondName);
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy spy(session.systemSource(), &QRecordAudioObject::emitRecognizedAudioTagInfo);
    QSignalSpy tracks(&session, &QRecordObject::emitRecognizedTrack);
    const QString first = m_dir.filePath(QStringLiteral("first.wav"));
    const QString second = m_dir.filePath(secondName);
    // A cut: the capture goes on into the second file (over the first one when that is thrown
    // away, as a split does with a piece its rules discard).
    QVERIFY2(session.start(first), qPrintable(session.lastError()));
    QVERIFY(QTest::qWaitFor([&] { return session.capturingSources() > 0; }, 10000));
    QVERIFY(play(track(48)));
    const quint64 firstPiece = session.piece();
    const auto mode =
        second == first ? QRecordObject::CutMode::Discard : QRecordObject::CutMode::Keep;
    QVERIFY2(session.cut(second, mode), qPrintable(session.lastError()));
    QVERIFY(play(track(53)));
    session.stop();
    QCOMPARE(session.piece(), firstPiece + 1);
    // A result that comes after its recording ended is polled for on this thread.
    QTRY_VERIFY_WITH_TIMEOUT(!session.systemSource()->recognitionPending(), 120000);
    QCoreApplication::processEvents();

    const QVector<Tagged> tags = tagsOf(spy);
    QStringList seen;
    for (const Tagged& t : tags)
        seen << t.path + QStringLiteral(": ") + t.title;
    QVERIFY2(tags.size() == 2, qPrintable(seen.join(QStringLiteral(", "))));
    QCOMPARE(tags[0].path, first);
    QCOMPARE(tags[0].piece, firstPiece);
    QCOMPARE(tags[0].title, QStringLiteral("Take 48"));
    QCOMPARE(tags[0].artist, QStringLiteral("Monitor Quartet"));
    QCOMPARE(tags[0].album, QStringLiteral("Null Sink Sessions"));
    QCOMPARE(tags[0].genre, QStringLiteral("Ambient"));
    QCOMPARE(tags[1].path, second);
    QCOMPARE(tags[1].piece, firstPiece + 1);
    QCOMPARE(tags[1].title, QStringLiteral("Take 53"));
    // Splitting at tracks is off unless switched on: no track is reported, nothing splits.
    QCOMPARE(tracks.count(), 0);
}

void TestRecordRecognition::noiseGetsNoTags()
{
    QRecordObject session;
    session.setEncodeSettings(settingsFor(QStringLiteral("WAV"), 0x10000));
    QSignalSpy spy(session.systemSource(), &QRecordAudioObject::emitRecognizedAudioTagInfo);
    QSignalSpy unrecognized(session.systemSource(), &QRecordAudioObject::emitRecordingUnrecognized);
    const QString recorded = m_dir.filePath(QStringLiteral("noise-recorded.wav"));
    QVERIFY2(recordPlayed(session, m_dir.filePath(QStringLiteral("noise.wav")), recorded),
             qPrintable(session.lastError()));
    // A result that comes after its recording ended is polled for on this thread.
    QTRY_VERIFY_WITH_TIMEOUT(!session.systemSource()->recognitionPending(), 120000);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(unrecognized.count(), 1);
    QCOMPARE(unrecognized.first().at(0).toString(), recorded);
    QCOMPARE(unrecognized.first().at(1).toULongLong(), session.piece());
}

QTEST_GUILESS_MAIN(TestRecordRecognition)
#include "tst_recordrecognition.moc"
