#pragma once
// The process-wide table behind every int32 handle of the C interface. Objects are kept by
// shared_ptr, so a call that looks an object up keeps it alive while it works even if another
// thread releases the handle meanwhile. Handles are never reused within a process.

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace brisca {

struct HandleObject {
    virtual ~HandleObject() = default;
};

class HandleTable {
public:
    static HandleTable& instance();

    int32_t add(std::shared_ptr<HandleObject> object);
    std::shared_ptr<HandleObject> take(int32_t handle);  // removes it from the table

    template <class T>
    std::shared_ptr<T> get(int32_t handle)
    {
        return std::dynamic_pointer_cast<T>(find(handle));
    }

private:
    std::shared_ptr<HandleObject> find(int32_t handle);

    std::mutex m_mutex;
    std::unordered_map<int32_t, std::shared_ptr<HandleObject>> m_objects;
    int32_t m_next = 1;
};

}  // namespace brisca
