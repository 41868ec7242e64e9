// The recordings list widget offscreen: the summary line follows loading, recording and the
// search; the search is a case-insensitive regular expression (an invalid one hides every
// row); sorting by created time and by each column; the context menu; the recorder's files
// through the IRecordingSink calls; rename, delete and the playlist panel's slots.

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "audiofilemime.h"
#include "librarytestkit.h"
#include "listtestkit.h"
#include "nxskin.h"
#include "qaudiofilemodel.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qlibrarychunk.h"
#include "qnxlineedit.h"
#include "qnxmenu.h"
#include "tablerows.h"

using namespace librarytest;

namespace {

// The File Name column of the rows shown, top to bottom.
QStringList shownNames(QFileListWgt& list)
{
    QStringList names;
    QAbstractItemModel* model = list.view()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->index(row, QAudioFileModel::NameColumn).data().toString());
    return names;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

}  // namespace

using tablerows::addRow;

class TestFileListWgt : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_out;

    HistoryRecord rec(const QString& name, const QString& duration, const QString& created,
                      const QString& artist = QString())
    {
        const QString path = m_out + QLatin1Char('/') + name;
        touch(path);
        HistoryRecord r = record(path, duration, created);
        r.artist = artist;
        return r;
    }
    // Five recordings of three formats.
    void writeFive()
    {
        QVERIFY(writeHistory({rec("b.mp3", "00:00:30", "01-02-2020 10:00", "Zed"),
                              rec("a.wav", "00:01:00", "31-12-2019 23:59", "abba"),
                              rec("c.MP3", "00:00:30", "01-02-2020 10:00", "Abba"),
                              rec("d.flac", "01:00:00", "15-06-2021 08:30"),
                              rec("e.m4a", "bad", QString())}));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        redirectUserFolders(m_root.path());
        NxSkin::setResourceDir(testmedia::binDir() + QStringLiteral("/audiorecorder_res"));
        m_out = m_root.filePath(QStringLiteral("out"));
    }
    void init()
    {
        QDir(m_out).removeRecursively();
        QFile::remove(ParserXML::historyFilePath());
        QFile::remove(ParserXML::playListFilePath());
    }

    void summaryFollowsRowsAndSearch_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("names");
        // The last row's duration does not parse: it counts, but adds no time.
        addRow("all", "", "5 Audios, 5 KB, 1 Hours", QStringList{"d", "c", "b", "a", "e"});
        addRow("format ignores case", "mp3", "2 Audios, 2 KB, 1 Minutes", QStringList{"c", "b"});
        addRow("any column", "abba", "2 Audios, 2 KB, 1 Minutes", QStringList{"c", "a"});
        addRow("expression", "^[ae]$", "2 Audios, 2 KB, 1 Minutes", QStringList{"a", "e"});
        addRow("time text", "2020", "2 Audios, 2 KB, 1 Minutes", QStringList{"c", "b"});
        addRow("invalid expression hides all", "(", "0 Audios, 0 B, 0 Seconds", QStringList{});
        addRow("no match", "xyz", "0 Audios, 0 B, 0 Seconds", QStringList{});
    }
    void summaryFollowsRowsAndSearch()
    {
        QFETCH(QString, search);
        QFETCH(QString, summary);
        QFETCH(QStringList, names);
        writeFive();
        QFileListWgt list(nullptr, testJournal(m_root));
        QCOMPARE(list.summaryText(), QStringLiteral("0 Audios, 0 B, 0 Seconds"));
        QCOMPARE(list.searchField()->placeholderText(), QStringLiteral("Search"));
        list.loadLibrary();
        QTest::keyClicks(list.searchField(), search);
        QCOMPARE(list.summaryText(), summary);
        QCOMPARE(shownNames(list), names);
    }

    void sortByEachColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("names");
        addRow("created ascending", 6, int(Qt::AscendingOrder),
               QStringList{"e", "a", "b", "c", "d"});
        addRow("created descending", 6, int(Qt::DescendingOrder),
               QStringList{"d", "c", "b", "a", "e"});
        addRow("name", 1, int(Qt::AscendingOrder), QStringList{"a", "b", "c", "d", "e"});
        // Plain code-unit order, upper case before lower case; equal texts keep the order the
        // list had (newest first, and by file name in one minute).
        addRow("format", 2, int(Qt::AscendingOrder), QStringList{"d", "e", "c", "b", "a"});
        addRow("artist", 3, int(Qt::AscendingOrder), QStringList{"d", "e", "c", "b", "a"});
        addRow("duration", 5, int(Qt::DescendingOrder), QStringList{"e", "d", "a", "c", "b"});
    }
    void sortByEachColumn()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, names);
        writeFive();
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        list.view()->sortByColumn(column, Qt::SortOrder(order));
        QCOMPARE(shownNames(list), names);
    }

    // The recorder's calls: the row being recorded sits at the top of the newest-first list,
    // gets its fields when it ends, and goes when the recording fails.
    void recorderFilesThroughTheSink()
    {
        writeFive();
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        const QString tone = m_out + QStringLiteral("/REC_new.wav");
        QVERIFY(testmedia::makeTone(tone, 440, 3.0));
        list.recordingStarted(tone);
        QCOMPARE(shownNames(list).first(), QStringLiteral("REC_new"));
        QCOMPARE(list.summaryText(), QStringLiteral("6 Audios, 5 KB, 1 Hours"));
        list.recordingIsSilent(false);
        FinishedRecording done;
        done.record = record(tone);
        done.silentThroughout = false;
        list.recordingFinished(done);
        const QModelIndex row = rowNamed(list, QStringLiteral("REC_new"));
        QVERIFY(row.isValid());
        QCOMPARE(row.sibling(row.row(), QAudioFileModel::DurationColumn).data().toString(),
                 QStringLiteral("00:00:03"));
        QCOMPARE(row.sibling(row.row(), QAudioFileModel::FormatColumn).data().toString(),
                 QStringLiteral("WAV"));
        QCOMPARE(row.data(Qt::AccessibleTextRole).toString(), QStringLiteral("REC_new"));
        QVERIFY(ParserXML::findHistory(tone));

        const QString failed = m_out + QStringLiteral("/REC_failed.wav");
        list.recordingStarted(failed);
        QVERIFY(rowNamed(list, QStringLiteral("REC_failed")).isValid());
        list.recordingFailed(failed, QStringLiteral("the sound server is gone"));
        QVERIFY(!rowNamed(list, QStringLiteral("REC_failed")).isValid());
        QVERIFY(list.library().journal().paths().isEmpty());
    }

    void contextMenu()
    {
        writeFive();
        ParserXML::addPlayList(QStringLiteral("Car"));
        ParserXML::addPlayList(QStringLiteral("Gym"));
        QFileListWgt list(nullptr, testJournal(m_root));
        list.resize(800, 400);
        list.show();
        list.loadLibrary();
        QLibraryChunk car;
        car.setListType(QLibraryChunk::UserPlayList);
        car.setName("Car");
        list.OnChangeList(&car);
        QCOMPARE(shownNames(list), QStringList{});
        QLibraryChunk all;
        all.setListType(QLibraryChunk::FixedList);
        all.setInt(IBaseChunk::kFixedIndexKey, 1);
        list.OnChangeList(&all);
        QCOMPARE(shownNames(list).size(), 5);

        const QModelIndex row = rowNamed(list, QStringLiteral("b"));
        const QPoint at = list.view()->visualRect(row).center();
        list.OnShowTableMenu(at);
        QNxMenu* menu = list.tableMenu();
        QCOMPARE(menuTexts(menu), (QStringList{"Play", "Rename", "|", "Add to list",
                                               "Open File Location", "|", "Delete", "Delete All"}));
        QCOMPARE(menuTexts(menu->actions().at(3)->menu()), (QStringList{"Car", "Gym"}));
        for (QAction* action : menu->actions())
            QVERIFY(action->isSeparator() || action->isEnabled());
        menu->hide();

        // Adding to a playlist and showing it: it leaves the menu of that playlist.
        list.view()->selectRow(row.row());
        QSignalSpy removed(&list, &QFileListWgt::emitRemovePlayFiles);
        menu->actions().at(3)->menu()->actions().at(0)->trigger();
        list.OnChangeList(&car);
        QCOMPARE(shownNames(list), QStringList{"b"});
        QCOMPARE(ParserXML::findHistory(m_out + QStringLiteral("/b.mp3"))->listNames,
                 QStringList{"Car"});
        list.OnShowTableMenu(list.view()->visualRect(list.view()->model()->index(0, 1)).center());
        QCOMPARE(menuTexts(menu->actions().at(3)->menu()), QStringList{"Gym"});
        menu->hide();
        list.OnChangeLibraryListName(QStringLiteral("Car"), QStringLiteral("Auto"));
        QCOMPARE(ParserXML::findHistory(m_out + QStringLiteral("/b.mp3"))->listNames,
                 QStringList{"Auto"});
        QCOMPARE(shownNames(list), QStringList{"b"});
        list.OnRemoveCurPlayList();
        QCOMPARE(shownNames(list), QStringList{});
        QVERIFY(ParserXML::findHistory(m_out + QStringLiteral("/b.mp3"))->listNames.isEmpty());
        QCOMPARE(removed.count(), 0);

        // While a recording runs, Play is off and the recorded row offers no Delete.
        list.OnChangeList(&all);
        list.recordingStarted(m_out + QStringLiteral("/REC_now.wav"));
        list.OnShowTableMenu(list.view()->visualRect(rowNamed(list, "REC_now")).center());
        QVERIFY(!menu->actions().at(0)->isEnabled());
        QVERIFY(!menu->actions().at(6)->isEnabled());
        QVERIFY(menu->actions().at(7)->isEnabled());
        menu->hide();
    }

    void playRenameAndDelete()
    {
        writeFive();
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        QSignalSpy playList(&list, &QFileListWgt::emitPlayFilePathList);
        QSignalSpy playing(&list, &QFileListWgt::emitPlayingFilePath);
        QSignalSpy renamed(&list, &QFileListWgt::emitRenameAudioFile);
        QSignalSpy removed(&list, &QFileListWgt::emitRemovePlayFiles);
        QSignalSpy playPause(&list, &QFileListWgt::emitPlayOrPause);
        const QString b = m_out + QStringLiteral("/b.mp3");

        list.OnPlayItem(rowNamed(list, QStringLiteral("b")));
        QCOMPARE(playList.count(), 1);
        QCOMPARE(playList.at(0).at(0).toStringList().size(), 5);
        QCOMPARE(playing.at(0).at(0).toString(), b);
        list.OnChangPlayingFile(b);
        list.OnPlayItem(rowNamed(list, QStringLiteral("b")));  // the playing row: resume
        QCOMPARE(playPause.count(), 1);
        QCOMPARE(playList.count(), 1);

        QVERIFY(touch(m_out + QStringLiteral("/c.mp3"), "not a recording"));
        list.OnRenameFile(rowNamed(list, QStringLiteral("b")), QStringLiteral("c"));
        QCOMPARE(renamed.at(0).at(0).toString(), b);
        QCOMPARE(renamed.at(0).at(1).toString(), m_out + QStringLiteral("/c(1).mp3"));
        QCOMPARE(QFile(m_out + QStringLiteral("/c.mp3")).size(), qint64(15));
        list.OnRenameFile(rowNamed(list, QStringLiteral("c(1)")), QStringLiteral("x?y"));
        QCOMPARE(renamed.count(), 1);

        QStringList asked;
        list.setDeleteQuestion([&](const QString& text) {
            asked.append(text);
            return asked.size() == 1 ? QFileListWgt::DeleteAnswer::Cancel
                                     : QFileListWgt::DeleteAnswer::Delete;
        });
        list.view()->selectRow(rowNamed(list, QStringLiteral("c(1)")).row());
        list.OnActDeleteFile();
        QCOMPARE(shownNames(list).size(), 5);
        list.OnActDeleteFile();
        QCOMPARE(asked.at(0), QFileListWgt::deleteQuestionText(false));
        QVERIFY(asked.at(0).contains(QStringLiteral("trash")));
        QCOMPARE(shownNames(list).size(), 4);
        QCOMPARE(removed.at(0).at(0).toStringList(), QStringList{m_out + "/c(1).mp3"});
        QVERIFY(QFileInfo::exists(trashFiles() + QStringLiteral("/c(1).mp3")));
        QVERIFY(!ParserXML::findHistory(m_out + QStringLiteral("/c(1).mp3")));
    }

    void dragCarriesSelectedPaths()
    {
        writeFive();
        QFileListWgt list(nullptr, testJournal(m_root));
        list.loadLibrary();
        list.view()->selectRow(rowNamed(list, QStringLiteral("a")).row());
        list.view()->selectionModel()->select(
            rowNamed(list, QStringLiteral("d")),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const QStringList paths = list.view()->selectedPaths();
        QCOMPARE(paths, (QStringList{m_out + "/d.flac", m_out + "/a.wav"}));
        QCOMPARE(AudioFileMime::decode(AudioFileMime::encode(paths)), paths);
    }
};

QTEST_MAIN(TestFileListWgt)
#include "tst_filelistwgt.moc"
