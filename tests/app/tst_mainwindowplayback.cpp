// The playlists panel, the recordings list and the play bar together in the main window,
// playing real files through the private sound server: choosing an entry fills the list,
// recordings dropped onto a playlist join it, playing a whole playlist runs through the bar
// to its end with the list and the panel marking what plays, a row of the list plays in the
// bar, and while a recording runs nothing plays and the panel is busy.

#include <QTemporaryDir>

#include "../playback/dragtestutil.h"
#include "listentry.h"
#include "mainwindowtestkit.h"
#include "qaudiofilechunk.h"
#include "qaudiofilemodel.h"
#include "qaudiofilesortmodel.h"
#include "qaudiofiletableview.h"
#include "qfilelistwgt.h"
#include "qlibrarychunk.h"
#include "qlibrarymodel.h"
#include "qlibraryplaylistwgt.h"
#include "qlibrarytableview.h"
#include "qnxmenu.h"
#include "qplaycontrolwgt.h"
#include "testmedia.h"

using namespace windowtest;

namespace {

constexpr int kPlayTimeoutMs = 60000;
const int kRoadRow = QLibraryPlayListWgt::PlayListHeader + 1;

QPoint rowCentre(QLibraryPlayListWgt* panel, int row)
{
    return panel->view()->visualRect(panel->view()->model()->index(row, 0)).center();
}

void dropOnto(QLibraryPlayListWgt* panel, int row, const QStringList& paths)
{
    DragTest::dropRecordings(panel->view()->viewport(), rowCentre(panel, row), paths);
}

QString pathAt(QFileListWgt* list, int row)
{
    const IBaseChunk* item = list->sortModel()->itemAt(list->sortModel()->index(row, 0));
    return QString::fromStdString(dynamic_cast<const QAudioFileChunk&>(*item).filePath());
}

QStringList listedPaths(QFileListWgt* list)
{
    QStringList paths;
    for (int row = 0; row < list->sortModel()->rowCount(); ++row)
        paths << pathAt(list, row);
    return paths;
}

int rowStateOf(QFileListWgt* list, const QString& path)
{
    for (const QAudioFileChunk* item : list->library().entryItems(ListEntry::all())) {
        if (QString::fromStdString(item->filePath()) == path)
            return item->rowState();
    }
    return -1;
}

}  // namespace

class TestMainWindowPlayback : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void entriesFillTheList();
    void playListPlaysThrough();
    void rowOfTheListPlaysInTheBar();
    void recordingKeepsPlaybackOff();

private:
    QString outputFolder() const { return m_root.path() + "/out"; }

    QTemporaryDir m_root;
    Fixture m_fixture;
    QStringList m_files;
};

void TestMainWindowPlayback::initTestCase()
{
    QVERIFY2(testmedia::pulseAvailable(), "the private sound server is not running");
    QVERIFY(m_root.isValid());
    setUpProcess(m_root.path());
    for (int i = 0; i < 3; ++i) {
        m_files << m_root.path() + QStringLiteral("/media/take%1.wav").arg(i);
        QDir().mkpath(m_root.path() + "/media");
        QVERIFY(testmedia::makeTone(m_files.last(), 300.0 + 100 * i, 0.4));
    }
}

// Three recordings in the history, the first one in the playlist "Road".
void TestMainWindowPlayback::init()
{
    resetStorage(outputFolder());
    QFile::remove(ParserXML::playListFilePath());
    ParserXML::addPlayList(QStringLiteral("Road"));
    for (int i = 0; i < m_files.size(); ++i) {
        HistoryRecord record;
        record.filePath = m_files[i];
        record.duration = QStringLiteral("00:00:00");
        record.createTime = QStringLiteral("06-12-2026 08:0%1").arg(i);
        if (i == 0)
            record.listNames = QStringList{"Road"};
        QVERIFY(ParserXML::addOrUpdateHistory(record));
    }
}

void TestMainWindowPlayback::cleanup()
{
    m_fixture.window.reset();
}

void TestMainWindowPlayback::entriesFillTheList()
{
    MainWindow* w = m_fixture.open();
    QLibraryPlayListWgt* panel = w->playListPanel();
    QFileListWgt* list = w->fileList();
    QCOMPARE(panel->playListNames(), QStringList{"Road"});

    panel->selectChunk(panel->playList("Road"));
    QCOMPARE(list->shownEntry(), ListEntry::playListNamed("Road"));
    QCOMPARE(list->sortModel()->rowCount(), 1);

    dropOnto(panel, kRoadRow, {m_files[2]});
    QCOMPARE(list->sortModel()->rowCount(), 2);
    QCOMPARE(ParserXML::findHistory(m_files[2])->listNames, QStringList{"Road"});
    QCOMPARE(panel->recordingsOf(panel->playList("Road")).size(), 2);

    panel->selectChunk(panel->fixedChunk(QLibraryPlayListWgt::AllRecordings));
    QCOMPARE(list->shownEntry(), ListEntry::all());
    QCOMPARE(list->sortModel()->rowCount(), 3);

    // A renamed playlist keeps its recordings.
    panel->OnRename(panel->model()->index(kRoadRow, 0), QStringLiteral("Trip"));
    QCOMPARE(ParserXML::findHistory(m_files[0])->listNames, QStringList{"Trip"});
    panel->selectChunk(panel->playList("Trip"));
    QCOMPARE(list->sortModel()->rowCount(), 2);
}

void TestMainWindowPlayback::playListPlaysThrough()
{
    MainWindow* w = m_fixture.open();
    QLibraryPlayListWgt* panel = w->playListPanel();
    QPlayControlWgt* bar = w->playBar();
    dropOnto(panel, kRoadRow, {m_files[1]});
    QSignalSpy playing(bar, &QPlayControlWgt::emitPlayingFilePath);
    QSignalSpy finished(bar, &QPlayControlWgt::emitFinishPlay);

    QNxMenu* menu = panel->tableMenuAt(rowCentre(panel, kRoadRow));
    QVERIFY(menu);
    QAction* play = menu->actions().first();
    QCOMPARE(play->text(), QStringLiteral("Play"));
    QVERIFY(play->isEnabled());
    play->trigger();
    QVERIFY(bar->isPlaying());
    QCOMPARE(panel->playingChunk(), panel->playList("Road"));
    QCOMPARE(rowStateOf(w->fileList(), bar->currentPath()), int(QAudioFileChunk::Playing));

    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPlayTimeoutMs);
    QCOMPARE(playing.count(), 2);
    QCOMPARE(QSet<QString>({playing[0][0].toString(), playing[1][0].toString()}),
             QSet<QString>({m_files[0], m_files[1]}));
    QCOMPARE(panel->playingChunk(), nullptr);
    QCOMPARE(rowStateOf(w->fileList(), m_files[0]), int(QAudioFileChunk::Idle));
    QCOMPARE(rowStateOf(w->fileList(), m_files[1]), int(QAudioFileChunk::Idle));
}

void TestMainWindowPlayback::rowOfTheListPlaysInTheBar()
{
    MainWindow* w = m_fixture.open();
    QFileListWgt* list = w->fileList();
    QPlayControlWgt* bar = w->playBar();
    const QModelIndex row = list->sortModel()->index(1, 0);
    const QString path = pathAt(list, 1);
    list->OnPlayItem(row);
    QCOMPARE(bar->currentPath(), path);
    QVERIFY(bar->isPlaying());
    QCOMPARE(bar->playList(), listedPaths(list));
    QCOMPARE(rowStateOf(list, path), int(QAudioFileChunk::Playing));

    list->OnPauseItem(row);
    QVERIFY(!bar->isPlaying());
    QCOMPARE(rowStateOf(list, path), int(QAudioFileChunk::Paused));
}

void TestMainWindowPlayback::recordingKeepsPlaybackOff()
{
    MainWindow* w = m_fixture.open();
    QLibraryPlayListWgt* panel = w->playListPanel();
    QPlayControlWgt* bar = w->playBar();
    bar->OnSetPlayList(m_files);
    bar->OnBtnPlay();
    QVERIFY(bar->isPlaying());

    w->OnBtnStart();
    QVERIFY(w->isRecording());
    QVERIFY(!bar->isPlaying());
    QVERIFY(panel->isBusy());
    QVERIFY(!panel->tableMenuAt(rowCentre(panel, QLibraryPlayListWgt::AllRecordings))
                 ->actions()
                 .first()
                 ->isEnabled());
    w->OnBtnStop();
    QVERIFY(!panel->isBusy());
    QVERIFY(panel->tableMenuAt(rowCentre(panel, QLibraryPlayListWgt::AllRecordings))
                ->actions()
                .first()
                ->isEnabled());
}

QTEST_MAIN(TestMainWindowPlayback)
#include "tst_mainwindowplayback.moc"
