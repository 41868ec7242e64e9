#pragma once

#include <QString>
#include <QVector>

#include <memory>

#include "qnxwidget.h"
#include "sounddevicelibrary.h"
#include "ui_selectrecordinputwgt.h"

class QNxMenu;
class QTimer;
class SystemSourceList;

// The inputs panel of the main window: the user switches system audio and the microphone on
// and off, picks the microphone, and sets the volume of the playback output and of the
// microphone. The choice of sources goes into the selected and valid bits of QRecordAreaInfo
// (the recording session reads them) and is stored in the settings file when the panel is
// destroyed; the chosen microphone becomes the sound server's default recording input, which is
// what the session records from.
//
// The panel owns the sound-device plugin (libOlmet) and its device object for its lifetime and
// polls it every 200 ms, so inputs plugged in or removed, changes of the default input or of
// volumes made by other programs, and a sound server that went away and came back show up
// while it runs. The device object answers from the server's state it keeps by itself, so the
// poll never waits for the server. Without the plugin or a sound server it shows "No Mic
// Device" and only system audio can be recorded; when the default input is no microphone (a
// monitor), the list says so and the microphone is not valid.
//
// GUI thread only. One panel per main window.
class SelectRecordInputWgt : public QNxWidget, public Ui::SelectRecordInputWgt {
    Q_OBJECT
public:
    // Loads the plugin from `pluginPath` (by default the one beside the executable).
    explicit SelectRecordInputWgt(QWidget* parent = nullptr,
                                  const QString& pluginPath = SoundDeviceLibrary::pluginPath());
    // Stores the selected sources and unloads the plugin.
    ~SelectRecordInputWgt() override;

    // The device pop-up menu (rebuilt each time it is shown and on device changes).
    QNxMenu* deviceMenu() const { return m_menuDevice; }
    // The system-audio list: all system audio or one application.
    SystemSourceList* systemSourceList() const { return m_systemSources; }
    // Volume for a slider ratio: the integer part of ratio * 100 + 0.5, within 0..100.
    static int volumeFromRatio(double ratio);

signals:
    // The list of inputs or the default input changed.
    void emitMicDeviceChange();
    // The volume (0..100) of the selected source as last read from the device; the system
    // audio volume when both sources are selected.
    void emitSetVolumeValue(int value);

public slots:
    // Toggle buttons: flip the source's selected bit, then update its button.
    void OnBtnSystemAudio();
    void OnBtnMicAudio();
    // Bring a source's button image and indicator in line with its selected bit.
    void SystemAudioChange();
    void MicAudioChange();
    // The user picked list entry `index`: it becomes the default recording input.
    void MicDeviceChange(int index);
    // The 200 ms poll of the device object.
    void RefreshRecDevTimer();
    // Reads both volumes back into the sliders and reports the selected one.
    void refreshRecordVolume();
    // From a slider: ratio 0..1 applied to the source the sending slider belongs to.
    void recorderVulumeChange(double value);
    // Unmute and set the volume (0..100) of the default playback output / the current input.
    void systemAudioVolume(int volume);
    void MicrophoneAudioVolume(int volume);
    // Enables or disables the input list, both sliders and the device button together.
    void OnSetCtrlEnabled(bool bEnabled);
    // From the recording display: ratio 0..1 applied to the microphone when it is selected,
    // else to system audio when that is selected.
    void OnRecorderVolumeChange(double value);
    // A device-menu entry was chosen: it becomes the only selected source.
    void OnActDeviceChange();
    // Rebuilds the device menu and pops it up near the pointer.
    void OnShowDeviceMenu();

protected:
    void changeEvent(QEvent* event) override;

private:
    // One recording input: its text ("<recorder> (<device>)") and (device << 16) | recorder.
    struct Input {
        QString text;
        int data;
    };

    void setUpWidgets();
    void setUpVolumes();
    void setUpConnections();
    void loadSelection();
    void saveSelection();
    QVector<Input> inputs() const;
    // Refills the input list from the device object, makes the default input current, sets
    // the valid bits, swaps list and "No Mic Device" label, then refreshes the volumes.
    void fillDeviceList();
    void updateMicAvailability();
    void rebuildDeviceMenu();
    void updateToolTips();
    void retranslateTexts();
    void updateDeviceButton();
    void onSystemSourceChosen();
    // Reads one volume into a slider and level bar; the shown volume, or -1 when unreadable.
    int showVolume(QNxBaseSlider* slider, QNxBaseProgress* level, bool hasEndpoint, int mute,
                   int volume);
    bool selected(int source) const;
    void setSelected(int source, bool on);

    std::unique_ptr<SoundDeviceLibrary> m_library;
    olmet::SoundDevice* m_device = nullptr;
    QNxMenu* m_menuDevice = nullptr;
    SystemSourceList* m_systemSources = nullptr;
    QTimer* m_refreshTimer = nullptr;
    // Data of the last device-menu choice; -1 = system audio.
    int m_lastDeviceData = -1;
    bool m_ctrlEnabled = true;
};
