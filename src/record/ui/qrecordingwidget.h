#pragma once
// The recording display: the panel the main window shows in place of the play bar while a
// recording runs. It shows the elapsed time in a seven-segment face, the live waveform of what
// is recorded, and a volume button with a pop-up slider for the recording volume. It also runs
// the silence watch of the running recording (a 200 ms check on an injected clock) and tells
// the main window when to split the file and when the recording stopped being silent.
//
// Built once with the main window; hidden until a recording starts. GUI thread only.

#include <QString>

#include <cstdint>

#include "qnxwidget.h"
#include "silencewatch.h"
#include "wallclock.h"

class QAudioWaveWidget;
class QLabel;
class QNxBaseButton;
class QTimer;
class QVolumeWidget;

class QRecordingWidget : public QNxWidget {
    Q_OBJECT
public:
    static constexpr int kSilenceCheckMs = 200;

    explicit QRecordingWidget(QWidget* parent = nullptr,
                              const WallClock& clock = WallClock::system());

    // The recording state: the time starts at "00:00:00", the time and the wave show and the
    // silence watch runs. Leaving it stops the watch and hides them.
    void beginRecording();
    void endRecording();
    // The recording goes on in a new file after a split at silence: the time starts again, the
    // silence stays timed.
    void beginPiece();
    bool isRecording() const { return m_recording; }

    // "%1:%2:%3" of hours (not limited to two digits), minutes and seconds, zero-padded.
    static QString timeText(uint64_t elapsedUs);
    // The skin image of the volume button for a volume 0..1.
    static QString volumeIcon(double volume);

    QString recordTimeText() const;
    QString volumeIconPath() const { return m_volumeIcon; }
    const SilenceWatch& silenceWatch() const { return m_watch; }
    QAudioWaveWidget* waveWidget() const { return m_wave; }
    QVolumeWidget* volumePopup() const { return m_volumePopup; }
    QNxBaseButton* volumeButton() const { return m_btnVolume; }

signals:
    // The user moved the volume slider to `value` (0..1).
    void emitVolumeChange(double value);
    // The silence has lasted longer than the split threshold.
    void emitSplitSilence();
    // The recording is no longer silent throughout (sent once per recording, with false).
    void emitIsRecordingAlwaysSilence(bool bSilence);

public slots:
    // A level block of the session: drawn, and judged silent or not for the watch.
    void OnSetAudioData(unsigned char* block, int sps);
    void OnSetRecordTime(uint64_t time);
    // The source's volume (0..100) as the inputs panel read it.
    void OnSetVolume(int nValue);
    void OnCheckSilence();
    void OnBtnVolume();
    void OnVolumeChange(double dVal);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void setVolumeIcon(double volume);

    SilenceWatch m_watch;
    QLabel* m_lblRecordTime = nullptr;
    int m_timeTextLength = -1;  // the length the label's fixed size was made for
    uint64_t m_shownSeconds = 0;
    QAudioWaveWidget* m_wave = nullptr;
    QNxBaseButton* m_btnVolume = nullptr;
    QVolumeWidget* m_volumePopup = nullptr;
    QTimer* m_silenceTimer = nullptr;
    QString m_volumeIcon;
    bool m_recording = false;
};
