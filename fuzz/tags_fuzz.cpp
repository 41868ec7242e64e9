// libFuzzer targets fuzz_tags_<ext>: the input becomes a file with the extension taken from
// the program name (fuzz_tags_mp3 -> ".mp3"), so each target starts with its own format's
// parser before detection tries the others. TagFile opens, reads, edits and saves it; a saved
// file must open again.

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tagfile.h"

static std::string g_path;

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv)
{
    const std::string program = (*argv)[0];
    const size_t underscore = program.rfind('_');
    const std::string extension =
        underscore == std::string::npos ? "mp3" : program.substr(underscore + 1);
    const char* dir = std::getenv("TMPDIR");
    g_path = std::string(dir ? dir : "/tmp") + "/quillon-fuzz-" + std::to_string(getpid()) + "." +
             extension;
    return 0;
}

static std::u16string widen(const std::string& s)
{
    return std::u16string(s.begin(), s.end());  // the path is ASCII
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = g_path;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    tags::TagFile file;
    if (file.open(widen(path)) == 0) {
        for (int slot = 0; slot < tags::kFieldCount; ++slot) {
            std::u16string text;
            file.getField(slot, text);
        }
        const tags::Picture cover = file.cover();
        (void)file.totalTagSize();
        const char16_t title[] = u"fuzz \u00e9\u65e5 title";
        file.setTextField(0, title, int(sizeof(title)));
        file.setFieldUtf8(tags::Field::Track, "3/7");
        // Alternate between a growing and a shrinking edit, chosen by the input.
        if (size > 0 && (data[size - 1] & 1)) {
            const std::string big(3000, '\xAB');
            file.setCover(big.data(), int(big.size()), 1);
        } else {
            file.removeCover();
        }
        if (file.save() == 0) {
            tags::TagFile again;
            if (again.open(widen(path)) != 0 || again.fieldUtf8(tags::Field::Title).empty())
                std::abort();  // a successful save must leave a file we can read back
        }
    }
    std::remove(path.c_str());
    return 0;
}
