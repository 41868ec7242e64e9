#include "handletable.h"

#include <limits>

namespace brisca {

HandleTable& HandleTable::instance()
{
    static HandleTable table;
    return table;
}

int32_t HandleTable::add(std::shared_ptr<HandleObject> object)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_next == std::numeric_limits<int32_t>::max())
        return 0;
    const int32_t handle = m_next++;
    m_objects.emplace(handle, std::move(object));
    return handle;
}

std::shared_ptr<HandleObject> HandleTable::take(int32_t handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_objects.find(handle);
    if (it == m_objects.end())
        return nullptr;
    std::shared_ptr<HandleObject> object = std::move(it->second);
    m_objects.erase(it);
    return object;
}

std::shared_ptr<HandleObject> HandleTable::find(int32_t handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_objects.find(handle);
    return it == m_objects.end() ? nullptr : it->second;
}

}  // namespace brisca
