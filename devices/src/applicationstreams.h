#pragma once
// The playback streams (sink inputs) of the sound server as it last reported them, grouped into
// the applications that play them. Written on the connection's event thread, read from any
// thread: every call takes the object's own mutex for a moment.
//
// An application is known by its key: the stream's "application.name", or its
// "application.process.binary" when it has no name. A browser that opens a stream per tab is
// one application; two programs run from one binary but named apart are two.

#include <pulse/introspect.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace olmet {

class ApplicationStreams {
public:
    struct Application {
        std::u16string key;
        std::u16string name;      // what the user reads: the application's name, else the key
        std::u16string iconName;  // "application.icon_name", a freedesktop icon name; may be empty
        int streams = 0;
    };

    // Streams of this process (the recorder's own player) are left out.
    explicit ApplicationStreams(uint32_t ownProcessId);

    void clear();
    // Adds or replaces a stream; true when the set of applications changed.
    bool update(const pa_sink_input_info& info);
    // True when the set of applications changed.
    bool remove(uint32_t index);
    // Sorted by name, then key.
    std::vector<Application> applications() const;

private:
    struct Stream {
        uint32_t index = 0;
        std::string key;
        std::string name;
        std::string iconName;
    };

    std::vector<Application> group() const;

    const std::string m_ownProcessId;
    mutable std::mutex m_mutex;
    std::vector<Stream> m_streams;
};

}  // namespace olmet
