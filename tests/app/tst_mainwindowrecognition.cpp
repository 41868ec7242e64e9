// Music identified in a recording made from the main window, against the private sound server:
// a catalogued track played into the sink gets its title on the row and in the history
// record, the finished file carries the tags, and it is filed into the archive folder the
// preference asks for; noise gets no tags and stays where it was recorded.

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

#include <brisca/brisca.h>

#include "mainwindowtestkit.h"
#include "qaudiofilemodel.h"
#include "qfilelistwgt.h"
#include "qrecordaudioobject.h"
#include "qrecordobject.h"
#include "recordercontroller.h"
#include "testmedia.h"
#include "testmusic.h"

using namespace windowtest;

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

}  // namespace

class TestMainWindowRecognition : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    Fixture m_fixture;
    QString out() const { return m_root.filePath(QStringLiteral("out")); }

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

        QTest::mouseClick(button(w, QStringLiteral("Start Recording")), Qt::LeftButton);
        QVERIFY(w->isRecording());
        const QString recorded = w->recorder()->currentPath();
        QTRY_VERIFY_WITH_TIMEOUT(w->recorder()->session()->capturingSources() > 0, 10000);
        auto player = testmedia::playInto(QStringLiteral("quillon_out"), m_root.filePath(played));
        // All of the track went through the sink, however long the machine took.
        QVERIFY(player->waitForFinished(60000));
        QTest::qWait(300);
        QTest::mouseClick(button(w, QStringLiteral("Stop Recording")), Qt::LeftButton);
        QVERIFY(!w->isRecording());
        QRecordAudioObject* system = w->recorder()->session()->systemSource();
        QTRY_VERIFY_WITH_TIMEOUT(!system->recognitionPending(), 120000);
        QCoreApplication::processEvents();

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
        QCOMPARE(tagOf(expected, QStringLiteral("title")), title);
        QCOMPARE(tagOf(expected, QStringLiteral("artist")), QStringLiteral("AC/DC Tribute"));
        // The file is whole after the tag write and the move: all of the recording decodes.
        QVERIFY(testmedia::decodedSeconds(expected) >= kTrackSeconds);
    }
};

QTEST_MAIN(TestMainWindowRecognition)
#include "tst_mainwindowrecognition.moc"
