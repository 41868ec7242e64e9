// The playback side of the main window: the playlists panel at the left, the play bar at the
// bottom, the bar published as the desktop's media player, and the connections between them
// and the recordings list: the panel chooses what the list shows and takes recordings into
// playlists, the list's play requests reach the bar, the bar reports back what plays.

#include "mainwindow.h"

#include <QDebug>
#include <QVBoxLayout>

#include "desktopservices.h"
#include "listentry.h"
#include "playcontrolremote.h"
#include "qfilelistwgt.h"
#include "qlibrarychunk.h"
#include "qlibraryplaylistwgt.h"
#include "qnxwidget.h"
#include "qplaycontrolwgt.h"
#include "remoteplayerservice.h"

namespace {

// Puts `child` into `area` edge to edge.
void fill(QWidget* area, QWidget* child)
{
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
}

}  // namespace

void MainWindow::buildPlayback()
{
    m_playLists = new QLibraryPlayListWgt;
    fill(m_playlistArea, m_playLists);
    m_playBar = new QPlayControlWgt;
    fill(m_playerArea, m_playBar);

    connect(m_playLists, &QLibraryPlayListWgt::emitPlayingLibChunk, this,
            &MainWindow::playLibraryEntry);
    connect(m_playBar, &QPlayControlWgt::emitFinishPlay, m_playLists,
            &QLibraryPlayListWgt::OnFinishPlayList);
    connectPlayListsToList();
    connectListToPlayBar();

    m_playRemote = new PlayControlRemote(*m_playBar, this);
    if (m_services.publishPlayer) {
        m_remotePlayer = m_services.publishPlayer(*m_playRemote);
    } else {
        m_remotePlayer = DesktopServices::publishPlayer(
            *m_playRemote, [this] { OnShowDlg(); }, nullptr);
    }
    if (m_remotePlayer && !m_remotePlayer->isPublished())
        qInfo().noquote() << "Media keys unavailable:" << m_remotePlayer->errorString();
}

void MainWindow::connectPlayListsToList()
{
    QFileListWgt* list = m_fileList;
    m_playLists->setEntryRecordings([list](const QLibraryChunk* entry) {
        QStringList paths;
        for (const QAudioFileChunk* item :
             list->library().entryItems(ListEntry::fromLibraryChunk(entry)))
            paths << QString::fromStdString(item->filePath());
        return paths;
    });
    connect(m_playLists, &QLibraryPlayListWgt::emitCurrentListChanged, list,
            [list](IBaseChunk* item) { list->OnChangeList(static_cast<QLibraryChunk*>(item)); });
    connect(m_playLists, &QLibraryPlayListWgt::emitPlayListsModified, list,
            &QFileListWgt::OnPlayListsModified);
    // The list acts on the entry it shows; a playlist removed from its menu may be another.
    connect(m_playLists, &QLibraryPlayListWgt::emitRemoveCurPlayList, list,
            [list](IBaseChunk* item) {
                list->showEntry(ListEntry::fromLibraryChunk(static_cast<QLibraryChunk*>(item)));
                list->OnRemoveCurPlayList();
            });
    connect(m_playLists, &QLibraryPlayListWgt::emitDeleteFilesOfCurList, list,
            [list](IBaseChunk* item) {
                list->showEntry(ListEntry::fromLibraryChunk(static_cast<QLibraryChunk*>(item)));
                list->OnDeleteFilesOfCurList();
            });
    connect(m_playLists, &QLibraryPlayListWgt::emitRemoveAllPlayLists, list,
            &QFileListWgt::OnRemoveAllPlayLists);
    connect(m_playLists, &QLibraryPlayListWgt::emitAddAudioToList, list,
            &QFileListWgt::OnAddToList);
    connect(m_playLists, &QLibraryPlayListWgt::emitChangePlayListName, list,
            &QFileListWgt::OnChangeLibraryListName);
}

void MainWindow::connectListToPlayBar()
{
    QFileListWgt* list = m_fileList;
    QPlayControlWgt* bar = m_playBar;
    connect(list, &QFileListWgt::emitPlayFilePathList, bar, &QPlayControlWgt::OnSetPlayList);
    connect(list, &QFileListWgt::emitPlayingFilePath, bar, &QPlayControlWgt::playFile);
    // Through the buttons' slots, so that the list hears back whether the file plays.
    connect(list, &QFileListWgt::emitPlayOrPause, bar,
            [bar](bool play) { play ? bar->OnBtnPlay() : bar->OnBtnPause(); });
    connect(list, &QFileListWgt::emitRenameAudioFile, bar, &QPlayControlWgt::OnRenameAudioFile);
    connect(list, &QFileListWgt::emitRemovePlayFiles, bar, &QPlayControlWgt::OnRemoveFiles);
    connect(list, &QFileListWgt::emitRemoveAllPlayFiles, bar, &QPlayControlWgt::OnRemoveAllFiles);
    connect(list, &QFileListWgt::emitCloseFileIfIsPlaying, bar,
            &QPlayControlWgt::OnCloseFileIfIsPlaying);
    connect(list, &QFileListWgt::emitContinuePlayAfterEdit, bar,
            &QPlayControlWgt::OnContinuePlayAfterEdit);
    connect(bar, &QPlayControlWgt::emitPlayingFilePath, list, &QFileListWgt::OnChangPlayingFile);
    connect(bar, &QPlayControlWgt::emitPlayOrPauseState, list,
            &QFileListWgt::OnSetPlayOrPauseState);
    connect(bar, &QPlayControlWgt::emitFinishPlay, list, &QFileListWgt::OnFinishPlayList);
}

// A whole entry of the playlists panel plays from its first recording, in the entry's order.
void MainWindow::playLibraryEntry(IBaseChunk* item)
{
    const QStringList paths = m_playLists->recordingsOf(dynamic_cast<QLibraryChunk*>(item));
    if (paths.isEmpty() || m_bRecording)
        return;
    m_playBar->OnRemoveAllFiles();
    m_playBar->OnSetPlayList(paths);
    m_playBar->OnBtnPlay();
}

void MainWindow::setPlaybackRecordingState(bool recording)
{
    m_playLists->setBusy(recording);
    if (recording && m_playBar->isPlaying())
        m_playBar->OnBtnPause();
}
