#include "serverstate.h"

#include <algorithm>

#include "utf16.h"

namespace olmet {

namespace {

std::string text(const char* utf8)
{
    return utf8 ? std::string(utf8) : std::string();
}

}  // namespace

void ServerState::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_known = false;
    m_defaultSource.clear();
    m_defaultSink.clear();
    m_sources.clear();
    m_sinks.clear();
    m_expected.clear();
    m_unconfirmed = 0;
}

bool ServerState::known() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_known;
}

void ServerState::setKnown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_known = true;
}

void ServerState::setDefaults(const pa_server_info& info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_defaultSource = text(info.default_source_name);
    m_defaultSink = text(info.default_sink_name);
    applyExpected();
}

bool ServerState::update(const pa_source_info& info)
{
    Device source;
    source.index = info.index;
    source.name = text(info.name);
    source.description = utf8ToUtf16(text(info.description));
    const char* port = info.active_port ? info.active_port->description : nullptr;
    if (port && *port)
        source.portDescription = utf8ToUtf16(port);
    source.monitor = info.monitor_of_sink != PA_INVALID_INDEX;
    source.volume = info.volume;
    source.muted = info.mute != 0;
    return store(Kind::Source, std::move(source));
}

bool ServerState::update(const pa_sink_info& info)
{
    Device sink;
    sink.index = info.index;
    sink.name = text(info.name);
    sink.description = utf8ToUtf16(text(info.description));
    sink.volume = info.volume;
    sink.muted = info.mute != 0;
    return store(Kind::Sink, std::move(sink));
}

bool ServerState::store(Kind kind, Device device)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Device>& list = kind == Kind::Source ? m_sources : m_sinks;
    auto at = std::lower_bound(list.begin(), list.end(), device.index,
                               [](const Device& d, uint32_t index) { return d.index < index; });
    const bool added = at == list.end() || at->index != device.index;
    if (added)
        list.insert(at, std::move(device));
    else
        *at = std::move(device);
    applyExpected();
    return added;
}

void ServerState::remove(Kind kind, uint32_t index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Device>& list = kind == Kind::Source ? m_sources : m_sinks;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [index](const Device& d) { return d.index == index; }),
               list.end());
}

std::vector<ServerState::Device> ServerState::devices(Kind kind) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return kind == Kind::Source ? m_sources : m_sinks;
}

std::string ServerState::defaultName(Kind kind) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return kind == Kind::Source ? m_defaultSource : m_defaultSink;
}

ServerState::Device* ServerState::lookup(Kind kind, const std::string& name)
{
    std::vector<Device>& list = kind == Kind::Source ? m_sources : m_sinks;
    for (Device& device : list) {
        if (device.name == name)
            return &device;
    }
    return nullptr;
}

bool ServerState::find(Kind kind, const std::string& name, Device* device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Device* found = const_cast<ServerState*>(this)->lookup(kind, name);
    if (found)
        *device = *found;
    return found != nullptr;
}

void ServerState::expect(Expected expected)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_expected.push_back(std::move(expected));
    ++m_unconfirmed;
    applyExpected();
}

void ServerState::expectDefaultName(Kind kind, const std::string& name)
{
    expect({Expected::Field::Default, kind, name, {}, false});
}

void ServerState::expectVolume(Kind kind, const std::string& name, const pa_cvolume& volume)
{
    expect({Expected::Field::Volume, kind, name, volume, false});
}

void ServerState::expectMuted(Kind kind, const std::string& name, bool muted)
{
    expect({Expected::Field::Mute, kind, name, {}, muted});
}

void ServerState::changeConfirmed()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_unconfirmed > 0 && --m_unconfirmed == 0)
        m_expected.clear();
}

// Mutex held.
void ServerState::applyExpected()
{
    for (const Expected& e : m_expected) {
        if (e.field == Expected::Field::Default) {
            (e.kind == Kind::Source ? m_defaultSource : m_defaultSink) = e.name;
        } else if (Device* device = lookup(e.kind, e.name)) {
            if (e.field == Expected::Field::Volume)
                device->volume = e.volume;
            else
                device->muted = e.muted;
        }
    }
}

}  // namespace olmet
