// The playlists panel without sound: names of new playlists and their reuse, renames that
// collide or are refused, the menus of each kind of row, deleting one or all playlists, the
// playlist file at start (repeated names, a file that does not parse), dropping recordings
// onto a playlist and marking the entry that plays.

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "../widgets/widgettestutil.h"
#include "dragtestutil.h"
#include "parserxml.h"
#include "qaudiofilechunk.h"
#include "qlibrarychunk.h"
#include "qlibrarymodel.h"
#include "qlibraryplaylistwgt.h"
#include "qlibrarytableview.h"
#include "qnxbasebutton.h"
#include "qnxmenu.h"
#include "tablerows.h"
#include "testfiles.h"

using Panel = QLibraryPlayListWgt;

namespace {

void writePlayListFile(const QByteArray& content)
{
    QDir().mkpath(QFileInfo(ParserXML::playListFilePath()).path());
    QVERIFY(testfiles::writeFile(ParserXML::playListFilePath(), content));
}

QByteArray playListFile(const QStringList& names)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ROOTITEM>\n";
    for (const QString& name : names)
        xml += "<List_name ListName=\"" + name.toUtf8() + "\"/>\n";
    return xml + "</ROOTITEM>\n";
}

// The texts of the menu's actions, with "-" for a disabled one and separators left out.
QStringList menuEntries(QNxMenu* menu)
{
    QStringList entries;
    if (!menu)
        return entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            entries << (action->isEnabled() ? "" : "-") + action->text();
    }
    return entries;
}

QPoint rowCentre(Panel& panel, int row)
{
    const QModelIndex index = panel.view()->model()->index(row, 0);
    return panel.view()->visualRect(index).center();
}

QAction* menuAction(QNxMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Entries hold what the test puts in; the panel reads them through the function the
// recordings list would give it.
QMap<const QLibraryChunk*, QStringList> g_entries;

void addRecording(QLibraryChunk* entry, const QString& path)
{
    g_entries[entry] << path;
}

}  // namespace

using tablerows::addRow;

class TestPlayListPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        testfiles::redirectUserFolders(m_home.path());
        WidgetTest::useBuiltResources();
    }

    void init()
    {
        QFile::remove(ParserXML::playListFilePath());
        m_deleteQuestions = m_deleteAllQuestions = 0;
    }

    void newPlayListNames()
    {
        auto panel = makePanel();
        QSignalSpy modified(panel.get(), &Panel::emitPlayListsModified);
        for (int i = 0; i < 3; ++i)
            panel->OnAddNewList();
        const QStringList three = {"New PlayList_00", "New PlayList_01", "New PlayList_02"};
        QCOMPARE(panel->playListNames(), three);
        QCOMPARE(ParserXML::readPlayListNames(), three);
        QCOMPARE(modified.count(), 3);
        QCOMPARE(panel->currentChunk(), panel->playList("New PlayList_02"));

        // The first name is free again once its playlist is gone.
        m_deleteAnswer = Panel::DeleteChoice::Remove;
        panel->selectChunk(panel->playList("New PlayList_00"));
        panel->OnActDeleteList();
        panel->OnAddNewList();
        const QStringList reused = {"New PlayList_01", "New PlayList_02", "New PlayList_00"};
        QCOMPARE(panel->playListNames(), reused);
        QCOMPARE(ParserXML::readPlayListNames(), reused);

        // The header's button adds one too.
        panel->addListButton()->click();
        QCOMPARE(panel->playListNames().last(), QStringLiteral("New PlayList_03"));
    }

    void rename_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");  // the first playlist's name afterwards

        const QStringList two = {"Road", "Rain"};
        addRow("free name", two, "Drive", "Drive");
        addRow("another's name", two, "Rain", "Rain(1)");
        addRow("counter goes on", QStringList{"Road", "Rain", "Rain(1)"}, "Rain", "Rain(2)");
        addRow("a fixed entry's name", two, "All Recordings", "All Recordings(1)");
        addRow("own name", two, "Road", "Road");
        addRow("question mark", two, "Why?", "Road");
        addRow("backslash", two, "a\\b", "Road");
        addRow("slash", two, "a/b", "Road");
        addRow("empty", two, "", "Road");
        addRow("non-Latin", two, QStringLiteral("Летняя ночь"), QStringLiteral("Летняя ночь"));
    }

    void rename()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        writePlayListFile(playListFile(existing));
        auto panel = makePanel();
        QSignalSpy renamed(panel.get(), &Panel::emitChangePlayListName);
        const int row = Panel::PlayListHeader + 1;
        panel->OnRename(panel->model()->index(row, 0), title);

        QStringList names = existing;
        names[0] = expected;
        QCOMPARE(panel->playListNames(), names);
        QCOMPARE(ParserXML::readPlayListNames(), names);
        if (expected == existing[0]) {
            QCOMPARE(renamed.count(), 0);
        } else {
            QCOMPARE(renamed.count(), 1);
            QCOMPARE(renamed[0][0].toString(), existing[0]);
            QCOMPARE(renamed[0][1].toString(), expected);
            QCOMPARE(panel->model()->index(row, 0).data(Qt::ToolTipRole).toString(), expected);
        }
    }

    void menus_data()
    {
        QTest::addColumn<int>("row");  // -1: below every row
        QTest::addColumn<int>("recordings");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QStringList>("entries");  // "-" marks a disabled entry

        const int playlist = Panel::PlayListHeader + 1;
        addRow("all recordings", int(Panel::AllRecordings), 2, false, QStringList{"Play"});
        addRow("latest, empty", int(Panel::LatestRecordings), 0, false, QStringList{"-Play"});
        addRow("all recordings, busy", int(Panel::AllRecordings), 2, true, QStringList{"-Play"});
        QTest::newRow("library header") << int(Panel::LibraryHeader) << 0 << false << QStringList{};
        QTest::newRow("spacer") << int(Panel::Spacer) << 0 << false << QStringList{};
        addRow("playlist header", int(Panel::PlayListHeader), 0, false, QStringList{});
        addRow("playlist", playlist, 1, false,
               QStringList{"Play", "Rename", "Add New Playist", "&Delete", "Delete All"});
        addRow("empty playlist", playlist, 0, false,
               QStringList{"-Play", "Rename", "Add New Playist", "&Delete", "Delete All"});
        addRow("playlist, busy", playlist, 1, true,
               QStringList{"-Play", "-Rename", "Add New Playist", "-&Delete", "-Delete All"});
        addRow("no row", -1, 0, false,
               QStringList{"-Play", "-Rename", "Add New Playist", "-&Delete", "Delete All"});
    }

    void menus()
    {
        QFETCH(int, row);
        QFETCH(int, recordings);
        QFETCH(bool, busy);
        QFETCH(QStringList, entries);
        writePlayListFile(playListFile({"Road"}));
        auto panel = makePanel();
        for (int i = 0; i < recordings; ++i)
            addRecording(panel->chunkAt(row), QStringLiteral("/music/%1.mp3").arg(i));
        panel->setBusy(busy);
        const QPoint at =
            row >= 0 ? rowCentre(*panel, row) : QPoint(10, panel->view()->viewport()->height() - 5);
        QCOMPARE(menuEntries(panel->tableMenuAt(at)), entries);
    }

    void deleteOne_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("deleteFiles");
        QTest::addColumn<int>("removeList");
        QTest::newRow("cancel") << int(Panel::DeleteChoice::Cancel) << 0 << 0;
        QTest::newRow("delete") << int(Panel::DeleteChoice::Delete) << 1 << 0;
        QTest::newRow("remove") << int(Panel::DeleteChoice::Remove) << 0 << 1;
    }

    void deleteOne()
    {
        QFETCH(int, answer);
        QFETCH(int, deleteFiles);
        QFETCH(int, removeList);
        writePlayListFile(playListFile({"Road", "Rain", "Snow"}));
        auto panel = makePanel();
        m_deleteAnswer = Panel::DeleteChoice(answer);
        QSignalSpy deleted(panel.get(), &Panel::emitDeleteFilesOfCurList);
        QSignalSpy removed(panel.get(), &Panel::emitRemoveCurPlayList);
        QSignalSpy chosen(panel.get(), &Panel::emitCurrentListChanged);
        QLibraryChunk* rain = panel->playList("Rain");
        panel->selectChunk(rain);

        // Through the menu of the row, as the user does.
        QNxMenu* menu = panel->tableMenuAt(rowCentre(*panel, Panel::PlayListHeader + 2));
        menuAction(menu, "&Delete")->trigger();
        QCOMPARE(m_deleteQuestions, 1);
        QCOMPARE(deleted.count(), deleteFiles);
        QCOMPARE(removed.count(), removeList);
        if (deleteFiles + removeList == 0) {
            QCOMPARE(panel->playListNames(), (QStringList{"Road", "Rain", "Snow"}));
            return;
        }
        const QSignalSpy& sent = deleteFiles ? deleted : removed;
        QCOMPARE(sent[0][0].value<IBaseChunk*>(), static_cast<IBaseChunk*>(rain));
        QCOMPARE(panel->playListNames(), (QStringList{"Road", "Snow"}));
        QCOMPARE(ParserXML::readPlayListNames(), (QStringList{"Road", "Snow"}));
        // The playlist above takes its place in the list.
        QCOMPARE(panel->currentChunk(), panel->playList("Road"));
        QCOMPARE(chosen.last()[0].value<IBaseChunk*>(),
                 static_cast<IBaseChunk*>(panel->playList("Road")));
    }

    void deleteAll()
    {
        auto panel = makePanel();
        QSignalSpy removedAll(panel.get(), &Panel::emitRemoveAllPlayLists);
        QSignalSpy modified(panel.get(), &Panel::emitPlayListsModified);
        const int fixedRows = panel->rowCount();

        // Without playlists it still asks, and then nothing changes.
        m_deleteAllAnswer = true;
        panel->OnActDeleteAllLists();
        QCOMPARE(m_deleteAllQuestions, 1);
        QCOMPARE(panel->rowCount(), fixedRows);
        QCOMPARE(removedAll.count(), 0);
        QCOMPARE(modified.count(), 0);

        panel->OnAddNewList();
        panel->OnAddNewList();
        modified.clear();
        m_deleteAllAnswer = false;
        panel->OnActDeleteAllLists();
        QCOMPARE(panel->playListNames().size(), 2);

        m_deleteAllAnswer = true;
        panel->OnActDeleteAllLists();
        QCOMPARE(removedAll.count(), 1);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(panel->rowCount(), fixedRows);
        QVERIFY(ParserXML::readPlayListNames().isEmpty());
        QCOMPARE(panel->currentChunk(), panel->fixedChunk(Panel::AllRecordings));
    }

    void loadsPlayListFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");
        addRow("in file order", playListFile({"Zebra", "Apple", "Mango"}),
               QStringList{"Zebra", "Apple", "Mango"});
        addRow("repeated and empty names", playListFile({"A", "", "B", "A"}),
               QStringList{"A", "B"});
        addRow("does not parse", QByteArray("<ROOTITEM><List_name ListName=\"A\""), QStringList{});
    }

    void loadsPlayListFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        writePlayListFile(file);
        auto panel = makePanel();
        QCOMPARE(panel->playListNames(), rows);
        QCOMPARE(panel->rowCount(), Panel::PlayListHeader + 1 + rows.size());
        // A new playlist after a file that did not parse is kept again.
        panel->OnAddNewList();
        QCOMPARE(ParserXML::readPlayListNames().last(), QStringLiteral("New PlayList_00"));
    }

    void dropOntoPlayList()
    {
        writePlayListFile(playListFile({"Road"}));
        auto panel = makePanel();
        QStringList received;
        connect(panel.get(), &Panel::emitAddAudioToList, this,
                [&](const QString& name, const QList<IBaseChunk*>& items) {
                    received << name;
                    for (const IBaseChunk* item : items)
                        received << QString::fromStdString(
                            dynamic_cast<const QAudioFileChunk*>(item)->filePath());
                });
        const QStringList dragged = {"/music/c.ogg", QStringLiteral("/music/Ünïcode ☂.mp3")};

        const auto drop = [&](int row) {
            return DragTest::dropRecordings(panel->view()->viewport(), rowCentre(*panel, row),
                                            dragged);
        };
        QVERIFY(!drop(Panel::AllRecordings));
        QVERIFY(!drop(Panel::PlayListHeader));
        QVERIFY(received.isEmpty());

        QVERIFY(drop(Panel::PlayListHeader + 1));
        QCOMPARE(received, QStringList{"Road"} + dragged);
    }

    void playsWholeEntry()
    {
        writePlayListFile(playListFile({"Road"}));
        auto panel = makePanel();
        QLibraryChunk* road = panel->playList("Road");
        QLibraryChunk* all = panel->fixedChunk(Panel::AllRecordings);
        addRecording(road, "/music/a.mp3");
        addRecording(all, "/music/a.mp3");
        QSignalSpy playing(panel.get(), &Panel::emitPlayingLibChunk);
        const QModelIndex roadIndex = panel->model()->index(Panel::PlayListHeader + 1, 0);
        const auto iconKey = [&] {
            return roadIndex.data(Qt::DecorationRole).value<QPixmap>().cacheKey();
        };
        const qint64 idleIcon = iconKey();

        menuAction(panel->tableMenuAt(rowCentre(*panel, Panel::PlayListHeader + 1)), "Play")
            ->trigger();
        QCOMPARE(playing.count(), 1);
        QCOMPARE(playing[0][0].value<IBaseChunk*>(), static_cast<IBaseChunk*>(road));
        QVERIFY(road->isPlaying());
        QVERIFY(iconKey() != idleIcon);

        // Another entry takes the playing mark over; the end of the list clears it.
        menuAction(panel->tableMenuAt(rowCentre(*panel, Panel::AllRecordings)), "Play")->trigger();
        QVERIFY(!road->isPlaying());
        QVERIFY(all->isPlaying());
        panel->OnFinishPlayList();
        QVERIFY(!all->isPlaying());
        QCOMPARE(panel->playingChunk(), nullptr);

        // Playing the old list again starts the entry played last.
        panel->OnPlayOldList();
        QCOMPARE(playing.count(), 3);
        QCOMPARE(playing.last()[0].value<IBaseChunk*>(), static_cast<IBaseChunk*>(all));
        QCOMPARE(panel->playingChunk(), all);
    }

private:
    std::unique_ptr<Panel> makePanel();
    QTemporaryDir m_home;
    int m_deleteQuestions = 0;
    Panel::DeleteChoice m_deleteAnswer = Panel::DeleteChoice::Cancel;
    int m_deleteAllQuestions = 0;
    bool m_deleteAllAnswer = false;
};

std::unique_ptr<Panel> TestPlayListPanel::makePanel()
{
    g_entries.clear();
    auto panel = std::make_unique<Panel>();
    panel->setEntryRecordings([](const QLibraryChunk* entry) { return g_entries.value(entry); });
    panel->setDeleteQuestion([this](QWidget*) {
        ++m_deleteQuestions;
        return m_deleteAnswer;
    });
    panel->setDeleteAllQuestion([this](QWidget*) {
        ++m_deleteAllQuestions;
        return m_deleteAllAnswer;
    });
    panel->resize(220, 600);
    panel->show();
    return panel;
}

QTEST_MAIN(TestPlayListPanel)
#include "tst_playlistpanel.moc"
