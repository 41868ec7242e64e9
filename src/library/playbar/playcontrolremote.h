#pragma once
// The play bar offered to the desktop's remote controls (media keys, the sound menu,
// playerctl) as a MediaPlayerControl, which the MPRIS service publishes. Commands go to the
// bar's own slots, so a media key does what the bar's button does; the bar's changes come back
// as the control's change signals. The current recording's title, artist and album come from
// the history (the file's name when it has no title). The bar must outlive this object.
// GUI thread only.

#include "mediaplayercontrol.h"

class QPlayControlWgt;

class PlayControlRemote : public MediaPlayerControl {
    Q_OBJECT
public:
    explicit PlayControlRemote(QPlayControlWgt& bar, QObject* parent = nullptr);

    State state() const override;
    Track currentTrack() const override { return m_track; }
    quint64 positionUs() const override;
    double volume() const override;

    bool canPlay() const override;
    bool canPause() const override;
    bool canGoNext() const override;
    bool canGoPrevious() const override;
    bool canSeek() const override;

    void play() override;
    void pause() override;
    void playPause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void seekTo(quint64 positionUs) override;
    void setVolume(double volume) override;

private:
    struct Capabilities {
        bool play, pause, next, previous, seek;
        bool operator!=(const Capabilities& o) const
        {
            return play != o.play || pause != o.pause || next != o.next || previous != o.previous ||
                   seek != o.seek;
        }
    };
    Capabilities capabilities() const;
    void queueRefresh();
    // Compares the bar with what was last reported and sends the change signals.
    void refresh();
    Track trackOf(const QString& filePath) const;

    QPlayControlWgt& m_bar;
    State m_state = State::Stopped;
    Track m_track;
    Capabilities m_capabilities{};
    double m_volume = 0.0;
    bool m_refreshQueued = false;
};
