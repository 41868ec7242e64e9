#include "playcontrolremote.h"

#include <QFileInfo>

#include "nxqplayobject.h"
#include "parserxml.h"
#include "qplaycontrolwgt.h"

PlayControlRemote::PlayControlRemote(QPlayControlWgt& bar, QObject* parent)
    : MediaPlayerControl(parent), m_bar(bar)
{
    m_state = state();
    m_capabilities = capabilities();
    m_volume = volume();
    connect(&m_bar, &QPlayControlWgt::emitPlaybackChanged, this, &PlayControlRemote::queueRefresh);
}

// One step of the bar (load, then play) passes through states of its own; reporting once the
// step is done keeps those out of the desktop's view.
void PlayControlRemote::queueRefresh()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            refresh();
        },
        Qt::QueuedConnection);
}

MediaPlayerControl::State PlayControlRemote::state() const
{
    if (m_bar.currentPath().isEmpty())
        return State::Stopped;
    return m_bar.isPlaying() ? State::Playing : State::Paused;
}

quint64 PlayControlRemote::positionUs() const
{
    return m_bar.currentPath().isEmpty() ? 0 : m_bar.player()->position();
}

double PlayControlRemote::volume() const
{
    return m_bar.volume() / 100.0;
}

PlayControlRemote::Capabilities PlayControlRemote::capabilities() const
{
    const bool listed = !m_bar.playList().isEmpty();
    const bool loaded = !m_bar.currentPath().isEmpty();
    return {listed, loaded, listed, listed, loaded};
}

bool PlayControlRemote::canPlay() const
{
    return capabilities().play;
}

bool PlayControlRemote::canPause() const
{
    return capabilities().pause;
}

bool PlayControlRemote::canGoNext() const
{
    return capabilities().next;
}

bool PlayControlRemote::canGoPrevious() const
{
    return capabilities().previous;
}

bool PlayControlRemote::canSeek() const
{
    return capabilities().seek && m_bar.player()->duration() > 0;
}

void PlayControlRemote::play()
{
    if (!m_bar.isPlaying())
        m_bar.OnBtnPlay();
}

void PlayControlRemote::pause()
{
    if (m_bar.isPlaying())
        m_bar.OnBtnPause();
}

void PlayControlRemote::playPause()
{
    if (m_bar.isPlaying())
        m_bar.OnBtnPause();
    else
        m_bar.OnBtnPlay();
}

// The bar has no stop of its own: stopping is pausing and going back to the start.
void PlayControlRemote::stop()
{
    pause();
    if (!m_bar.currentPath().isEmpty())
        seekTo(0);
}

void PlayControlRemote::next()
{
    m_bar.OnNext();
}

void PlayControlRemote::previous()
{
    m_bar.OnPrevious();
}

void PlayControlRemote::seekTo(quint64 positionUs)
{
    if (m_bar.currentPath().isEmpty())
        return;
    NxQPlayObject* player = m_bar.player();
    const quint64 duration = player->duration();
    positionUs = qMin(positionUs, duration);
    player->setPlayerSeek(positionUs);
    m_bar.OnSetPlayProgress(duration ? double(positionUs) / double(duration) : 0.0);
    emit emitSeeked(positionUs);
}

void PlayControlRemote::setVolume(double volume)
{
    m_bar.setVolumeRatio(volume);
}

MediaPlayerControl::Track PlayControlRemote::trackOf(const QString& filePath) const
{
    Track track;
    if (filePath.isEmpty())
        return track;
    track.id = filePath;
    track.filePath = filePath;
    track.title = QFileInfo(filePath).completeBaseName();
    if (const std::optional<HistoryRecord> record = ParserXML::findHistory(filePath)) {
        if (!record->title.isEmpty())
            track.title = record->title;
        track.artist = record->artist;
        track.album = record->album;
    }
    track.lengthUs = m_bar.player()->duration();
    return track;
}

void PlayControlRemote::refresh()
{
    if (m_bar.currentPath() != m_track.filePath) {
        m_track = trackOf(m_bar.currentPath());
        emit emitTrackChanged();
    }
    if (const State now = state(); now != m_state) {
        m_state = now;
        emit emitStateChanged();
    }
    if (const Capabilities now = capabilities(); now != m_capabilities) {
        m_capabilities = now;
        emit emitCapabilitiesChanged();
    }
    if (const double now = volume(); now != m_volume) {
        m_volume = now;
        emit emitVolumeChanged();
    }
}
