#pragma once
// Helpers for the system libraries the engine loads when it first needs them (libavfilter,
// SQLite): open one by its soname, look up its functions into a table of pointers.

#include <dlfcn.h>

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

}  // namespace brisca
