// Start-up switches and the thread's last error.

#include <sys/stat.h>

#include <atomic>
#include <mutex>
#include <string>

#include "brisca/brisca.h"
#include "catalogue.h"
#include "lasterror.h"

namespace {
std::atomic<int32_t> g_flags[2];
std::atomic<int32_t> g_flagPair[2];
std::atomic<int32_t> g_optionA{0}, g_optionB{0};
std::mutex g_folderMutex;
std::string g_dataFolder;
}  // namespace

extern "C" {

int32_t SetEngineFlag(int32_t flag, int32_t value)
{
    if (flag < 0 || flag > 1)
        return brisca::fail("unknown engine flag " + std::to_string(flag));
    g_flags[flag] = value;
    return 1;
}

int32_t SetEngineFlagPair(int32_t first, int32_t second)
{
    g_flagPair[0] = first;
    g_flagPair[1] = second;
    return 1;
}

int32_t SetEngineOptionA(int32_t value)
{
    g_optionA = value;
    return 1;
}

int32_t SetEngineOptionB(int32_t value)
{
    g_optionB = value;
    return 1;
}

int32_t SetEngineDataFolder(const char* folder)
{
    struct stat st {};
    if (!folder || ::stat(folder, &st) != 0 || !S_ISDIR(st.st_mode))
        return brisca::fail(std::string("not a folder: '") + (folder ? folder : "") + "'");
    std::lock_guard<std::mutex> lock(g_folderMutex);
    g_dataFolder = folder;
    brisca::Catalogue::setDataFolder(folder);
    return 1;
}

const char* BriscaLastError(void) { return brisca::lastError(); }

}  // extern "C"
