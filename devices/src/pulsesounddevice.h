#pragma once
// The device object of libOlmet on PulseAudio: capture devices are the server's sources that
// are not monitors of a sink (one recorder each), playback outputs are its sinks (one player
// each). Counts and names come from a snapshot taken at construction and by RefreshDeviceList,
// so indices stay stable between refreshes; defaults, volumes and mute states are asked from
// the server on every call, by the name the snapshot holds. The change flag is set on the
// connection's event thread when a source or sink appears or disappears or the server is lost.
//
// Threading and units as documented on olmet::SoundDevice.

#include <olmet/sounddevice.h>

#include <pulse/introspect.h>
#include <pulse/volume.h>

#include <atomic>
#include <string>
#include <vector>

#include "pulseconnection.h"

namespace olmet {

class PulseSoundDevice final : public SoundDevice {
public:
    PulseSoundDevice();
    ~PulseSoundDevice();
    PulseSoundDevice(const PulseSoundDevice&) = delete;
    PulseSoundDevice& operator=(const PulseSoundDevice&) = delete;

    int GetDeviceCount() override;
    int GetRecorderCount(int device) override;
    const char16_t* GetDeviceName(int device) override;
    const char16_t* GetRecorderName(int device, int recorder) override;
    int GetDefaultPlayback(int* device, int* player) override;
    int GetDefaultRecorder(int* device, int* recorder) override;
    void SetDefaultRecorder(int device, int recorder) override;
    int GetPlaybackVolume(int device, int player) override;
    int GetRecorderVolume(int device, int recorder) override;
    int GetPlaybackMute(int device, int player) override;
    int GetRecorderMute(int device, int recorder) override;
    void SetPlaybackVolume(int device, int player, int volume) override;
    void SetRecorderVolume(int device, int recorder, int volume) override;
    void SetPlaybackMute(int device, int player, int mute) override;
    void SetRecorderMute(int device, int recorder, int mute) override;
    int IsDeviceListChanged() override;
    void RefreshDeviceList() override;

private:
    enum class Kind { Source, Sink };

    // One source or sink of the snapshot.
    struct Endpoint {
        std::string name;  // the server's name, the key for every later request
        std::u16string deviceName;
        std::u16string recorderName;  // sources only
    };

    // Volume and mute of one source or sink as the server reported them.
    struct Level {
        bool found = false;
        pa_cvolume volume{};
        int mute = -1;
    };

    // The snapshot entry of a pair, null when the pair is outside the snapshot.
    const Endpoint* endpoint(Kind kind, int device, int sub) const;
    // Index of a server name in the snapshot, -1 when absent. Lock held.
    int indexOf(Kind kind, const char* name) const;
    // Asks for the default source or sink and finds it in the snapshot; -1 when none.
    int defaultIndex(Kind kind);
    // Asks the server for a source's or sink's volume and mute state. Lock held.
    Level level(Kind kind, const std::string& name);
    int volume(Kind kind, int device, int sub);
    int mute(Kind kind, int device, int sub);
    void setVolume(Kind kind, int device, int sub, int volume);
    void setMute(Kind kind, int device, int sub, int mute);
    // Fills both lists from the server; empties them when it cannot. Lock held.
    void takeSnapshot();

    static void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* list);
    static void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* list);

    std::atomic<bool> m_changed{false};
    std::vector<Endpoint> m_sources;
    std::vector<Endpoint> m_sinks;
    PulseConnection m_pulse;  // last: its thread stops before the members above go away
};

}  // namespace olmet
