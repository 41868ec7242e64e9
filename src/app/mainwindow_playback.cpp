// The playback side of the main window: the playlists panel at the left, the play bar at the
// bottom, the bar published as the desktop's media player, and the connections between them.

#include "mainwindow.h"

#include <QDebug>
#include <QVBoxLayout>

#include "desktopservices.h"
#include "playcontrolremote.h"
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
