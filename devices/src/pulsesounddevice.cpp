#include "pulsesounddevice.h"

#include <pulse/introspect.h>
#include <pulse/subscribe.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <thread>

#include <unistd.h>

#include "utf16.h"

namespace olmet {

namespace {

constexpr auto kWatchedEvents = static_cast<pa_subscription_mask_t>(
    PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER |
    PA_SUBSCRIPTION_MASK_SINK_INPUT);
const char16_t kEmptyName[] = u"";

int toPercent(const pa_cvolume& volume)
{
    const uint64_t loudest = pa_cvolume_max(&volume);
    const uint64_t percent = (loudest * 100 + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM;
    return static_cast<int>(std::min<uint64_t>(percent, 100));
}

pa_volume_t fromPercent(int percent)
{
    const uint64_t clamped = static_cast<uint64_t>(std::clamp(percent, 0, 100));
    return static_cast<pa_volume_t>((clamped * PA_VOLUME_NORM + 50) / 100);
}

void release(pa_operation* op)
{
    if (op)
        pa_operation_unref(op);
}

}  // namespace

PulseSoundDevice::PulseSoundDevice()
    : m_streams(uint32_t(getpid())),
      m_pulse([this](pa_context* context) { onReady(context); },
              [this] {
                  m_state.clear();
                  m_streams.clear();
                  m_changed = true;
                  m_applicationsChanged = true;
              })
{
    m_pulse.start();
}

PulseSoundDevice::~PulseSoundDevice() = default;

// ---- the connection's thread --------------------------------------------------------------

void PulseSoundDevice::onReady(pa_context* context)
{
    m_state.clear();
    m_streams.clear();
    m_applicationsChanged = true;
    m_initialAnswers = 4;
    pa_context_set_subscribe_callback(
        context,
        [](pa_context* c, pa_subscription_event_type_t type, uint32_t index, void* self) {
            static_cast<PulseSoundDevice*>(self)->onEvent(c, type, index);
        },
        this);
    release(pa_context_subscribe(context, kWatchedEvents, nullptr, nullptr));
    requestServerInfo(context, true);
    release(pa_context_get_source_info_list(context, &onInitialDevice<pa_source_info>, this));
    release(pa_context_get_sink_info_list(context, &onInitialDevice<pa_sink_info>, this));
    release(pa_context_get_sink_input_info_list(context, &onInitialStream, this));
}

void PulseSoundDevice::onInitialStream(pa_context* context, const pa_sink_input_info* info, int eol,
                                       void* self)
{
    onStreamInfo(context, info, eol, self);
    if (eol)
        static_cast<PulseSoundDevice*>(self)->initialAnswerCame();
}

void PulseSoundDevice::onStreamInfo(pa_context*, const pa_sink_input_info* info, int, void* self)
{
    auto* device = static_cast<PulseSoundDevice*>(self);
    if (info && device->m_streams.update(*info))
        device->m_applicationsChanged = true;
}

void PulseSoundDevice::onApplicationEvent(pa_context* context, pa_subscription_event_type_t what,
                                          uint32_t index)
{
    if (what == PA_SUBSCRIPTION_EVENT_REMOVE) {
        if (m_streams.remove(index))
            m_applicationsChanged = true;
        return;
    }
    release(pa_context_get_sink_input_info(context, index, &onStreamInfo, this));
}

template <class Info>
void PulseSoundDevice::onInitialDevice(pa_context*, const Info* info, int eol, void* self)
{
    auto* device = static_cast<PulseSoundDevice*>(self);
    if (info)
        device->m_state.update(*info);
    if (eol)
        device->initialAnswerCame();
}

void PulseSoundDevice::initialAnswerCame()
{
    if (m_initialAnswers > 0 && --m_initialAnswers == 0) {
        m_state.setKnown();
        m_changed = true;
    }
}

void PulseSoundDevice::requestServerInfo(pa_context* context, bool initial)
{
    auto onInitial = [](pa_context*, const pa_server_info* info, void* self) {
        auto* device = static_cast<PulseSoundDevice*>(self);
        if (info)
            device->m_state.setDefaults(*info);
        device->initialAnswerCame();
    };
    auto onChange = [](pa_context*, const pa_server_info* info, void* self) {
        if (info)
            static_cast<PulseSoundDevice*>(self)->m_state.setDefaults(*info);
    };
    release(pa_context_get_server_info(context, initial ? onInitial : onChange, this));
}

template <class Info>
void PulseSoundDevice::onDeviceInfo(pa_context*, const Info* info, int, void* self)
{
    auto* device = static_cast<PulseSoundDevice*>(self);
    if (info && device->m_state.update(*info))
        device->m_changed = true;
}

void PulseSoundDevice::onConfirmed(pa_context*, int, void* self)
{
    static_cast<PulseSoundDevice*>(self)->m_state.changeConfirmed();
}

void PulseSoundDevice::requestDevice(pa_context* context, Kind kind, uint32_t index)
{
    release(kind == Kind::Source ? pa_context_get_source_info_by_index(
                                       context, index, &onDeviceInfo<pa_source_info>, this)
                                 : pa_context_get_sink_info_by_index(
                                       context, index, &onDeviceInfo<pa_sink_info>, this));
}

void PulseSoundDevice::onEvent(pa_context* context, pa_subscription_event_type_t type,
                               uint32_t index)
{
    const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    const auto what = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
        requestServerInfo(context, false);
        return;
    }
    if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT) {
        onApplicationEvent(context, pa_subscription_event_type_t(what), index);
        return;
    }
    const Kind kind = facility == PA_SUBSCRIPTION_EVENT_SOURCE ? Kind::Source : Kind::Sink;
    if (facility != PA_SUBSCRIPTION_EVENT_SOURCE && facility != PA_SUBSCRIPTION_EVENT_SINK)
        return;
    if (what == PA_SUBSCRIPTION_EVENT_REMOVE) {
        m_state.remove(kind, index);
        m_changed = true;
    } else {
        requestDevice(context, kind, index);
    }
}

// ---- the caller's thread ------------------------------------------------------------------

const PulseSoundDevice::Endpoint* PulseSoundDevice::endpoint(Kind kind, int device, int sub) const
{
    const std::vector<Endpoint>& list = kind == Kind::Source ? m_sources : m_sinks;
    if (device < 0 || static_cast<size_t>(device) >= list.size() || sub != 0)
        return nullptr;
    return &list[static_cast<size_t>(device)];
}

int PulseSoundDevice::indexOf(Kind kind, const std::string& name) const
{
    const std::vector<Endpoint>& list = kind == Kind::Source ? m_sources : m_sinks;
    for (size_t i = 0; i < list.size(); ++i) {
        if (!name.empty() && list[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int PulseSoundDevice::defaultPair(Kind kind, int* device, int* sub) const
{
    const int index = indexOf(kind, m_state.defaultName(kind));
    if (index < 0)
        return -1;
    if (device)
        *device = index;
    if (sub)
        *sub = 0;
    return 0;
}

int PulseSoundDevice::volume(Kind kind, int device, int sub) const
{
    const Endpoint* target = endpoint(kind, device, sub);
    ServerState::Device state;
    if (!target || !m_state.find(kind, target->name, &state) || !pa_cvolume_valid(&state.volume))
        return -1;
    return toPercent(state.volume);
}

int PulseSoundDevice::mute(Kind kind, int device, int sub) const
{
    const Endpoint* target = endpoint(kind, device, sub);
    ServerState::Device state;
    if (!target || !m_state.find(kind, target->name, &state))
        return -1;
    return state.muted ? 1 : 0;
}

void PulseSoundDevice::setVolume(Kind kind, int device, int sub, int percent)
{
    const Endpoint* target = endpoint(kind, device, sub);
    ServerState::Device state;
    if (!target || !m_state.find(kind, target->name, &state) || !pa_cvolume_valid(&state.volume))
        return;
    // Scaling keeps the balance between channels; a silent volume becomes flat.
    pa_cvolume volume = state.volume;
    pa_cvolume_scale(&volume, fromPercent(percent));
    PulseConnection::Lock lock(m_pulse);
    pa_context* context = m_pulse.readyContext();
    if (!context)
        return;
    const char* name = target->name.c_str();
    pa_operation* op =
        kind == Kind::Source
            ? pa_context_set_source_volume_by_name(context, name, &volume, &onConfirmed, this)
            : pa_context_set_sink_volume_by_name(context, name, &volume, &onConfirmed, this);
    if (op)
        m_state.expectVolume(kind, target->name, volume);
    release(op);
}

void PulseSoundDevice::setMute(Kind kind, int device, int sub, int muted)
{
    const Endpoint* target = endpoint(kind, device, sub);
    if (!target)
        return;
    PulseConnection::Lock lock(m_pulse);
    pa_context* context = m_pulse.readyContext();
    if (!context)
        return;
    const char* name = target->name.c_str();
    const int flag = muted != 0 ? 1 : 0;
    pa_operation* op =
        kind == Kind::Source
            ? pa_context_set_source_mute_by_name(context, name, flag, &onConfirmed, this)
            : pa_context_set_sink_mute_by_name(context, name, flag, &onConfirmed, this);
    if (op)
        m_state.expectMuted(kind, target->name, flag != 0);
    release(op);
}

int PulseSoundDevice::GetDeviceCount()
{
    return static_cast<int>(m_sources.size());
}

int PulseSoundDevice::GetRecorderCount(int device)
{
    return endpoint(Kind::Source, device, 0) ? 1 : 0;
}

const char16_t* PulseSoundDevice::GetDeviceName(int device)
{
    const Endpoint* source = endpoint(Kind::Source, device, 0);
    return source ? source->deviceName.c_str() : kEmptyName;
}

const char16_t* PulseSoundDevice::GetRecorderName(int device, int recorder)
{
    const Endpoint* source = endpoint(Kind::Source, device, recorder);
    return source ? source->recorderName.c_str() : kEmptyName;
}

int PulseSoundDevice::GetDefaultPlayback(int* device, int* player)
{
    return defaultPair(Kind::Sink, device, player);
}

int PulseSoundDevice::GetDefaultRecorder(int* device, int* recorder)
{
    return defaultPair(Kind::Source, device, recorder);
}

void PulseSoundDevice::SetDefaultRecorder(int device, int recorder)
{
    const Endpoint* source = endpoint(Kind::Source, device, recorder);
    if (!source)
        return;
    PulseConnection::Lock lock(m_pulse);
    pa_context* context = m_pulse.readyContext();
    if (!context)
        return;
    pa_operation* op =
        pa_context_set_default_source(context, source->name.c_str(), &onConfirmed, this);
    if (op)
        m_state.expectDefaultName(Kind::Source, source->name);
    release(op);
}

int PulseSoundDevice::GetPlaybackVolume(int device, int player)
{
    return volume(Kind::Sink, device, player);
}

int PulseSoundDevice::GetRecorderVolume(int device, int recorder)
{
    return volume(Kind::Source, device, recorder);
}

int PulseSoundDevice::GetPlaybackMute(int device, int player)
{
    return mute(Kind::Sink, device, player);
}

int PulseSoundDevice::GetRecorderMute(int device, int recorder)
{
    return mute(Kind::Source, device, recorder);
}

void PulseSoundDevice::SetPlaybackVolume(int device, int player, int volume)
{
    setVolume(Kind::Sink, device, player, volume);
}

void PulseSoundDevice::SetRecorderVolume(int device, int recorder, int volume)
{
    setVolume(Kind::Source, device, recorder, volume);
}

void PulseSoundDevice::SetPlaybackMute(int device, int player, int mute)
{
    setMute(Kind::Sink, device, player, mute);
}

void PulseSoundDevice::SetRecorderMute(int device, int recorder, int mute)
{
    setMute(Kind::Source, device, recorder, mute);
}

int PulseSoundDevice::IsDeviceListChanged()
{
    return m_changed ? 1 : 0;
}

void PulseSoundDevice::RefreshDeviceList()
{
    // Cleared before reading, so a change that comes meanwhile raises it again.
    m_changed = false;
    m_sources.clear();
    m_sinks.clear();
    for (const ServerState::Device& source : m_state.devices(Kind::Source)) {
        if (source.monitor)
            continue;
        const std::u16string& port =
            source.portDescription.empty() ? source.description : source.portDescription;
        m_sources.push_back({source.name, source.description, port});
    }
    for (const ServerState::Device& sink : m_state.devices(Kind::Sink))
        m_sinks.push_back({sink.name, sink.description, {}});
}

int PulseSoundDevice::WaitForDevices(int timeoutMs)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (m_state.known()) {
            RefreshDeviceList();
            return 1;
        }
        if ((m_pulse.attempted() && !m_pulse.isReady()) ||
            std::chrono::steady_clock::now() >= deadline)
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

const char16_t* PulseSoundDevice::GetNoDefaultRecorderReason()
{
    m_reason.clear();
    if (GetDefaultRecorder(nullptr, nullptr) == 0)
        return m_reason.c_str();
    const std::string name = m_state.defaultName(Kind::Source);
    ServerState::Device source;
    if (!m_state.known())
        m_reason = u"no sound server";
    else if (name.empty() || !m_state.find(Kind::Source, name, &source))
        m_reason = u"the sound server has no default input";
    else if (source.monitor)
        m_reason = u"the default input is a monitor (" + source.description + u")";
    return m_reason.c_str();
}

int PulseSoundDevice::IsApplicationListChanged()
{
    return m_applicationsChanged ? 1 : 0;
}

void PulseSoundDevice::RefreshApplicationList()
{
    // Cleared before reading, so a change that comes meanwhile raises it again.
    m_applicationsChanged = false;
    m_applications = m_streams.applications();
}

int PulseSoundDevice::GetApplicationCount()
{
    return static_cast<int>(m_applications.size());
}

const ApplicationStreams::Application* PulseSoundDevice::application(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_applications.size())
        return nullptr;
    return &m_applications[static_cast<size_t>(index)];
}

const char16_t* PulseSoundDevice::GetApplicationKey(int index)
{
    const ApplicationStreams::Application* app = application(index);
    return app ? app->key.c_str() : kEmptyName;
}

const char16_t* PulseSoundDevice::GetApplicationName(int index)
{
    const ApplicationStreams::Application* app = application(index);
    return app ? app->name.c_str() : kEmptyName;
}

const char16_t* PulseSoundDevice::GetApplicationIconName(int index)
{
    const ApplicationStreams::Application* app = application(index);
    return app ? app->iconName.c_str() : kEmptyName;
}

}  // namespace olmet
