#include "mprisplayeradaptor.h"

#include "mediaplayercontrol.h"
#include "mprisservice.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QUrl>

namespace {

const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

QString statusText(MediaPlayerControl::State state)
{
    switch (state) {
        case MediaPlayerControl::State::Playing:
            return QStringLiteral("Playing");
        case MediaPlayerControl::State::Paused:
            return QStringLiteral("Paused");
        case MediaPlayerControl::State::Stopped:
            break;
    }
    return QStringLiteral("Stopped");
}

}  // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service), m_service(service), m_control(service->control())
{
    const QString player = QString::fromLatin1(kInterface);
    connect(&m_control, &MediaPlayerControl::emitStateChanged, this, [this, player] {
        m_service->announce(player, {{QStringLiteral("PlaybackStatus"), playbackStatus()}});
    });
    connect(&m_control, &MediaPlayerControl::emitTrackChanged, this, [this, player] {
        m_service->announce(player, {{QStringLiteral("Metadata"), metadata()}});
    });
    connect(&m_control, &MediaPlayerControl::emitVolumeChanged, this, [this, player] {
        m_service->announce(player, {{QStringLiteral("Volume"), volume()}});
    });
    connect(&m_control, &MediaPlayerControl::emitCapabilitiesChanged, this,
            &MprisPlayerAdaptor::announceCapabilities);
    connect(&m_control, &MediaPlayerControl::emitSeeked, this,
            [this](quint64 positionUs) { emit Seeked(qlonglong(positionUs)); });
}

void MprisPlayerAdaptor::announceCapabilities()
{
    m_service->announce(QString::fromLatin1(kInterface),
                        {{QStringLiteral("CanGoNext"), canGoNext()},
                         {QStringLiteral("CanGoPrevious"), canGoPrevious()},
                         {QStringLiteral("CanPlay"), canPlay()},
                         {QStringLiteral("CanPause"), canPause()},
                         {QStringLiteral("CanSeek"), canSeek()}});
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return statusText(m_control.state());
}

QDBusObjectPath MprisPlayerAdaptor::trackPath() const
{
    const MediaPlayerControl::Track track = m_control.currentTrack();
    if (!track.isValid())
        return QDBusObjectPath(kNoTrack);
    // Object paths allow only [A-Za-z0-9_] in an element; a digest of the id fits.
    const QByteArray digest =
        QCryptographicHash::hash(track.id.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/quillon/track_") +
                           QString::fromLatin1(digest));
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    const MediaPlayerControl::Track track = m_control.currentTrack();
    QVariantMap map{{QStringLiteral("mpris:trackid"), QVariant::fromValue(trackPath())}};
    if (!track.isValid())
        return map;
    map.insert(QStringLiteral("xesam:title"), track.title);
    if (!track.artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{track.artist});
    if (!track.album.isEmpty())
        map.insert(QStringLiteral("xesam:album"), track.album);
    if (track.lengthUs > 0)
        map.insert(QStringLiteral("mpris:length"), qlonglong(track.lengthUs));
    if (!track.filePath.isEmpty())
        map.insert(QStringLiteral("xesam:url"),
                   QUrl::fromLocalFile(track.filePath).toString(QUrl::FullyEncoded));
    return map;
}

double MprisPlayerAdaptor::volume() const
{
    return m_control.volume();
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_control.setVolume(qBound(0.0, volume, 1.0));
}

qlonglong MprisPlayerAdaptor::position() const
{
    return qlonglong(m_control.positionUs());
}

bool MprisPlayerAdaptor::canGoNext() const
{
    return m_control.canGoNext();
}

bool MprisPlayerAdaptor::canGoPrevious() const
{
    return m_control.canGoPrevious();
}

bool MprisPlayerAdaptor::canPlay() const
{
    return m_control.canPlay();
}

bool MprisPlayerAdaptor::canPause() const
{
    return m_control.canPause();
}

bool MprisPlayerAdaptor::canSeek() const
{
    return m_control.canSeek();
}

void MprisPlayerAdaptor::Next()
{
    if (canGoNext())
        m_control.next();
}

void MprisPlayerAdaptor::Previous()
{
    if (canGoPrevious())
        m_control.previous();
}

void MprisPlayerAdaptor::Pause()
{
    if (canPause())
        m_control.pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    const bool playing = m_control.state() == MediaPlayerControl::State::Playing;
    if (playing ? canPause() : canPlay())
        m_control.playPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_control.stop();
}

void MprisPlayerAdaptor::Play()
{
    if (canPlay())
        m_control.play();
}

void MprisPlayerAdaptor::Seek(qlonglong offsetUs)
{
    if (!canSeek())
        return;
    const qlonglong length = qlonglong(m_control.currentTrack().lengthUs);
    const qlonglong target = qMax<qlonglong>(0, position() + offsetUs);
    // Past the end is the next recording, as MPRIS asks.
    if (length > 0 && target > length)
        Next();
    else
        m_control.seekTo(quint64(target));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong positionUs)
{
    const qlonglong length = qlonglong(m_control.currentTrack().lengthUs);
    // A request for another track than the current one is stale and ignored.
    if (!canSeek() || trackId != trackPath() || positionUs < 0 || positionUs > length)
        return;
    m_control.seekTo(quint64(positionUs));
}

void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    m_service->refuseCall(
        QStringLiteral("cannot open %1: this player opens recordings from its list only").arg(uri));
}
