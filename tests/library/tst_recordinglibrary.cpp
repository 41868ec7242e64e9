// The recordings library against real files and the real History.xml: loading prunes records
// whose files are gone and keeps every other record (unreadable files and files that are not
// media included), fills in missing formats, loads 10,000 records; rename keeps other files
// and refuses names the file system cannot take; remove and delete per entry, with the trash
// and the folder tidying; the delete rules at the end of a recording; the journal's recovery.

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "librarytestkit.h"
#include "parserxml.h"
#include "recordingfiles.h"
#include "recordinglibrary.h"
#include "smallfilesystem.h"
#include "tablerows.h"

using namespace librarytest;
using tablerows::addRow;

namespace {

QStringList itemPaths(const std::vector<QAudioFileChunk*>& items)
{
    QStringList paths;
    for (const QAudioFileChunk* item : items)
        paths.append(QString::fromStdString(item->filePath()));
    return paths;
}

void setDeleteRules(const QString& byDuration, const QString& limit, const QString& bySilence)
{
    const QString element = QStringLiteral("Delete_Recorded_File");
    for (const auto& [attribute, value] :
         {std::pair{QStringLiteral("Delete_According_To_Duration"), byDuration},
          std::pair{QStringLiteral("Duration_Less_Than"), limit},
          std::pair{QStringLiteral("Delete_According_To_Silence"), bySilence}}) {
        ParserXML::getSettingValue(element, attribute, QString());
        ParserXML::setSettingValue(element, attribute, value);
    }
}

}  // namespace

class TestRecordingLibrary : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_out;    // the output folder
    QString m_tone5;  // 5.0 s MP3
    QString m_tone6;  // 6.0 s WAV

    QString copyOf(const QString& source, const QString& name)
    {
        const QString path = m_out + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        return QFile::copy(source, path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        redirectUserFolders(m_root.path());
        m_out = m_root.filePath(QStringLiteral("out"));
        m_tone5 = m_root.filePath(QStringLiteral("tone5.mp3"));
        m_tone6 = m_root.filePath(QStringLiteral("tone6.wav"));
        QVERIFY(testmedia::makeTone(m_tone5, 440, 5.0));
        QVERIFY(testmedia::makeTone(m_tone6, 440, 6.0));
    }
    void init()
    {
        QDir(m_out).removeRecursively();
        QDir(trashFiles()).removeRecursively();
        QFile::remove(ParserXML::historyFilePath());
        QFile::remove(ParserXML::settingsFilePath());
    }

    // Gone files leave the history; every other record stays, however bad its file.
    void loadPrunesOnlyMissingFiles()
    {
        const QString good = copyOf(m_tone5, QStringLiteral("good.mp3"));
        const QString notMedia = m_out + QStringLiteral("/notes.mp3");
        const QString unreadable = m_out + QStringLiteral("/locked.wav");
        QVERIFY(touch(notMedia, "this is no audio"));
        QVERIFY(touch(unreadable, "RIFF"));
        QVERIFY(::chmod(QFile::encodeName(unreadable).constData(), 0) == 0);
        HistoryRecord noFormat = record(good);
        noFormat.format.clear();
        QVERIFY(writeHistory({noFormat, record(m_out + QStringLiteral("/gone.mp3")),
                              record(notMedia), record(unreadable)}));

        RecordingLibrary library(testJournal(m_root));
        const RecordingLibrary::LoadResult loaded = library.load();
        QCOMPARE(loaded.listed, 3);
        QCOMPARE(loaded.pruned, QStringList{m_out + QStringLiteral("/gone.mp3")});
        QCOMPARE(itemPaths(library.entryItems(ListEntry::all())),
                 (QStringList{good, notMedia, unreadable}));
        QCOMPARE(historyPaths(), (QStringList{good, notMedia, unreadable}));
        // The missing format was read from the file and stored.
        QCOMPARE(ParserXML::findHistory(good)->format, QStringLiteral("mp3"));
        ::chmod(QFile::encodeName(unreadable).constData(), 0600);
    }

    void loadTenThousandRecords()
    {
        QVector<HistoryRecord> records;
        for (int i = 0; i < 10000; ++i) {
            const QString path = m_out + QStringLiteral("/many/REC_%1.mp3").arg(i);
            QVERIFY(touch(path));
            HistoryRecord r = record(path, QStringLiteral("00:00:01"));
            r.isNew = i % 2 == 0;
            records.append(r);
        }
        // Every 1000th file vanished while the program was not running.
        for (int i = 0; i < 10000; i += 1000)
            QVERIFY(QFile::remove(records[i].filePath));
        QVERIFY(writeHistory(records));
        RecordingLibrary library(testJournal(m_root));
        const RecordingLibrary::LoadResult loaded = library.load();
        QCOMPARE(loaded.listed, 9990);
        QCOMPARE(loaded.pruned.size(), 10);
        QCOMPARE(int(library.entryItems(ListEntry::latest()).size()), 4990);
        QCOMPARE(ParserXML::loadAllHistory().size(), 9990);
    }

    void renameCollisionsAndRefusedNames_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");  // file name after; empty: unchanged
        addRow("free name", QStringList{}, "talk", "talk.mp3");
        addRow("taken", QStringList{"talk.mp3"}, "talk", "talk(1).mp3");
        addRow("taken twice", QStringList{"talk.mp3", "talk(1).mp3"}, "talk", "talk(2).mp3");
        addRow("other extension is no clash", QStringList{"talk.wav"}, "talk", "talk.mp3");
        for (const char* bad : {"a/b", "a:b", "a*b", "a\"b", "a<b", "a>b", "a|b", "a?b", "a\\b"})
            QTest::newRow(bad) << QStringList{} << QString::fromLatin1(bad) << QString();
        QTest::newRow("empty") << QStringList{} << "" << QString();
        QTest::newRow("dot dot") << QStringList{} << ".." << QString();
        addRow("too long for the file system", QStringList{}, QString(300, QLatin1Char('n')),
               QString());
    }
    void renameCollisionsAndRefusedNames()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        const QString path = copyOf(m_tone5, QStringLiteral("REC_1.mp3"));
        for (const QString& name : existing)
            QVERIFY(touch(m_out + QLatin1Char('/') + name, "other"));
        QVERIFY(writeHistory({record(path)}));
        RecordingLibrary library(testJournal(m_root));
        library.load();
        QAudioFileChunk* item = library.find(path);
        QVERIFY(item);
        QString oldPath;
        const bool renamed = library.rename(item, title, &oldPath);
        QCOMPARE(renamed, !expected.isEmpty());
        const QString now = renamed ? m_out + QLatin1Char('/') + expected : path;
        QCOMPARE(QString::fromStdString(item->filePath()), now);
        QVERIFY(QFileInfo(now).size() > 100);  // the recording, not one of the others
        QCOMPARE(historyPaths(), QStringList{now});
        for (const QString& name : existing)
            QCOMPARE(QFile(m_out + QLatin1Char('/') + name).size(), qint64(5));
    }

    // Remove takes a row out of the shown entry only; delete also trashes the file.
    void takeOutPerEntry_data()
    {
        QTest::addColumn<int>("entry");  // 0 all, 1 latest, 2 playlist "Car"
        QTest::addColumn<bool>("deleteFiles");
        QTest::addColumn<QStringList>("allAfter");
        QTest::addColumn<QStringList>("latestAfter");
        QTest::addColumn<QStringList>("carAfter");
        addRow("remove from all", 0, false, QStringList{"b"}, QStringList{"b"}, QStringList{"b"});
        addRow("remove from latest", 1, false, QStringList{"a", "b"}, QStringList{"b"},
               QStringList{"a", "b"});
        addRow("remove from playlist", 2, false, QStringList{"a", "b"}, QStringList{"a", "b"},
               QStringList{"b"});
        addRow("delete from playlist", 2, true, QStringList{"b"}, QStringList{"b"},
               QStringList{"b"});
    }
    void takeOutPerEntry()
    {
        QFETCH(int, entry);
        QFETCH(bool, deleteFiles);
        QFETCH(QStringList, allAfter);
        QFETCH(QStringList, latestAfter);
        QFETCH(QStringList, carAfter);
        const QString a = copyOf(m_tone5, QStringLiteral("a.mp3"));
        const QString b = copyOf(m_tone5, QStringLiteral("b.mp3"));
        HistoryRecord ra = record(a), rb = record(b);
        ra.isNew = rb.isNew = true;
        ra.listNames = rb.listNames = QStringList{QStringLiteral("Car")};
        QVERIFY(writeHistory({ra, rb}));
        const ListEntry entries[] = {ListEntry::all(), ListEntry::latest(),
                                     ListEntry::playListNamed(QStringLiteral("Car"))};

        RecordingLibrary library(testJournal(m_root));
        library.load();
        const RecordingLibrary::Removed removed =
            library.takeOut({library.find(a)}, entries[entry], deleteFiles);
        QCOMPARE(removed.paths, QStringList{a});
        const auto names = [](const std::vector<QAudioFileChunk*>& items) {
            QStringList result;
            for (const QAudioFileChunk* item : items)
                result.append(QString::fromStdString(item->name()));
            return result;
        };
        QCOMPARE(names(library.entryItems(entries[0])), allAfter);
        QCOMPARE(names(library.entryItems(entries[1])), latestAfter);
        QCOMPARE(names(library.entryItems(entries[2])), carAfter);
        QCOMPARE(QFileInfo::exists(a), !deleteFiles);
        QCOMPARE(QFileInfo::exists(trashFiles() + QStringLiteral("/a.mp3")), deleteFiles);
        // What the history keeps for a: gone, or the entry's mark taken off.
        const std::optional<HistoryRecord> stored = ParserXML::findHistory(a);
        QCOMPARE(bool(stored), allAfter.contains(QStringLiteral("a")));
        if (stored)
            QCOMPARE(stored->listNames.contains(QStringLiteral("Car")), entry != 2);
    }

    void tidyFoldersStopsAtKeptAndFullFolders()
    {
        const QString keep = m_out + QStringLiteral("/keep");
        QVERIFY(QDir().mkpath(keep + QStringLiteral("/x/y/z")));
        QVERIFY(touch(keep + QStringLiteral("/x/other.txt")));
        RecordingFiles::tidyFolders(keep + QStringLiteral("//y/../y/z"), keep);  // not inside
        QVERIFY(QFileInfo::exists(keep + QStringLiteral("/x/y/z")));
        RecordingFiles::tidyFolders(keep + QStringLiteral("/x/y/z"), keep + QStringLiteral("/"));
        QVERIFY(!QFileInfo::exists(keep + QStringLiteral("/x/y")));
        QVERIFY(QFileInfo::exists(keep + QStringLiteral("/x/other.txt")));
        QFile::remove(keep + QStringLiteral("/x/other.txt"));
        RecordingFiles::tidyFolders(keep + QStringLiteral("/x"), keep);
        QVERIFY(!QFileInfo::exists(keep + QStringLiteral("/x")));
        QVERIFY(QFileInfo::exists(keep));  // the output folder itself stays
        RecordingFiles::tidyFolders(keep, QString());
        QVERIFY(QFileInfo::exists(keep));
    }

    // A deleted recording goes to the trash with an entry that says where it came from, and
    // the empty folders it leaves go too.
    void deleteGoesToTrash()
    {
        const QString path = copyOf(m_tone5, QStringLiteral("day/1/REC_trash.mp3"));
        QString error;
        QVERIFY2(RecordingFiles::deleteRecording(path, m_out, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(m_out + QStringLiteral("/day")));
        QCOMPARE(QFileInfo(trashFiles() + QStringLiteral("/REC_trash.mp3")).size(),
                 QFileInfo(m_tone5).size());
        QFile info(trashFiles() + QStringLiteral("/../info/REC_trash.mp3.trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("Path=" + QFile::encodeName(path)));
        QVERIFY(!RecordingFiles::deleteRecording(path, m_out, &error));
        QVERIFY(error.contains(QStringLiteral("does not exist")));
    }

    // A folder that cannot be written: the file keeps its name and stays on disk, with a
    // reason; a row taken out with "Delete" still leaves the list and the history.
    void readOnlyFolder()
    {
        SmallFileSystem small("size=1m");
        if (!small.mounted())
            QSKIP("mounting a file system needs privileges this run does not have");
        const QString path = small.filePath(QStringLiteral("REC_ro.mp3"));
        QVERIFY(QFile::copy(m_tone5, path));
        QVERIFY(small.makeReadOnly());
        HistoryRecord r = record(path);
        r.preferencePath = small.path();
        QVERIFY(writeHistory({r}));
        RecordingLibrary library(testJournal(m_root));
        library.load();
        QString oldPath;
        QVERIFY(!library.rename(library.find(path), QStringLiteral("other"), &oldPath));
        QCOMPARE(historyPaths(), QStringList{path});
        const RecordingLibrary::Removed removed =
            library.takeOut({library.find(path)}, ListEntry::all(), true);
        QCOMPARE(removed.paths, QStringList{path});
        QCOMPARE(removed.deleteErrors.size(), 1);
        QVERIFY2(removed.deleteErrors.first().contains(path),
                 qPrintable(removed.deleteErrors.first()));
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!library.find(path));
        QVERIFY(!ParserXML::findHistory(path));
    }

    void deleteRulesAtTheEnd_data()
    {
        QTest::addColumn<QString>("byDuration");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("bySilence");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("fiveSecondsKept");
        QTest::addColumn<bool>("sixSecondsKept");
        addRow("rules off", "N", "5", "N", true, true, true);
        addRow("limit 5 drops exactly 5", "Y", "5", "N", true, false, true);
        addRow("silent dropped", "N", "0", "Y", true, false, false);
        addRow("loud kept", "N", "0", "Y", false, true, true);
        // Limits of 0 and missing settings are the rules' own cases (tst_silencerules).
    }
    void deleteRulesAtTheEnd()
    {
        QFETCH(QString, byDuration);
        QFETCH(QString, limit);
        QFETCH(QString, bySilence);
        QFETCH(bool, silent);
        QFETCH(bool, fiveSecondsKept);
        QFETCH(bool, sixSecondsKept);
        setDeleteRules(byDuration, limit, bySilence);
        RecordingLibrary library(testJournal(m_root));
        library.load();
        for (const auto& [source, kept] :
             {std::pair{m_tone5, fiveSecondsKept}, std::pair{m_tone6, sixSecondsKept}}) {
            const QString name = QFileInfo(source).fileName();
            const QString path = m_out + QStringLiteral("/rec/") + name;
            library.beginRecording(path);
            QVERIFY(library.journal().paths().contains(path));
            QCOMPARE(library.recordingItem()->rowState(), int(QAudioFileChunk::Recording));
            QVERIFY(copyOf(source, QStringLiteral("rec/") + name) == path);
            FinishedRecording done;
            done.record = record(path);  // what the session stored
            done.durationUs = 1;         // the file's own length wins
            done.silentThroughout = silent;
            QVERIFY(ParserXML::addOrUpdateHistory(done.record));
            RecordingLibrary::Removed removed;
            const auto outcome = library.finishRecording(done, true, silent, &removed);
            QCOMPARE(outcome == RecordingLibrary::FinishOutcome::Kept, kept);
            QCOMPARE(bool(library.find(path)), kept);
            QCOMPARE(QFileInfo::exists(path), kept);
            QCOMPARE(bool(ParserXML::findHistory(path)), kept);
            QVERIFY(!library.journal().paths().contains(path));
            if (kept) {
                const std::optional<HistoryRecord> stored = ParserXML::findHistory(path);
                QCOMPARE(stored->duration, name.startsWith(QLatin1String("tone5"))
                                               ? QStringLiteral("00:00:05")
                                               : QStringLiteral("00:00:06"));
                QVERIFY(stored->isNew);
                QVERIFY(!stored->createTime.isEmpty());
            }
        }
    }

    // Music identified while recording is kept with the row and stored when the file is done.
    void identifiedTagsSurviveTheFinish()
    {
        RecordingLibrary library(testJournal(m_root));
        library.load();
        QVERIFY(!library.setRecordingTags("Song", "Band", "", ""));
        const QString path = m_out + QStringLiteral("/REC_song.wav");
        library.beginRecording(path);
        QVERIFY(library.setRecordingTags("Song", "Band", "", "Jazz"));
        QVERIFY(copyOf(m_tone6, QStringLiteral("REC_song.wav")) == path);
        FinishedRecording done;
        done.record = record(path);
        QVERIFY(ParserXML::addOrUpdateHistory(done.record));
        RecordingLibrary::Removed removed;
        library.finishRecording(done, true, false, &removed);
        const QAudioFileChunk* item = library.find(path);
        QCOMPARE(QString::fromStdString(item->name()), QStringLiteral("Song"));
        QCOMPARE(QString::fromStdString(item->artist()), QStringLiteral("Band"));
        const std::optional<HistoryRecord> stored = ParserXML::findHistory(path);
        QCOMPARE(stored->title, QStringLiteral("Song"));
        QCOMPARE(stored->artist, QStringLiteral("Band"));
        QCOMPARE(stored->genre, QStringLiteral("Jazz"));
        QVERIFY(stored->album.isEmpty());
    }

    // Files the journal names are listed at the next start, once; what cannot be kept is not.
    void journalRecovery()
    {
        const QString cut = copyOf(m_tone6, QStringLiteral("REC_cut.wav"));
        const QString empty = m_out + QStringLiteral("/REC_empty.mp3");
        QVERIFY(touch(empty, QByteArray()));
        {
            RecordingLibrary before(testJournal(m_root));
            before.load();
            before.beginRecording(cut);
            before.beginRecording(empty);
            before.beginRecording(m_out + QStringLiteral("/REC_never.mp3"));
        }  // the process dies here: nothing finished
        RecordingLibrary after(testJournal(m_root));
        const RecordingLibrary::LoadResult loaded = after.load();
        QCOMPARE(loaded.recovered, QStringList{cut});
        QVERIFY(loaded.problems.isEmpty());
        QVERIFY(!QFileInfo::exists(empty));
        QAudioFileChunk* item = after.find(cut);
        QVERIFY(item);
        QCOMPARE(QString::fromStdString(item->duration()), QStringLiteral("00:00:06"));
        QVERIFY(item->isNew());
        QVERIFY(after.journal().paths().isEmpty());
        RecordingLibrary again(testJournal(m_root));
        QVERIFY(again.load().recovered.isEmpty());
        QVERIFY(again.find(cut));
    }
};

QTEST_GUILESS_MAIN(TestRecordingLibrary)
#include "tst_recordinglibrary.moc"
