// libFuzzer targets fuzz_tags_<ext>: the input becomes a file with the extension taken from
// the program name (fuzz_tags_mp3 -> ".mp3"), so each target starts with its own format's
// parser before detection tries the others. TagFile opens, reads, edits and saves it. What
// must hold for every input that opens:
// - a save that reports success left a file that opens as the same format, reads back the
//   fields and cover just set, and holds the same audio bytes as before;
// - a save that reports failure left the file byte for byte as it was.

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

static std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

static void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "tags_fuzz: %s\n", what);
        std::abort();
    }
}

// Reopens the saved file and checks it against what was set.
static void checkSaved(int code, uint64_t audio, bool audioKnown, bool track,
                       const std::string& cover)
{
    tags::TagFile again;
    check(again.open(widen(g_path)) == 0, "a saved file does not open");
    check(again.formatCode() == code, "a saved file opens as another format");
    check(again.fieldUtf8(tags::Field::Title) == "fuzz \u00e9\u65e5 title",
          "the title did not read back");
    if (track)
        check(again.fieldUtf8(tags::Field::Track) == "3/7", "the track did not read back");
    if (again.supports(tags::Field::Cover))
        check(again.cover().data == cover, "the cover did not read back");
    uint64_t after = 0;
    if (audioKnown)
        check(again.audioChecksum(after) && after == audio, "a save changed the audio bytes");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(g_path, std::ios::binary | std::ios::trunc);
        out.write(input.data(), std::streamsize(input.size()));
    }
    tags::TagFile file;
    if (file.open(widen(g_path)) == 0) {
        for (int slot = 0; slot < tags::kFieldCount; ++slot) {
            std::u16string text;
            file.getField(slot, text);
        }
        (void)file.cover();
        (void)file.totalTagSize();
        uint64_t audio = 0;
        const bool audioKnown = file.audioChecksum(audio);
        const char16_t title[] = u"fuzz \u00e9\u65e5 title";
        file.setTextField(0, title, int(sizeof(title)));
        const bool track =
            file.setFieldUtf8(tags::Field::Track, "3/7") == 0 && file.supports(tags::Field::Track);
        // Alternate between a growing and a shrinking edit, chosen by the input.
        std::string cover;
        if (size > 0 && (data[size - 1] & 1)) {
            cover.assign(3000, '\xAB');
            file.setCover(cover.data(), int(cover.size()), 1);
        } else {
            file.removeCover();
        }
        const int code = file.formatCode();
        if (file.save() == 0)
            checkSaved(code, audio, audioKnown, track, cover);
        else
            check(fileBytes(g_path) == input, "a failed save changed the file");
    }
    std::remove(g_path.c_str());
    return 0;
}
