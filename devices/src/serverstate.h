#pragma once
// The sound server's sources, sinks and defaults as it last reported them. Written on the
// connection's event thread from the server's answers and events, read from any thread: every
// call takes the object's own mutex for a moment and nothing here waits for the server.

#include <pulse/introspect.h>
#include <pulse/volume.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace olmet {

class ServerState {
public:
    enum class Kind { Source, Sink };

    // One source or sink.
    struct Device {
        uint32_t index = 0;
        std::string name;  // the server's name, the key for every request
        std::u16string description;
        std::u16string portDescription;  // sources: the active port's, else empty
        bool monitor = false;            // a sink's monitor source
        pa_cvolume volume{};
        bool muted = false;
    };

    // Forgets everything (the connection is gone).
    void clear();
    // The full state has arrived since the last connection.
    bool known() const;
    void setKnown();

    void setDefaults(const pa_server_info& info);
    // Adds or replaces a device reported by the server; true when it was not known before.
    bool update(const pa_source_info& info);
    bool update(const pa_sink_info& info);
    void remove(Kind kind, uint32_t index);

    // Copies, ordered by the server's index (the order in which devices appeared).
    std::vector<Device> devices(Kind kind) const;
    std::string defaultName(Kind kind) const;
    // The device of that name; false when there is none.
    bool find(Kind kind, const std::string& name, Device* device) const;

    // What a request just sent will make of the state, so readers see it at once. It holds
    // over the server's reports until the server has answered every such request
    // (changeConfirmed()): replies come in order, so a report that comes earlier may answer a
    // question asked before the change.
    void expectDefaultName(Kind kind, const std::string& name);
    void expectVolume(Kind kind, const std::string& name, const pa_cvolume& volume);
    void expectMuted(Kind kind, const std::string& name, bool muted);
    void changeConfirmed();

private:
    // A value set by a request the server has not confirmed yet.
    struct Expected {
        enum class Field { Default, Volume, Mute } field;
        Kind kind;
        std::string name;
        pa_cvolume volume{};
        bool muted = false;
    };

    bool store(Kind kind, Device device);
    Device* lookup(Kind kind, const std::string& name);
    void expect(Expected expected);
    void applyExpected();

    mutable std::mutex m_mutex;
    bool m_known = false;
    std::string m_defaultSource;
    std::string m_defaultSink;
    std::vector<Device> m_sources;
    std::vector<Device> m_sinks;
    std::vector<Expected> m_expected;
    int m_unconfirmed = 0;
};

}  // namespace olmet
