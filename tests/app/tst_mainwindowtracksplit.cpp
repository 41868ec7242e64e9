// Splitting a recording where a new track begins, end to end in the main window against the
// private sound server: three catalogued tracks played back to back with short gaps become
// three files, each holding one whole track and listed and stored with that track's tags.

#include <QTemporaryDir>

#include <brisca/brisca.h>

#include "mainwindowtestkit.h"
#include "qfilelistwgt.h"
#include "qrecordobject.h"
#include "recordercontroller.h"
#include "sessiontestutil.h"
#include "testmedia.h"
#include "testmusic.h"

using namespace windowtest;

namespace {

constexpr double kTrackS = 13;
constexpr double kGapS = 0.5;
constexpr int kLoud = 300;  // of 32767: the tracks never stay this quiet for a whole frame

// First and last loud frame of interleaved s16 stereo, in seconds; -1 when silent throughout.
QPair<double, double> loudSpan(const QByteArray& s16)
{
    const qsizetype frames = s16.size() / 4;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < frames; ++i) {
        if (std::abs(sessiontest::sampleAt(s16, i, 0)) > kLoud ||
            std::abs(sessiontest::sampleAt(s16, i, 1)) > kLoud) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first / 44100.0, last / 44100.0};
}

}  // namespace

class TestMainWindowTrackSplit : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    Fixture m_fixture;
    QStringList m_titles{QStringLiteral("Harbour Lights"), QStringLiteral("Copper Field"),
                         QStringLiteral("Night Ferry")};

private slots:
    void initTestCase()
    {
        QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
        QVERIFY(m_root.isValid());
        setUpProcess(m_root.path());
        QVERIFY(SetCataloguePath(m_root.filePath(QStringLiteral("catalogue.sqlite")).toUtf8()));
        QStringList tracks;
        for (int i = 0; i < m_titles.size(); ++i) {
            testmusic::Track track;
            track.seed = 41 + i;
            track.seconds = kTrackS;
            track.tags = {{QStringLiteral("title"), m_titles[i]},
                          {QStringLiteral("artist"), QStringLiteral("Null Sink Trio")},
                          {QStringLiteral("album"), QStringLiteral("Back To Back")}};
            tracks << m_root.filePath(QStringLiteral("track%1.flac").arg(i));
            QVERIFY(testmusic::make(tracks.last(), track));
            QVERIFY2(AddCatalogueFile(tracks.last().toUtf8().constData()), BriscaLastError());
        }
        // paplay's last second or two may never reach the sink: silence after the music takes
        // that loss.
        const QString run = m_root.filePath(QStringLiteral("run.wav"));
        QVERIFY(testmusic::backToBack(tracks, kGapS, run));
        QVERIFY(testmedia::ffmpeg({QStringLiteral("-i"), run, QStringLiteral("-af"),
                                   QStringLiteral("apad=pad_dur=3"),
                                   m_root.filePath(QStringLiteral("played.wav"))}));
    }
    void cleanup() { m_fixture.window.reset(); }

    void tracksPlayedBackToBackBecomeFiles()
    {
        resetStorage(m_root.filePath(QStringLiteral("out")));
        setSetting(QStringLiteral("Split_Recording"), QStringLiteral("Split_At_New_Track"),
                   QStringLiteral("Y"));
        m_fixture.listAsSink = true;
        MainWindow* w = m_fixture.open();
        QTest::mouseClick(button(w, QStringLiteral("Start Recording")), Qt::LeftButton);
        QVERIFY(w->isRecording());
        // What plays before the capture is open is not heard: the music starts after that.
        QTRY_VERIFY_WITH_TIMEOUT(w->recorder()->session()->capturingSources() > 0, 10000);
        QStringList paths{w->recorder()->currentPath()};
        QStringList identified;  // what the recorder reported, for a failure's message
        connect(w->recorder(), &RecorderController::splitAtNewTrack, this,
                [&](const QString& path) {
                    paths << path;
                    identified << QStringLiteral("split");
                });
        connect(w->recorder()->session(), &QRecordObject::emitRecognizedTrack, this,
                [&](const NxRecognizerAudioTagInfo& info, qint64 startUs) {
                    identified << QStringLiteral("%1 at %2 s")
                                      .arg(QString::fromStdString(info.title))
                                      .arg(startUs / 1e6);
                });
        auto player = testmedia::playInto(QStringLiteral("quillon_out"),
                                          m_root.filePath(QStringLiteral("played.wav")));
        // The event loop runs meanwhile: the recorder hears of each track through it.
        QTRY_VERIFY_WITH_TIMEOUT(player->state() == QProcess::NotRunning, 120000);
        QTest::qWait(1000);
        QTest::mouseClick(button(w, QStringLiteral("Stop Recording")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w->recorder()->filesAwaitingBoundaries(), 0, 60000);

        QVERIFY2(paths.size() == m_titles.size(), qPrintable(identified.join(QLatin1String(", "))));
        QVector<QPair<double, double>> louds;
        QVector<double> lengths;
        QStringList spans;  // every file's, for a failure's message
        for (const QString& path : paths) {
            const QByteArray sound = testmedia::decodeS16(path);
            louds << loudSpan(sound);
            lengths << sound.size() / 4 / 44100.0;
            spans << QStringLiteral("loud from %1 to %2 s of %3 s")
                         .arg(louds.last().first)
                         .arg(louds.last().second)
                         .arg(lengths.last());
        }
        for (int i = 0; i < paths.size(); ++i) {
            const QPair<double, double> loud = louds[i];
            const double lengthS = lengths[i];
            const QString where = QStringLiteral("file %1 of: %2").arg(i).arg(spans.join("; "));
            // One whole track: neither cut short nor holding any of its neighbours.
            QVERIFY2(std::abs(loud.second - loud.first - kTrackS) <= 0.5, qPrintable(where));
            // Split files begin in the gap before their track and end in the gap after it.
            if (i > 0)
                QVERIFY2(loud.first <= 0.5, qPrintable(where));
            if (i + 1 < paths.size())
                QVERIFY2(lengthS - loud.second <= 0.5, qPrintable(where));
            const std::optional<HistoryRecord> record = ParserXML::findHistory(paths[i]);
            QVERIFY2(record, qPrintable(paths[i]));
            QCOMPARE(record->title, m_titles[i]);
            // The history holds the length the file has after the sound at its ends moved.
            const QStringList hms = record->duration.split(QLatin1Char(':'));
            QCOMPARE(hms.size(), 3);
            const int historyS = hms[0].toInt() * 3600 + hms[1].toInt() * 60 + hms[2].toInt();
            QVERIFY2(std::abs(historyS - lengthS) <= 1,
                     qPrintable(record->duration + "; " + where));
            QCOMPARE(record->artist, QStringLiteral("Null Sink Trio"));
            QCOMPARE(record->album, QStringLiteral("Back To Back"));
            const QAudioFileChunk* item = w->fileList()->library().find(paths[i]);
            QVERIFY(item);
            QCOMPARE(QString::fromStdString(item->name()), m_titles[i]);
        }
    }
};

QTEST_MAIN(TestMainWindowTrackSplit)
#include "tst_mainwindowtracksplit.moc"
