#pragma once
// What the program's player offers to the remote controls of the desktop: media keys, the
// sound menu and tools such as playerctl (through MprisService). The play bar implements it.
//
// Contract:
// - GUI thread only. Commands return at once; the player acts and reports through the signals.
// - Times are microseconds from the start of the current recording; volume is 0.0 to 1.0.
// - emitStateChanged whenever state() changes; emitTrackChanged whenever currentTrack() changes
//   (no track included); emitCapabilitiesChanged whenever an answer of a can...() changes;
//   emitVolumeChanged whenever volume() changes; emitSeeked after the position jumped other
//   than by playing on (a seek, another track), with the new position.
// - Commands that the can...() answers refuse are ignored by the player.

#include <QObject>
#include <QString>

class MediaPlayerControl : public QObject {
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };

    struct Track {
        // Stable while the recording is listed (the file's path will do); empty: no track.
        QString id;
        QString filePath;
        QString title;
        QString artist;
        QString album;
        quint64 lengthUs = 0;
        bool isValid() const { return !id.isEmpty(); }
    };

    using QObject::QObject;

    virtual State state() const = 0;
    virtual Track currentTrack() const = 0;
    virtual quint64 positionUs() const = 0;
    virtual double volume() const = 0;

    virtual bool canPlay() const = 0;
    virtual bool canPause() const = 0;
    virtual bool canGoNext() const = 0;
    virtual bool canGoPrevious() const = 0;
    virtual bool canSeek() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void playPause() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    virtual void seekTo(quint64 positionUs) = 0;
    virtual void setVolume(double volume) = 0;

signals:
    void emitStateChanged();
    void emitTrackChanged();
    void emitCapabilitiesChanged();
    void emitVolumeChanged();
    void emitSeeked(quint64 positionUs);
};
