#pragma once
// Helpers for the system libraries the engine loads when it first needs them (libavfilter,
// SQLite): open one by its soname, look up its functions into a table of pointers.

#include <dlfcn.h>

#include <mutex>
#include <string>

namespace brisca {

// The library's handle, or null with *error set ("cannot load <soname>: <why>"). The handle is
// never closed: the functions looked up stay valid for the process.
inline void* openSystemLibrary(const char* soname, std::string* error)
{
    void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        *error = std::string("cannot load ") + soname + ": " + (why ? why : "unknown error");
    }
    return handle;
}

// Looks up one function; the first name that is not found lands in *missing.
template <typename Function>
bool resolve(void* handle, const char* name, Function* function, std::string* missing)
{
    *function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!*function && missing->empty())
        *missing = name;
    return *function != nullptr;
}

// After the resolve() calls: true when every function was found, else false with *error naming
// the first one missing.
inline bool resolvedAll(const char* soname, const std::string& missing, std::string* error)
{
    if (missing.empty())
        return true;
    *error = std::string(soname) + " has no " + missing;
    return false;
}

// Fills a table of functions with Load once per process (thread-safe); the table, or null with
// *error set to why Load failed.
template <typename Table, bool (*Load)(Table*, std::string*)>
const Table* loadOnce(std::string* error)
{
    static std::once_flag once;
    static Table table{};
    static bool loaded = false;
    static std::string loadError;
    std::call_once(once, [] { loaded = Load(&table, &loadError); });
    if (!loaded && error)
        *error = loadError;
    return loaded ? &table : nullptr;
}

}  // namespace brisca
