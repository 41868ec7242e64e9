// Music identified in a recording made from the main window, against the private sound server:
// a catalogued track played into the sink gets its title on the row and in the history
// record, the finished file carries the tags (the row's size is the tagged file's), and it is
// filed into the archive folder the preference asks for; noise gets no tags and stays where it
// was recorded, as does a piece written over one that a split discarded. Music the catalogue
// does not know is asked about online (a local server replays the service's answers) when that
// is switched on, and only then.

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <brisca/brisca.h>

#include "listtexts.h"
#include "mainwindowtestkit.h"
#include "qaudiofilemodel.h"
#include "qfilelistwgt.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "recordercontroller.h"
#include "replayedanswers.h"
#include "replayserver.h"
#include "testmedia.h"
#include "testmusic.h"

using namespace windowtest;

Q_DECLARE_METATYPE(ReplayServer::Reply)

namespace {

// Long enough for a match even when a starved player leaves gaps.
constexpr double kTrackSeconds = 12;

QString tagOf(const QString& path, const QString& key)
{
    return testmedia::probe(path)
        .value(QStringLiteral("format"))
        .toObject()
        .value(QStringLiteral("tags"))
        .toObject()
        .value(key)
        .toString();
}

// A cover picture of noise, over 64 KiB: writing it into a file changes its size text.
QByteArray largeCover()
{
    QImage image(160, 160, QImage::Format_RGB32);
    QRandomGenerator noise(9);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = noise.generate();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The row's and the history record's size are those of the file as it is now.
void verifySizeIsCurrent(const QAudioFileChunk* item, const HistoryRecord& record)
{
    const QString size = ListTexts::sizeText(QFileInfo(record.filePath).size());
    QCOMPARE(QString::fromStdString(item->size()), size);
    QCOMPARE(record.size, size);
}

}  // namespace

class TestMainWindowRecognition : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    Fixture m_fixture;
    QString out() const { return m_root.filePath(QStringLiteral("out")); }

    // Records `played` (a file in the test folder) from the window and waits until the local
    // recognition of the recording has answered. The recorded file's path.
    QString recordPlayed(MainWindow* w, const QString& played)
    {
        QTest::mouseClick(button(w, QStringLiteral("Start Recording")), Qt::LeftButton);
        if (!w->isRecording())
            return QString();
        const QString recorded = w->recorder()->currentPath();
        if (!QTest::qWaitFor([&] { return w->recorder()->session()->capturingSources() > 0; },
                             10000))
            return QString();
        auto player = testmedia::playInto(QStringLiteral("quillon_out"), m_root.filePath(played));
        // All of the track went through the sink, however long the machine took.
        const bool done = player->waitForFinished(60000);
        QTest::qWait(300);
        QTest::mouseClick(button(w, QStringLiteral("Stop Recording")), Qt::LeftButton);
        QRecordAudioObject* system = w->recorder()->session()->systemSource();
        if (!done || w->isRecording() ||
            !QTest::qWaitFor([&] { return !system->recognitionPending(); }, 120000))
            return QString();
        QCoreApplication::processEvents();
        return recorded;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
        QVERIFY(m_root.isValid());
        setUpProcess(m_root.path());
        SetCataloguePath(m_root.filePath(QStringLiteral("catalogue.sqlite")).toUtf8().constData());
        testmusic::Track music;
        // A track the engine matches wherever the capture starts within a fingerprint item.
        music.seed = 51;
        music.seconds = kTrackSeconds;
        music.tags = {{QStringLiteral("title"), QStringLiteral("Filed Away")},
                      {QStringLiteral("artist"), QStringLiteral("AC/DC Tribute")},
                      {QStringLiteral("album"), QStringLiteral(".Hidden Tracks")},
                      {QStringLiteral("genre"), QStringLiteral("Rock")}};
        const QString flac = m_root.filePath(QStringLiteral("track.flac"));
        QVERIFY(testmusic::make(flac, music));
        QVERIFY2(AddCatalogueFile(flac.toUtf8().constData()), BriscaLastError());
        // paplay (libsndfile) plays 24-bit FLAC at the wrong speed: it gets 16-bit WAV.
        QVERIFY(testmedia::ffmpeg({QStringLiteral("-i"), flac, QStringLiteral("-c:a"),
                                   QStringLiteral("pcm_s16le"),
                                   m_root.filePath(QStringLiteral("track.wav"))}));
        QVERIFY(
            testmedia::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                               QStringLiteral("anoisesrc=d=%1:c=pink:a=0.4").arg(kTrackSeconds),
                               QStringLiteral("-ac"), QStringLiteral("2"),
                               m_root.filePath(QStringLiteral("noise.wav"))}));
        // Music no catalogue here knows; short, as only the online service names it.
        QVERIFY(testmedia::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"),
                                   QStringLiteral("-i"), QStringLiteral("anoisesrc=d=5:c=brown"),
                                   QStringLiteral("-ac"), QStringLiteral("2"),
                                   m_root.filePath(QStringLiteral("unknown.wav"))}));
    }
    void cleanup() { m_fixture.window.reset(); }

    void identifiedAndFiled_data()
    {
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("archiveBy");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("folder");
        // The names as the file system gets them: no '/', no leading dot.
        QTest::newRow("by artist and album") << "track.wav"
                                             << "1"
                                             << "Filed Away"
                                             << "AC DC Tribute/Hidden Tracks";
        QTest::newRow("not archived") << "track.wav"
                                      << "2"
                                      << "Filed Away" << QString();
        QTest::newRow("noise") << "noise.wav"
                               << "1" << QString() << QString();
    }
    void identifiedAndFiled()
    {
        QFETCH(QString, played);
        QFETCH(QString, archiveBy);
        QFETCH(QString, title);
        QFETCH(QString, folder);
        resetStorage(out());
        setSetting(QStringLiteral("ARCHIVE_ITEM"), QStringLiteral("Archive_Tracks_By"), archiveBy);
        setSetting(QStringLiteral("Delete_Recorded_File"),
                   QStringLiteral("Delete_According_To_Duration"), QStringLiteral("N"));
        m_fixture.listAsSink = true;
        MainWindow* w = m_fixture.open();
        QFileListWgt* list = w->fileList();

        const QString recorded = recordPlayed(w, played);
        QVERIFY(!recorded.isEmpty());

        const QString expected = folder.isEmpty()
                                     ? recorded
                                     : out() + QLatin1Char('/') + folder + QLatin1Char('/') +
                                           QFileInfo(recorded).fileName();
        QCOMPARE(QFileInfo::exists(recorded), expected == recorded);
        QVERIFY2(QFileInfo::exists(expected), qPrintable(expected));
        const std::optional<HistoryRecord> record = ParserXML::findHistory(expected);
        QVERIFY(record.has_value());
        QCOMPARE(list->model()->rowCount(), 1);
        const QAudioFileChunk* item = list->model()->fileAt(0);
        QCOMPARE(QString::fromStdString(item->filePath()), expected);
        if (title.isEmpty()) {
            // The row and the record keep the file's own name.
            QCOMPARE(record->title, QFileInfo(recorded).completeBaseName());
            QCOMPARE(QString::fromStdString(item->name()), record->title);
            QCOMPARE(record->artist, QString());
            return;
        }
        QCOMPARE(record->title, title);
        QCOMPARE(record->artist, QStringLiteral("AC/DC Tribute"));
        QCOMPARE(record->genre, QStringLiteral("Rock"));
        QCOMPARE(QString::fromStdString(item->name()), title);
        verifySizeIsCurrent(item, *record);
        QCOMPARE(tagOf(expected, QStringLiteral("title")), title);
        QCOMPARE(tagOf(expected, QStringLiteral("artist")), QStringLiteral("AC/DC Tribute"));
        // The file is whole after the tag write and the move: all of the recording decodes.
        QVERIFY(testmedia::decodedSeconds(expected) >= kTrackSeconds);
    }

    void askedOnline_data()
    {
        using R = ReplayServer::Reply;
        QTest::addColumn<bool>("online");
        QTest::addColumn<R>("lookup");
        QTest::addColumn<QString>("title");
        QTest::newRow("match") << true << R{200, replayed::kMatch} << "Night Drive";
        QTest::newRow("switched off") << false << R{200, replayed::kMatch} << QString();
        QTest::newRow("invalid key") << true << R{400, replayed::kInvalidKey} << QString();
        QTest::newRow("rate limited") << true << R{429, "slow down"} << QString();
    }
    void askedOnline()
    {
        QFETCH(bool, online);
        QFETCH(ReplayServer::Reply, lookup);
        QFETCH(QString, title);
        ReplayServer server;
        server.route("/v2/lookup", lookup);
        server.route("/ws/2/recording/", {200, replayed::kRecording});
        server.route("/release/", {200, largeCover()});
        resetStorage(out());
        const QString group = QStringLiteral("ONLINE_RECOGNITION");
        setSetting(group, QStringLiteral("Enabled"), ParserXML::boolText(online));
        setSetting(group, QStringLiteral("AcoustID_Key"), QStringLiteral("test-key"));
        setSetting(group, QStringLiteral("AcoustID_Url"),
                   server.url(QStringLiteral("/v2/lookup")).toString());
        setSetting(group, QStringLiteral("MusicBrainz_Url"),
                   server.url(QStringLiteral("/ws/2")).toString());
        setSetting(group, QStringLiteral("CoverArt_Url"), server.url(QString()).toString());
        setSetting(QStringLiteral("ARCHIVE_ITEM"), QStringLiteral("Archive_Tracks_By"),
                   QStringLiteral("2"));
        setSetting(QStringLiteral("Delete_Recorded_File"),
                   QStringLiteral("Delete_According_To_Duration"), QStringLiteral("N"));
        m_fixture.listAsSink = true;
        MainWindow* w = m_fixture.open();
        // MP3, small beside the cover: the tags change the size text.
        FormatDescriptor* mp3 = FormatDescriptor::audio();
        mp3->formatKey = QStringLiteral("MP3");
        mp3->extension = QStringLiteral("mp3");
        mp3->audioCodec = 0x15001;
        mp3->audioBitRateKbps = 128;

        const QString recorded = recordPlayed(w, QStringLiteral("unknown.wav"));
        QVERIFY(!recorded.isEmpty());
        if (!online) {
            // The catalogue has answered: nothing was queued, nothing asked.
            QCOMPARE(w->recorder()->onlineLookupsPending(), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(w->recorder()->onlineLookupsPending(), 0, 60000);
        QCOMPARE(server.requests.isEmpty(), !online);
        if (online)
            QVERIFY(server.requests.first().path.startsWith("/v2/lookup"));

        const std::optional<HistoryRecord> record = ParserXML::findHistory(recorded);
        QVERIFY(record.has_value());
        QCOMPARE(w->fileList()->model()->rowCount(), 1);
        const QAudioFileChunk* item = w->fileList()->model()->fileAt(0);
        QCOMPARE(QString::fromStdString(item->filePath()), recorded);
        verifySizeIsCurrent(item, *record);
        const QString shown = title.isEmpty() ? QFileInfo(recorded).completeBaseName() : title;
        QCOMPARE(record->title, shown);
        QCOMPARE(QString::fromStdString(item->name()), shown);
        QCOMPARE(tagOf(recorded, QStringLiteral("title")), title);
        if (title.isEmpty())
            return;
        QCOMPARE(record->artist, QStringLiteral("Test Band feat. Guest"));
        QCOMPARE(tagOf(recorded, QStringLiteral("artist")),
                 QStringLiteral("Test Band feat. Guest"));
        QCOMPARE(record->genre, QStringLiteral("synthwave"));
    }

    // A catalogued track recorded in a piece that a split discards: the next piece, written to
    // the same path, gets none of its tags, whether they came while the piece recorded or late.
    void discardedPieceLeavesNoTags()
    {
        resetStorage(out());
        setSetting(QStringLiteral("ARCHIVE_ITEM"), QStringLiteral("Archive_Tracks_By"),
                   QStringLiteral("2"));
        const QString rules = QStringLiteral("Delete_Recorded_File");
        setSetting(rules, QStringLiteral("Delete_According_To_Duration"), QStringLiteral("Y"));
        setSetting(rules, QStringLiteral("Duration_Less_Than"), QStringLiteral("3600"));
        m_fixture.listAsSink = true;
        MainWindow* w = m_fixture.open();
        RecorderController* recorder = w->recorder();

        QTest::mouseClick(button(w, QStringLiteral("Start Recording")), Qt::LeftButton);
        QVERIFY(w->isRecording());
        const QString recorded = recorder->currentPath();
        QTRY_VERIFY_WITH_TIMEOUT(recorder->session()->capturingSources() > 0, 10000);
        auto player = testmedia::playInto(QStringLiteral("quillon_out"),
                                          m_root.filePath(QStringLiteral("track.wav")));
        QVERIFY(player->waitForFinished(60000));
        QTest::qWait(300);
        QCOMPARE(recorder->splitAtSilence(), RecorderController::SplitOutcome::Discarded);
        QCOMPARE(recorder->currentPath(), recorded);
        // The piece that follows is kept.
        setSetting(rules, QStringLiteral("Delete_According_To_Duration"), QStringLiteral("N"));
        QTRY_VERIFY_WITH_TIMEOUT(recorder->session()->capturingSources() > 0, 10000);
        QTest::qWait(500);
        QTest::mouseClick(button(w, QStringLiteral("Stop Recording")), Qt::LeftButton);
        QRecordAudioObject* system = recorder->session()->systemSource();
        QTRY_VERIFY_WITH_TIMEOUT(!system->recognitionPending(), 120000);
        QCoreApplication::processEvents();

        const std::optional<HistoryRecord> record = ParserXML::findHistory(recorded);
        QVERIFY(record.has_value());
        const QString name = QFileInfo(recorded).completeBaseName();
        QCOMPARE(record->title, name);
        QCOMPARE(record->artist, QString());
        QCOMPARE(w->fileList()->model()->rowCount(), 1);
        QCOMPARE(QString::fromStdString(w->fileList()->model()->fileAt(0)->name()), name);
        QCOMPARE(tagOf(recorded, QStringLiteral("title")), QString());
    }
};

QTEST_MAIN(TestMainWindowRecognition)
#include "tst_mainwindowrecognition.moc"
