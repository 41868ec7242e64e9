#include "pulsesounddevice.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "utf16.h"

namespace olmet {

namespace {

// Long enough for a busy server, short enough that a hung one does not freeze the caller.
constexpr std::chrono::milliseconds kServerTimeout{2000};
constexpr auto kWatchedEvents =
    static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SINK);
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

std::string text(const char* utf8)
{
    return utf8 ? std::string(utf8) : std::string();
}

}  // namespace

PulseSoundDevice::PulseSoundDevice()
    : m_pulse(
          kServerTimeout,
          [this](pa_subscription_event_type_t type, uint32_t) {
              const auto kind = type & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
              if (kind == PA_SUBSCRIPTION_EVENT_NEW || kind == PA_SUBSCRIPTION_EVENT_REMOVE)
                  m_changed = true;
          },
          [this] { m_changed = true; })
{
    PulseConnection::Lock lock(m_pulse);
    if (m_pulse.connect(kWatchedEvents))
        takeSnapshot();
}

PulseSoundDevice::~PulseSoundDevice() = default;

const PulseSoundDevice::Endpoint* PulseSoundDevice::endpoint(Kind kind, int device, int sub) const
{
    const std::vector<Endpoint>& list = kind == Kind::Source ? m_sources : m_sinks;
    if (device < 0 || static_cast<size_t>(device) >= list.size() || sub != 0)
        return nullptr;
    return &list[static_cast<size_t>(device)];
}

int PulseSoundDevice::indexOf(Kind kind, const char* name) const
{
    if (!name)
        return -1;
    const std::vector<Endpoint>& list = kind == Kind::Source ? m_sources : m_sinks;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int PulseSoundDevice::defaultIndex(Kind kind)
{
    struct Query {
        const PulseSoundDevice* self;
        Kind kind;
        int index;
    } query{this, kind, -1};
    PulseConnection::Lock lock(m_pulse);
    if (!m_pulse.isReady())
        return -1;
    auto onServerInfo = [](pa_context*, const pa_server_info* info, void* userdata) {
        auto* q = static_cast<Query*>(userdata);
        if (info) {
            const char* name =
                q->kind == Kind::Source ? info->default_source_name : info->default_sink_name;
            q->index = q->self->indexOf(q->kind, name);
        }
    };
    if (!m_pulse.wait(pa_context_get_server_info(m_pulse.context(), onServerInfo, &query)))
        return -1;
    return query.index;
}

PulseSoundDevice::Level PulseSoundDevice::level(Kind kind, const std::string& name)
{
    Level result;
    if (!m_pulse.isReady())
        return result;
    pa_operation* op = nullptr;
    if (kind == Kind::Source) {
        auto onInfo = [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
            auto* out = static_cast<Level*>(userdata);
            if (eol == 0 && info)
                *out = Level{true, info->volume, info->mute ? 1 : 0};
        };
        op = pa_context_get_source_info_by_name(m_pulse.context(), name.c_str(), onInfo, &result);
    } else {
        auto onInfo = [](pa_context*, const pa_sink_info* info, int eol, void* userdata) {
            auto* out = static_cast<Level*>(userdata);
            if (eol == 0 && info)
                *out = Level{true, info->volume, info->mute ? 1 : 0};
        };
        op = pa_context_get_sink_info_by_name(m_pulse.context(), name.c_str(), onInfo, &result);
    }
    if (!m_pulse.wait(op))
        return Level{};
    return result;
}

int PulseSoundDevice::volume(Kind kind, int device, int sub)
{
    const Endpoint* target = endpoint(kind, device, sub);
    if (!target)
        return -1;
    PulseConnection::Lock lock(m_pulse);
    const Level current = level(kind, target->name);
    return current.found ? toPercent(current.volume) : -1;
}

int PulseSoundDevice::mute(Kind kind, int device, int sub)
{
    const Endpoint* target = endpoint(kind, device, sub);
    if (!target)
        return -1;
    PulseConnection::Lock lock(m_pulse);
    return level(kind, target->name).mute;
}

void PulseSoundDevice::setVolume(Kind kind, int device, int sub, int percent)
{
    const Endpoint* target = endpoint(kind, device, sub);
    if (!target)
        return;
    PulseConnection::Lock lock(m_pulse);
    Level current = level(kind, target->name);
    if (!current.found || !pa_cvolume_valid(&current.volume))
        return;
    // Scaling keeps the balance between channels; a silent volume becomes flat.
    pa_cvolume_scale(&current.volume, fromPercent(percent));
    pa_context* context = m_pulse.context();
    const char* name = target->name.c_str();
    m_pulse.wait(
        kind == Kind::Source
            ? pa_context_set_source_volume_by_name(context, name, &current.volume, nullptr, nullptr)
            : pa_context_set_sink_volume_by_name(context, name, &current.volume, nullptr, nullptr));
}

void PulseSoundDevice::setMute(Kind kind, int device, int sub, int muted)
{
    const Endpoint* target = endpoint(kind, device, sub);
    if (!target)
        return;
    PulseConnection::Lock lock(m_pulse);
    if (!m_pulse.isReady())
        return;
    pa_context* context = m_pulse.context();
    const char* name = target->name.c_str();
    const int flag = muted != 0 ? 1 : 0;
    m_pulse.wait(kind == Kind::Source
                     ? pa_context_set_source_mute_by_name(context, name, flag, nullptr, nullptr)
                     : pa_context_set_sink_mute_by_name(context, name, flag, nullptr, nullptr));
}

void PulseSoundDevice::onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* list)
{
    if (eol != 0 || !info || info->monitor_of_sink != PA_INVALID_INDEX)
        return;
    Endpoint source;
    source.name = text(info->name);
    source.deviceName = utf8ToUtf16(text(info->description));
    const char* port = info->active_port ? info->active_port->description : nullptr;
    source.recorderName = port && *port ? utf8ToUtf16(port) : source.deviceName;
    static_cast<std::vector<Endpoint>*>(list)->push_back(std::move(source));
}

void PulseSoundDevice::onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* list)
{
    if (eol != 0 || !info)
        return;
    Endpoint sink;
    sink.name = text(info->name);
    sink.deviceName = utf8ToUtf16(text(info->description));
    static_cast<std::vector<Endpoint>*>(list)->push_back(std::move(sink));
}

void PulseSoundDevice::takeSnapshot()
{
    std::vector<Endpoint> sources;
    std::vector<Endpoint> sinks;
    pa_context* context = m_pulse.context();
    const bool ok =
        m_pulse.isReady() &&
        m_pulse.wait(pa_context_get_source_info_list(context, &onSourceInfo, &sources)) &&
        m_pulse.wait(pa_context_get_sink_info_list(context, &onSinkInfo, &sinks));
    if (!ok) {
        sources.clear();
        sinks.clear();
    }
    m_sources = std::move(sources);
    m_sinks = std::move(sinks);
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
    const int index = defaultIndex(Kind::Sink);
    if (index < 0)
        return -1;
    if (device)
        *device = index;
    if (player)
        *player = 0;
    return 0;
}

int PulseSoundDevice::GetDefaultRecorder(int* device, int* recorder)
{
    const int index = defaultIndex(Kind::Source);
    if (index < 0)
        return -1;
    if (device)
        *device = index;
    if (recorder)
        *recorder = 0;
    return 0;
}

void PulseSoundDevice::SetDefaultRecorder(int device, int recorder)
{
    const Endpoint* source = endpoint(Kind::Source, device, recorder);
    if (!source)
        return;
    PulseConnection::Lock lock(m_pulse);
    if (!m_pulse.isReady())
        return;
    m_pulse.wait(
        pa_context_set_default_source(m_pulse.context(), source->name.c_str(), nullptr, nullptr));
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
    PulseConnection::Lock lock(m_pulse);
    // Cleared before asking, so an event that arrives while the lists travel sets it again.
    m_changed = false;
    if (!m_pulse.isReady() && !m_pulse.connect(kWatchedEvents)) {
        m_sources.clear();
        m_sinks.clear();
        return;
    }
    takeSnapshot();
}

}  // namespace olmet
