// The history file and the playlist-name file: layout, update rules, path matching, new marks
// and duplicate names.

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "parserxml.h"
#include "testfiles.h"

using testfiles::readFile;
using testfiles::writeFile;

namespace {

// Every stored field has its own value, so a field stored in the wrong attribute shows.
HistoryRecord sampleRecord(const QString& path)
{
    // In declaration order: image, path, preference path, resolution, duration, size, created,
    // format, extension, title, artist, album, genre, extra, playlists, video, new.
    // clang-format off
    return HistoryRecord{"/covers/a.jpg", path, "/music/out", "0*0", "00:03:12", "4.50 MB",
                         "01-02-2020 10:00", "MP3", "mp3", "Song & \"Title\"", "Ärtist",
                         "Album", "Pop", QString(), QStringList(), false, true};
    // clang-format on
}

}  // namespace

class TestHistoryFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        testfiles::redirectUserFolders(m_root.path());
        m_history = ParserXML::historyFilePath();
    }

    void init()
    {
        // Every case starts with an empty settings folder.
        QDir(ParserXML::appDataFolder()).removeRecursively();
        ParserXML::appDataFolder();
    }

    void layoutAndRoundTrip()
    {
        HistoryRecord r = sampleRecord("/music/out/REC_1.mp3");
        r.extra = "not stored";
        r.listNames = QStringList{"Party", "Car"};
        ParserXML::addOrUpdateHistory(r);
        QCOMPARE(
            readFile(m_history),
            QByteArray("<ROOTITEM>\n"
                       "    <Path_item Converted_path_=\"/music/out/REC_1.mp3\">\n"
                       "        <CONVERTED_INFO_ Img_path_=\"/covers/a.jpg\" "
                       "Title_=\"Song &amp; &quot;Title&quot;\" Resolutin_=\"0*0\" "
                       "Time_=\"00:03:12\" Size_=\"4.50 MB\" Create_time_=\"01-02-2020 10:00\" "
                       "Format_=\"MP3\" Extend_=\"mp3\" Artist_=\"\xc3\x84rtist\" Album_=\"Album\" "
                       "Genre_=\"Pop\" preferencePath_=\"/music/out\" Video_file=\"N\" "
                       "New_file=\"Y\"/>\n"
                       "        <List_name ListName=\"Party\"/>\n"
                       "        <List_name ListName=\"Car\"/>\n"
                       "    </Path_item>\n"
                       "</ROOTITEM>\n"));

        HistoryRecord b = sampleRecord("/a/two.wav");
        b.isVideo = true;
        b.isNew = false;
        b.title = "line\nbreak\ttab";
        ParserXML::addOrUpdateHistory(b);
        const std::optional<HistoryRecord> found = ParserXML::findHistory("/a/two.wav");
        QVERIFY(found);
        QCOMPARE(*found, b);
        QCOMPARE(ParserXML::getPreferencePath("/music/out/REC_1.mp3"),
                 QStringLiteral("/music/out"));
        QVERIFY(!ParserXML::findHistory("/music/out/rec_1.mp3"));  // case-sensitive

        const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
        QCOMPARE(all.size(), 2);
        r.extra.clear();  // not stored
        QCOMPARE(all.at(0), r);
        QCOMPARE(all.at(1), b);
    }

    void updateKeepsOneItemAndSyncsListNames_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("three to none") << QStringList{"a", "b", "c"} << QStringList{};
        QTest::newRow("none to two") << QStringList{} << QStringList{"a", "b"};
        QTest::newRow("reordered") << QStringList{"a", "b"} << QStringList{"b", "a"};
    }

    void updateKeepsOneItemAndSyncsListNames()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        HistoryRecord r = sampleRecord("/m/x.mp3");
        r.listNames = before;
        ParserXML::addOrUpdateHistory(sampleRecord("/m/other.mp3"));
        ParserXML::addOrUpdateHistory(r);
        r.listNames = after;
        r.title = "changed";
        ParserXML::addOrUpdateHistory(r);

        const QByteArray file = readFile(m_history);
        QCOMPARE(file.count("<Path_item"), 2);
        QCOMPARE(file.count("<List_name"), after.size());
        const std::optional<HistoryRecord> found = ParserXML::findHistory("/m/x.mp3");
        QVERIFY(found);
        QCOMPARE(found->listNames, after);
        QCOMPARE(found->title, QStringLiteral("changed"));
    }

    void backslashLookups()
    {
        ParserXML::addOrUpdateHistory(sampleRecord("C:/Music/rec.mp3"));
        // Lookups treat '\' and '/' alike and return the path as asked.
        std::optional<HistoryRecord> found = ParserXML::findHistory("C:\\Music\\rec.mp3");
        QVERIFY(found);
        QCOMPARE(found->filePath, QStringLiteral("C:\\Music\\rec.mp3"));

        // Storing compares as stored: the '\' form is a second record.
        ParserXML::addOrUpdateHistory(sampleRecord("C:\\Music\\rec.mp3"));
        QCOMPARE(readFile(m_history).count("<Path_item"), 2);
        // Loading hands out '/' paths.
        const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(1).filePath, QStringLiteral("C:/Music/rec.mp3"));

        // A stored '\' path is found with '/', renamed and removed through either form.
        ParserXML::renameHistory("C:/Music/rec.mp3", "C:/Music/renamed.mp3");
        QVERIFY(ParserXML::findHistory("C:/Music/renamed.mp3"));
        ParserXML::removeHistory("C:\\Music\\renamed.mp3");
        ParserXML::removeHistory("C:/Music/rec.mp3");
        QVERIFY(!ParserXML::findHistory("C:/Music/rec.mp3"));
        QCOMPARE(readFile(m_history), QByteArray("<ROOTITEM/>\n"));
    }

    void newMarksClearedByLoad()
    {
        HistoryRecord fresh = sampleRecord("/n/new.mp3");
        HistoryRecord old = sampleRecord("/n/old.mp3");
        old.isNew = false;
        ParserXML::addOrUpdateHistory(old);
        ParserXML::addOrUpdateHistory(fresh);

        QVector<HistoryRecord> appended{sampleRecord("/already/there.mp3")};
        const QVector<HistoryRecord> first = ParserXML::loadAllHistory(&appended);
        QCOMPARE(first.size(), 2);
        QVERIFY(!first.at(0).isNew);
        QVERIFY(first.at(1).isNew);
        QCOMPARE(appended.size(), 3);
        QCOMPARE(appended.at(2).filePath, QStringLiteral("/n/new.mp3"));
        QVERIFY(!readFile(m_history).contains("New_file=\"Y\""));

        const QVector<HistoryRecord> second = ParserXML::loadAllHistory();
        QCOMPARE(second.size(), 2);
        QVERIFY(!second.at(1).isNew);
        fresh.isNew = false;
        QCOMPARE(second.at(1), fresh);
    }

    void removeAndRename()
    {
        ParserXML::addOrUpdateHistory(sampleRecord("/r/a.mp3"));
        ParserXML::addOrUpdateHistory(sampleRecord("/r/b.mp3"));
        const QByteArray before = readFile(m_history);
        const QDateTime stamp = QFileInfo(m_history).lastModified();

        // Without a match nothing is written at all.
        QTest::qSleep(20);
        ParserXML::removeHistory("/r/none.mp3");
        ParserXML::renameHistory("/r/none.mp3", "/r/x.mp3");
        QCOMPARE(readFile(m_history), before);
        QCOMPARE(QFileInfo(m_history).lastModified(), stamp);

        ParserXML::renameHistory("/r/a.mp3", "/r/c.mp3");
        ParserXML::removeHistory("/r/b.mp3");
        const QVector<HistoryRecord> all = ParserXML::loadAllHistory();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.at(0).filePath, QStringLiteral("/r/c.mp3"));
        QCOMPARE(all.at(0).title, sampleRecord("x").title);
    }

    // A damaged history is kept aside and replaced: see tst_storagerobustness.
    void missingHistory()
    {
        QVERIFY(ParserXML::loadAllHistory().isEmpty());
        QVERIFY(!ParserXML::findHistory("/x.mp3"));
        ParserXML::removeHistory("/x.mp3");
        QVERIFY(!QFileInfo::exists(m_history));
    }

    void playListNames()
    {
        // Without a file nothing is created.
        const QString path = ParserXML::playListFilePath();
        ParserXML::removePlayList("a");
        ParserXML::renamePlayList("a", "b");
        QVERIFY(!QFileInfo::exists(path));
        ParserXML::addPlayList("Party");
        ParserXML::addPlayList("Car & Bike");
        ParserXML::addPlayList("Work");
        QCOMPARE(ParserXML::readPlayListNames(), (QStringList{"Party", "Car & Bike", "Work"}));
        QCOMPARE(readFile(path), QByteArray("<ROOTITEM>\n"
                                            "    <List_name ListName=\"Party\"/>\n"
                                            "    <List_name ListName=\"Car &amp; Bike\"/>\n"
                                            "    <List_name ListName=\"Work\"/>\n"
                                            "</ROOTITEM>\n"));
        ParserXML::renamePlayList("Party", "Fiesta");
        ParserXML::removePlayList("work");  // exact comparison: nothing removed
        ParserXML::removePlayList("Car & Bike");
        QCOMPARE(ParserXML::readPlayListNames(), (QStringList{"Fiesta", "Work"}));
        ParserXML::removeAllPlayLists();
        QCOMPARE(ParserXML::readPlayListNames(), QStringList());
        QCOMPARE(readFile(path), QByteArray("<ROOTITEM/>\n"));
    }

    void duplicatePlayListNames()
    {
        ParserXML::addPlayList("Dup");
        ParserXML::addPlayList("Other");
        ParserXML::addPlayList("Dup");
        ParserXML::renamePlayList("Dup", "First");
        QCOMPARE(ParserXML::readPlayListNames(), (QStringList{"First", "Other", "Dup"}));
        ParserXML::addPlayList("Other");
        ParserXML::removePlayList("Other");
        QCOMPARE(ParserXML::readPlayListNames(), (QStringList{"First", "Dup", "Other"}));
    }

private:
    QTemporaryDir m_root;
    QString m_history;
};

QTEST_GUILESS_MAIN(TestHistoryFile)
#include "tst_historyfile.moc"
