#include "applicationstreams.h"

#include <pulse/proplist.h>

#include <algorithm>
#include <tuple>

#include "utf16.h"

namespace olmet {

namespace {

std::string property(const pa_proplist* list, const char* key)
{
    const char* value = list ? pa_proplist_gets(list, key) : nullptr;
    return value ? std::string(value) : std::string();
}

// Whether a list shows the same: the same applications with the same names and icons.
bool sameShown(const std::vector<ApplicationStreams::Application>& a,
               const std::vector<ApplicationStreams::Application>& b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const ApplicationStreams::Application& x, const ApplicationStreams::Application& y) {
            return x.key == y.key && x.name == y.name && x.iconName == y.iconName;
        });
}

}  // namespace

ApplicationStreams::ApplicationStreams(uint32_t ownProcessId)
    : m_ownProcessId(std::to_string(ownProcessId))
{
}

void ApplicationStreams::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_streams.clear();
}

bool ApplicationStreams::update(const pa_sink_input_info& info)
{
    Stream stream;
    stream.index = info.index;
    stream.name = property(info.proplist, PA_PROP_APPLICATION_NAME);
    const std::string binary = property(info.proplist, PA_PROP_APPLICATION_PROCESS_BINARY);
    stream.key = stream.name.empty() ? binary : stream.name;
    stream.iconName = property(info.proplist, PA_PROP_APPLICATION_ICON_NAME);
    const bool own = property(info.proplist, PA_PROP_APPLICATION_PROCESS_ID) == m_ownProcessId;
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::vector<Application> before = group();
    m_streams.erase(std::remove_if(m_streams.begin(), m_streams.end(),
                                   [&](const Stream& s) { return s.index == stream.index; }),
                    m_streams.end());
    if (!own && !stream.key.empty())
        m_streams.push_back(std::move(stream));
    return !sameShown(before, group());
}

bool ApplicationStreams::remove(uint32_t index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::vector<Application> before = group();
    m_streams.erase(std::remove_if(m_streams.begin(), m_streams.end(),
                                   [&](const Stream& s) { return s.index == index; }),
                    m_streams.end());
    return !sameShown(before, group());
}

std::vector<ApplicationStreams::Application> ApplicationStreams::applications() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return group();
}

// Mutex held.
std::vector<ApplicationStreams::Application> ApplicationStreams::group() const
{
    std::vector<Application> result;
    for (const Stream& stream : m_streams) {
        const std::u16string key = utf8ToUtf16(stream.key);
        auto known = std::find_if(result.begin(), result.end(),
                                  [&](const Application& a) { return a.key == key; });
        if (known == result.end()) {
            result.push_back({key, stream.name.empty() ? key : utf8ToUtf16(stream.name),
                              utf8ToUtf16(stream.iconName), 0});
            known = result.end() - 1;
        } else if (known->iconName.empty()) {
            known->iconName = utf8ToUtf16(stream.iconName);
        }
        ++known->streams;
    }
    std::sort(result.begin(), result.end(), [](const Application& a, const Application& b) {
        return std::tie(a.name, a.key) < std::tie(b.name, b.key);
    });
    return result;
}

}  // namespace olmet
