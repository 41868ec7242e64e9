#pragma once
// The device object of libOlmet on PulseAudio: capture devices are the server's sources that
// are not monitors of a sink (one recorder each), playback outputs are its sinks (one player
// each). Counts and names come from a snapshot taken by RefreshDeviceList (and WaitForDevices),
// so indices stay stable between refreshes; defaults, volumes and mute states are read from the
// server's state as kept by ServerState, by the name the snapshot holds.
//
// The state is kept by subscription: when the connection becomes ready the object asks for the
// server's defaults, sources, sinks and playback streams, and then follows the server's events. The
// change flag is raised on the connection's thread when a source or sink appears or disappears,
// when the state becomes known, and when the server is lost.
//
// Threading and units as documented on olmet::SoundDevice.

#include <olmet/sounddevice.h>

#include <pulse/subscribe.h>

#include <atomic>
#include <string>
#include <vector>

#include "applicationstreams.h"
#include "pulseconnection.h"
#include "serverstate.h"

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
    int WaitForDevices(int timeoutMs) override;
    const char16_t* GetNoDefaultRecorderReason() override;
    int IsApplicationListChanged() override;
    void RefreshApplicationList() override;
    int GetApplicationCount() override;
    const char16_t* GetApplicationKey(int application) override;
    const char16_t* GetApplicationName(int application) override;
    const char16_t* GetApplicationIconName(int application) override;

private:
    using Kind = ServerState::Kind;

    // One source or sink of the snapshot.
    struct Endpoint {
        std::string name;
        std::u16string deviceName;
        std::u16string recorderName;  // sources only
    };

    // The snapshot entry of a pair, null when the pair is outside the snapshot.
    const Endpoint* endpoint(Kind kind, int device, int sub) const;
    int indexOf(Kind kind, const std::string& name) const;
    int defaultPair(Kind kind, int* device, int* sub) const;
    int volume(Kind kind, int device, int sub) const;
    int mute(Kind kind, int device, int sub) const;
    void setVolume(Kind kind, int device, int sub, int volume);
    void setMute(Kind kind, int device, int sub, int mute);

    // On the connection's thread.
    void onReady(pa_context* context);
    void onEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index);
    void requestServerInfo(pa_context* context, bool initial);
    // Asks for one device; its answer goes into the state, and one the state did not hold yet
    // raises the change flag.
    void requestDevice(pa_context* context, Kind kind, uint32_t index);
    void onApplicationEvent(pa_context* context, pa_subscription_event_type_t what, uint32_t index);
    static void onStreamInfo(pa_context* context, const pa_sink_input_info* info, int eol,
                             void* self);
    static void onInitialStream(pa_context* context, const pa_sink_input_info* info, int eol,
                                void* self);
    const ApplicationStreams::Application* application(int index) const;
    // One device of the lists asked for when the connection became ready.
    template <class Info>
    static void onInitialDevice(pa_context* context, const Info* info, int eol, void* self);
    // The server has done a change we asked for.
    static void onConfirmed(pa_context* context, int success, void* self);
    template <class Info>
    static void onDeviceInfo(pa_context* context, const Info* info, int eol, void* self);
    void initialAnswerCame();

    std::atomic<bool> m_changed{false};
    std::atomic<bool> m_applicationsChanged{false};
    std::atomic<int> m_initialAnswers{0};  // still to come since the connection became ready
    std::vector<Endpoint> m_sources;
    std::vector<Endpoint> m_sinks;
    std::u16string m_reason;
    ServerState m_state;
    ApplicationStreams m_streams;
    std::vector<ApplicationStreams::Application> m_applications;  // the snapshot
    PulseConnection m_pulse;  // last: its thread stops before the members above go away
};

}  // namespace olmet
