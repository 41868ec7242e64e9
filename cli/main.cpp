// quillon: the command-line face of the recorder (record, tags, formats, devices, ...).
//
// This executable is a launcher without Qt: `quillon --version` and `quillon fingerprint` run
// from here on the engine alone, and start as quickly as fpcalc. Every other command line goes
// to the command-line library (libquillon_cli, clilibrary.cpp), which brings in Qt and the
// logic libraries. It sits beside libbrisca, in the build tree and installed alike.

#include <dlfcn.h>
#include <link.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fingerprintcommand.h"

namespace {

constexpr const char* kCliLibrary = "libquillon_cli.so";
constexpr const char* kCliEntry = "QuillonCliMain";

// The library's path: the folder the loader found libbrisca in. Not a plain dlopen by name:
// that searches the RUNPATH of whoever calls dlopen, and under the sanitizers that is their
// runtime, not this executable.
std::string cliLibraryPath()
{
    std::string path = kCliLibrary;
    void* engine = dlopen("libbrisca.so", RTLD_LAZY | RTLD_NOLOAD);
    link_map* map = nullptr;
    if (engine && dlinfo(engine, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) {
        const std::string enginePath = map->l_name;
        const size_t slash = enginePath.rfind('/');
        if (slash != std::string::npos)
            path = enginePath.substr(0, slash + 1) + kCliLibrary;
    }
    if (engine)
        dlclose(engine);
    return path;
}

int runCliLibrary(int argc, char** argv)
{
    const std::string path = cliLibraryPath();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        std::fprintf(stderr, "quillon: cannot load %s: %s\n", path.c_str(),
                     why ? why : "unknown error");
        return 1;
    }
    using Entry = int (*)(int, char**);
    auto entry = reinterpret_cast<Entry>(dlsym(library, kCliEntry));
    if (!entry) {
        std::fprintf(stderr, "quillon: %s has no %s\n", kCliLibrary, kCliEntry);
        return 1;
    }
    return entry(argc, argv);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quillon %s\n", QUILLON_VERSION);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], cli::kFingerprintCommand) == 0) {
        const std::vector<std::string> args(argv + 2, argv + argc);
        if (cli::fingerprintTakesAsGiven(args))
            return cli::runFingerprint(args);
    }
    return runCliLibrary(argc, argv);
}
