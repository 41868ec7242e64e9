#include "playbacksinkmodule.h"

#include <dlfcn.h>

#include <mutex>

namespace brisca {

namespace {

using CreateSink = PlaybackSink* (*)();

// The module's path: beside the object that holds this function (libbrisca in the build tree
// and installed alike), so neither the library path nor the working folder decide which
// module is loaded.
std::string modulePath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&modulePath), &info) || !info.dli_fname)
        return kPulseModuleName;
    const std::string self = info.dli_fname;
    const size_t slash = self.rfind('/');
    return slash == std::string::npos ? kPulseModuleName
                                      : self.substr(0, slash + 1) + kPulseModuleName;
}

// Loads the module; its handle is never closed, the sinks it made may outlive any caller.
CreateSink load(std::string* error)
{
    const std::string path = modulePath();
    const std::string what = "cannot load the audio output module '" + path + "': ";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        *error = what + (why ? why : "unknown error");
        return nullptr;
    }
    auto create = reinterpret_cast<CreateSink>(dlsym(handle, kPulseModuleEntry));
    if (!create)
        *error = what + "it has no " + kPulseModuleEntry;
    return create;
}

}  // namespace

std::unique_ptr<PlaybackSink> createPulsePlaybackSink(std::string* error)
{
    static std::once_flag once;
    static CreateSink create = nullptr;
    static std::string loadError;
    std::call_once(once, [] { create = load(&loadError); });
    if (!create) {
        if (error)
            *error = loadError;
        return nullptr;
    }
    return std::unique_ptr<PlaybackSink>(create());
}

}  // namespace brisca
