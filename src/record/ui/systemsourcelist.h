#pragma once
// The system-audio list of the inputs panel: "All system audio" and the applications playing
// now (name and icon from their streams, through the sound-device plugin). Picking an
// application limits system audio to what it plays; the choice goes into QRecordAreaInfo and
// the settings file, and stays in the list while the application is silent, so a recording
// started later still follows it.
//
// GUI thread only. The list does not own the combo box or the device object.

#include <QObject>
#include <QString>

class QComboBox;

namespace olmet {
class SoundDevice;
}

class SystemSourceList : public QObject {
    Q_OBJECT
public:
    // Reads the stored choice into QRecordAreaInfo and fills `combo`; `device` may be null.
    SystemSourceList(QComboBox* combo, olmet::SoundDevice* device, QObject* parent = nullptr);

    // Rebuilds the list when the plugin reports that applications came or went. Meant for the
    // panel's poll.
    void poll();
    // Rebuilds the list from the plugin's current snapshot.
    void refill();
    // The chosen application's key and the name it is shown with; empty for all system audio.
    QString chosenKey() const;
    QString chosenName() const;
    // Makes `key` the choice (empty = all system audio), stores it and tells the listeners.
    void choose(const QString& key);

signals:
    void emitChoiceChanged();

private:
    void onActivated(int index);
    void retranslate();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QComboBox* m_combo;
    olmet::SoundDevice* m_device;
    QString m_chosenName;
};
