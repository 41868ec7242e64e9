// quillon: the command-line face of the recorder (record, tags, formats, devices, ...).
//
// This executable is a launcher without Qt: `quillon --version` and `quillon fingerprint` run
// from here on the engine alone, and start as quickly as fpcalc. Every other command line goes
// to the command-line library (libquillon_cli, clilibrary.cpp), which brings in Qt and the
// logic libraries; it sits beside libbrisca and is found through this executable's RUNPATH,
// in the build tree and installed alike.

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fingerprintcommand.h"

namespace {

constexpr const char* kCliLibrary = "libquillon_cli.so";
constexpr const char* kCliEntry = "QuillonCliMain";

int runCliLibrary(int argc, char** argv)
{
    void* library = dlopen(kCliLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        std::fprintf(stderr, "quillon: cannot load %s: %s\n", kCliLibrary,
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
