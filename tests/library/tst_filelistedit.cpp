// The recordings list's edit flow offscreen, with real cuts through the media engine: a cut
// becomes a new recording at once (row, history, "Latest Recordings", the produced path), with
// the right length (ffprobe), the boosted equalizer band audible in its spectrum and the tags
// read back by mutagen; the lossless flag reaches the converter; a cancel mid-way leaves no
// file and the list as it was; bad sources and folders fail with a message and add nothing;
// tag edits reach the history and the row; previous / next move the edited row; after a cut
// the end-of-jobs countdown starts as stored and asks a stand-in login manager.

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include "endofjobsaction.h"
#include "fakelogind.h"
#include "librarytestkit.h"
#include "listtestkit.h"
#include "logindpowercontrol.h"
#include "nxconverterobject.h"
#include "nxskin.h"
#include "privatebus.h"
#include "qaudiofilemodel.h"
#include "qaudiofiletableview.h"
#include "qconvertprogressdlg.h"
#include "qfilelistwgt.h"
#include "qjobsfinisheddlg.h"
#include "qnxbasebutton.h"
#include "tablerows.h"
#include "tagtestkit.h"
#include "testsettings.h"

using namespace librarytest;
using tablerows::addRow;

namespace {

constexpr uint64_t kS = 1000000;
const QVector<double> kBandsHz{60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};

QString columnText(QFileListWgt& list, const QString& name, int column)
{
    const QModelIndex index = rowNamed(list, name);
    return index.sibling(index.row(), column).data().toString();
}

// Level of `hz` over that of `referenceHz` in the decoded file (from `fromS` for `seconds`).
double bandRatio(const QString& path, double hz, double referenceHz, double fromS, double seconds)
{
    const QByteArray all = testmedia::decodeS16(path, 44100, 1);
    const QByteArray part = all.mid(qsizetype(fromS * 44100) * 2, qsizetype(seconds * 44100) * 2);
    return testmedia::toneLevel(part, 1, 0, 44100, hz) /
           testmedia::toneLevel(part, 1, 0, 44100, referenceHz);
}

VEEditConfig cutConfig(uint64_t startUs, uint64_t endUs)
{
    VEEditConfig config;
    config.trimStartUs = startUs;
    config.trimEndUs = endUs;
    return config;
}

VEEditConfig boostedConfig(uint64_t startUs, uint64_t endUs, double gainAt1kHz)
{
    VEEditConfig config = cutConfig(startUs, endUs);
    config.eqFrequencies = kBandsHz;
    config.eqGains = QVector<double>(kBandsHz.size(), 0.0);
    config.eqGains[kBandsHz.indexOf(1000)] = gainAt1kHz;
    return config;
}

}  // namespace

class TestFileListEdit : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QTemporaryDir m_media;
    QString m_out;
    QString m_tones;  // 8 s: 1 kHz and 6 kHz at equal levels
    QString m_long;   // 3 minutes, long enough to cancel mid-way
    QStringList m_told;
    PrivateBus m_bus;

    QString outFile(const QString& name) const { return m_out + QLatin1Char('/') + name; }
    // The list with the history of the given sources (copied into the output folder).
    std::unique_ptr<QFileListWgt> openList(const QStringList& sources)
    {
        QVector<HistoryRecord> records;
        for (const QString& source : sources) {
            const QString path = outFile(QFileInfo(source).fileName());
            if (!QFile::exists(path) && !QFile::copy(source, path))
                return nullptr;
            HistoryRecord r = record(path, QStringLiteral("00:00:08"),
                                     QStringLiteral("01-02-2020 10:0%1").arg(records.size()));
            r.format = QStringLiteral("MP3");
            r.listNames = QStringList{QStringLiteral("Mix")};
            records.append(r);
        }
        if (!writeHistory(records))
            return nullptr;
        auto list = std::make_unique<QFileListWgt>(nullptr, testJournal(m_root));
        list->setMessageShower([this](const QString& text) { m_told.append(text); });
        list->loadLibrary();
        return list;
    }
    QAudioFileChunk* item(QFileListWgt& list, const QString& fileName)
    {
        return list.library().find(outFile(fileName));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(m_media.isValid());
        redirectUserFolders(m_root.path());
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        m_out = m_root.filePath(QStringLiteral("out"));
        m_tones = m_media.filePath(QStringLiteral("tones.mp3"));
        m_long = m_media.filePath(QStringLiteral("long.mp3"));
        QVERIFY(testmedia::ffmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("aevalsrc=0.1*sin(2*PI*1000*t)+0.1*sin(2*PI*6000*t):s=44100:d=8"),
             QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-b:a"),
             QStringLiteral("192k"), m_tones}));
        QVERIFY(testmedia::makeTone(m_long, 440, 180, 44100, 2, 0.3));
        QVERIFY2(m_bus.start(), qPrintable(m_bus.error()));
    }
    void init()
    {
        QDir(m_out).removeRecursively();
        QDir().mkpath(m_out);
        QFile::remove(ParserXML::historyFilePath());
        QVERIFY(testsettings::storeJobsFinished(QStringLiteral("0")));
        m_told.clear();
    }

    void cutBecomesARecording()
    {
        auto list = openList({m_tones});
        QVERIFY(list);
        list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
        VEEditConfig config = boostedConfig(2 * kS, 6 * kS, 12);
        config.tags.title = "Schnitt 歌 ✓";
        config.tags.artist = "Ärtist";
        config.tags.album = "Album";
        config.tags.genre = "Jazz";
        config.tags.track = "3/12";
        config.tags.year = "2021";
        QSignalSpy produced(list.get(), &QFileListWgt::emitConvertFilePath);
        QSignalSpy done(list.get(), &QFileListWgt::emitConvertJobDone);
        list->OnConvertFile(config, false);
        QVERIFY(list->progressDialog()->isVisible());
        QVERIFY(produced.wait(60000));
        const QString path = outFile(QStringLiteral("tones_Trim_001.mp3"));
        QCOMPARE(produced.at(0).at(0).toString(), path);
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toBool(), true);
        QVERIFY2(m_told.isEmpty(), qPrintable(m_told.join(QLatin1Char('\n'))));
        QVERIFY(!list->progressDialog()->isVisible());

        // A row at once, stored as a new recording, also in "Latest Recordings".
        QVERIFY(rowNamed(*list, QStringLiteral("tones_Trim_001")).isValid());
        QCOMPARE(
            columnText(*list, QStringLiteral("tones_Trim_001"), QAudioFileModel::DurationColumn),
            QStringLiteral("00:00:04"));
        const std::optional<HistoryRecord> stored = ParserXML::findHistory(path);
        QVERIFY(stored);
        QVERIFY(stored->isNew);
        QCOMPARE(stored->format, QStringLiteral("MP3"));
        QCOMPARE(stored->duration, QStringLiteral("00:00:04"));
        list->showEntry(ListEntry::latest());
        QVERIFY(rowNamed(*list, QStringLiteral("tones_Trim_001")).isValid());

        // Four seconds, give or take one MP3 frame.
        const double seconds = testmedia::decodedSeconds(path);
        QVERIFY2(qAbs(seconds - 4.0) <= 1152.0 / 44100, qPrintable(QString::number(seconds)));
        // +12 dB at 1 kHz: the 1 kHz tone now stands well above the 6 kHz one.
        const double before = bandRatio(m_tones, 1000, 6000, 3, 2);
        const double after = bandRatio(path, 1000, 6000, 1, 2);
        QVERIFY2(after / before > 2.5,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        const QJsonObject tags = tagtest::mutagenDump(path);
        QCOMPARE(tags.value(QStringLiteral("title")).toString(), QStringLiteral("Schnitt 歌 ✓"));
        QCOMPARE(tags.value(QStringLiteral("artist")).toString(), QStringLiteral("Ärtist"));
        QCOMPARE(tags.value(QStringLiteral("album")).toString(), QStringLiteral("Album"));
        QCOMPARE(tags.value(QStringLiteral("genre")).toString(), QStringLiteral("Jazz"));
        QCOMPARE(tags.value(QStringLiteral("track")).toString(), QStringLiteral("3/12"));
        QCOMPARE(tags.value(QStringLiteral("year")).toString(), QStringLiteral("2021"));
        // The source is untouched, and a second cut takes the next name.
        QCOMPARE(testfiles::readFile(outFile(QStringLiteral("tones.mp3"))),
                 testfiles::readFile(m_tones));
        list->OnConvertFile(cutConfig(0, 1 * kS), true);
        QVERIFY(produced.wait(60000));
        QCOMPARE(produced.at(1).at(0).toString(), outFile(QStringLiteral("tones_Trim_002.mp3")));
    }

    void losslessFlagReachesTheConverter_data()
    {
        QTest::addColumn<bool>("lossless");
        QTest::addColumn<double>("gain");
        QTest::addColumn<bool>("copied");
        QTest::newRow("lossless cut copies") << true << 0.0 << true;
        QTest::newRow("encoded cut") << false << 0.0 << false;
        // Effects need the decoded sound, whatever the dialog allowed.
        QTest::newRow("lossless with effects encodes") << true << 6.0 << false;
    }
    void losslessFlagReachesTheConverter()
    {
        QFETCH(bool, lossless);
        QFETCH(double, gain);
        QFETCH(bool, copied);
        auto list = openList({m_tones});
        QVERIFY(list);
        list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
        QSignalSpy produced(list.get(), &QFileListWgt::emitConvertFilePath);
        list->OnConvertFile(boostedConfig(1 * kS, 3 * kS, gain), lossless);
        QVERIFY(produced.wait(60000));
        QCOMPARE(list->converter()->copiedFrames(), copied);
    }

    void cancelMidWayLeavesNothing()
    {
        auto list = openList({m_tones, m_long});
        QVERIFY(list);
        const QStringList filesBefore = QDir(m_out).entryList(QDir::Files);
        const QStringList historyBefore = historyPaths();
        const int rowsBefore = list->view()->model()->rowCount();
        list->setEditedItem(item(*list, QStringLiteral("long.mp3")));
        QSignalSpy done(list.get(), &QFileListWgt::emitConvertJobDone);
        list->OnConvertFile(boostedConfig(0, 0, 6), false);
        QSignalSpy progress(list->converter(), &NxConverterObject::emitConvertProgress);
        QSignalSpy finished(list->converter(), &NxConverterObject::emitConvertedFinish);
        QVERIFY(progress.wait(60000));  // three minutes re-encoded take many progress steps
        QVERIFY(list->progressDialog()->isVisible());
        list->progressDialog()->cancelButton()->click();
        QCOMPARE(QDir(m_out).entryList(QDir::Files), filesBefore);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QVERIFY(!list->progressDialog()->isVisible());
        QCOMPARE(QDir(m_out).entryList(QDir::Files), filesBefore);
        QCOMPARE(historyPaths(), historyBefore);
        QCOMPARE(list->view()->model()->rowCount(), rowsBefore);
        QCOMPARE(done.count(), 0);
        QVERIFY(m_told.isEmpty());
    }

    void badInputFailsWithAMessage_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("reason");
        addRow("source gone", "gone", "no longer exists");
        addRow("not sound", "garbage", "garbage.mp3");
        addRow("folder is a file", "folder", "cannot be written to");
    }
    void badInputFailsWithAMessage()
    {
        QFETCH(QString, problem);
        QFETCH(QString, reason);
        auto list = openList({m_tones});
        QVERIFY(list);
        QString source = outFile(QStringLiteral("tones.mp3"));
        if (problem == QLatin1String("gone")) {
            list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
            QVERIFY(QFile::remove(source));
        } else if (problem == QLatin1String("garbage")) {
            source = outFile(QStringLiteral("garbage.mp3"));
            QVERIFY(touch(source, QByteArray(4096, 'g')));
            QVERIFY(writeHistory({record(source), record(outFile(QStringLiteral("tones.mp3")))}));
            list->loadLibrary();
            list->setEditedItem(item(*list, QStringLiteral("garbage.mp3")));
        } else {
            QVERIFY(touch(outFile(QStringLiteral("file"))));
            list->setOutputFolder([this] { return outFile(QStringLiteral("file/sub")); });
            list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
        }
        const QStringList filesBefore = QDir(m_out).entryList(QDir::Files);
        const int rowsBefore = list->view()->model()->rowCount();
        QSignalSpy done(list.get(), &QFileListWgt::emitConvertJobDone);
        list->OnConvertFile(cutConfig(0, 2 * kS), false);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(m_told.size(), 1);
        QVERIFY2(m_told.first().startsWith(QLatin1String("Cut out failure.")) &&
                     m_told.first().contains(reason),
                 qPrintable(m_told.first()));
        QCOMPARE(QDir(m_out).entryList(QDir::Files), filesBefore);
        QCOMPARE(list->view()->model()->rowCount(), rowsBefore);
        QVERIFY(!list->progressDialog()->isVisible());
    }

    void tagEditReachesHistoryAndRow()
    {
        auto list = openList({m_tones});
        QVERIFY(list);
        const QString path = outFile(QStringLiteral("tones.mp3"));
        const HistoryRecord before = *ParserXML::findHistory(path);
        list->OnAudioTagChange(VEAudioTagInfo(), QString());  // nothing edited: nothing happens
        QCOMPARE(*ParserXML::findHistory(path), before);
        list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
        VEAudioTagInfo tags;
        tags.title = "Títle 标题";
        tags.artist = "Nobody";
        tags.album = "Live";
        tags.genre = "Rock";
        tags.comment = "not in the history";
        list->OnAudioTagChange(tags, QString());
        HistoryRecord expected = before;
        expected.title = QStringLiteral("Títle 标题");
        expected.artist = QStringLiteral("Nobody");
        expected.album = QStringLiteral("Live");
        expected.genre = QStringLiteral("Rock");
        QCOMPARE(*ParserXML::findHistory(path), expected);
        QCOMPARE(columnText(*list, QStringLiteral("tones"), QAudioFileModel::ArtistColumn),
                 QStringLiteral("Nobody"));
        QCOMPARE(columnText(*list, QStringLiteral("tones"), QAudioFileModel::AlbumColumn),
                 QStringLiteral("Live"));
    }

    void previousAndNextMoveTheEditedRow()
    {
        QStringList sources;
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) {
            sources << m_media.filePath(QLatin1String(name));
            QFile::copy(m_tones, sources.last());
        }
        auto list = openList(sources);
        QVERIFY(list);
        QSignalSpy changed(list.get(), &QFileListWgt::emitEditFileChanged);
        // Newest first: c, b, a.
        list->setEditedItem(item(*list, QStringLiteral("b.mp3")));
        QCOMPARE(list->view()->currentIndex().row(), 1);
        list->OnNextItem();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toString(), outFile(QStringLiteral("a.mp3")));
        QCOMPARE(list->editedItem(), item(*list, QStringLiteral("a.mp3")));
        list->OnNextItem();  // the last row: the dialog stays on its file
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list->view()->currentIndex().row(), 2);
        list->OnPreviousItem();
        list->OnPreviousItem();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list->editedItem(), item(*list, QStringLiteral("c.mp3")));
        list->OnPreviousItem();  // the first row
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list->view()->currentIndex().row(), 0);
        // A row whose file is gone is selected but not loaded.
        QVERIFY(QFile::remove(outFile(QStringLiteral("b.mp3"))));
        list->OnNextItem();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list->editedItem(), item(*list, QStringLiteral("c.mp3")));
        // With the dialog closed nothing is loaded.
        list->setEditedItem(nullptr);
        list->OnNextItem();
        QCOMPARE(changed.count(), 3);
    }

    // The countdown's texts and ways to cancel are the job windows' test; here a cut starts the
    // stored action, or none.
    void endOfJobsCountdownAfterACut_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("sleep") << "1" << QStringList{"Suspend false"};
        QTest::newRow("shut down") << "2" << QStringList{"PowerOff false"};
        QTest::newRow("nothing") << "0" << QStringList{};
    }
    void endOfJobsCountdownAfterACut()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, calls);
        FakeLogind logind;
        QVERIFY(logind.start(m_bus.address()));
        QVERIFY(testsettings::storeJobsFinished(stored));
        auto list = openList({m_tones});
        QVERIFY(list);
        auto* countdown = new EndOfJobsAction(std::make_unique<LogindPowerControl>(
            QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("window"))));
        countdown->setTickInterval(0);
        list->setEndOfJobsAction(countdown);
        list->setEditedItem(item(*list, QStringLiteral("tones.mp3")));
        QSignalSpy produced(list.get(), &QFileListWgt::emitConvertFilePath);
        list->OnConvertFile(cutConfig(0, 1 * kS), true);
        QVERIFY(produced.wait(60000));
        if (stored == QLatin1String("0")) {
            QVERIFY(!list->jobsFinishedDialog());
        } else {
            QVERIFY(list->jobsFinishedDialog() && list->jobsFinishedDialog()->isVisible());
            QCOMPARE(countdown->remainingSeconds(), EndOfJobsAction::kCountdownSeconds);
            for (int i = 0; i < EndOfJobsAction::kCountdownSeconds; ++i)
                countdown->tick();
            QTRY_VERIFY(!list->jobsFinishedDialog() || !list->jobsFinishedDialog()->isVisible());
        }
        QCOMPARE(logind.calls(), calls);
        QVERIFY(m_told.isEmpty());
        list.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("window"));
    }
};

QTEST_MAIN(TestFileListEdit)
#include "tst_filelistedit.moc"
