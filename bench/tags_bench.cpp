// tags_bench: times our tag writer on one file, for bench/tags.sh.
//   tags_bench inplace FILE COVER N       edit FILE N times (tags already there, fits padding)
//   tags_bench grow FILE COVER N BASE     copy BASE to FILE and sync it (not timed), then tag
//                                         it; N times
// Each run opens the file, sets title, artist, album and the cover, and saves. Prints the
// median milliseconds of one run.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tagfile.h"

static std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Copies `from` to `to` and waits until the copy is on disk, so that every timed run starts
// from a settled file, as a user's recording would be, rather than from one whose pages are
// still being written back.
static bool copyFile(const std::string& from, const std::string& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = out >= 0;
    struct stat st {};
    ok = ok && ::fstat(in, &st) == 0;
    for (off_t left = ok ? st.st_size : 0; ok && left > 0;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(left), 0);
        ok = n > 0;
        left -= n;
    }
    ok = ok && ::fsync(out) == 0;
    if (out >= 0)
        ok = ::close(out) == 0 && ok;
    ::close(in);
    return ok;
}

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: tags_bench inplace|grow FILE COVER N [BASE]\n");
        return 2;
    }
    const std::string mode = argv[1], file = argv[2];
    const std::string cover = readFile(argv[3]);
    const int runs = std::max(1, std::atoi(argv[4]));
    const bool grow = mode == "grow";
    if (grow && argc < 6)
        return 2;
    const std::u16string path(file.begin(), file.end());
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (grow && !copyFile(argv[5], file))
            return 1;
        const std::string title = "Benchmark title " + std::to_string(1000 + i);
        const auto start = std::chrono::steady_clock::now();
        tags::TagFile tf;
        if (tf.open(path) != 0)
            return 1;
        tf.setFieldUtf8(tags::Field::Title, title);
        tf.setFieldUtf8(tags::Field::Artist, "Benchmark artist");
        tf.setFieldUtf8(tags::Field::Album, "Benchmark album");
        tf.setCover(cover.data(), int(cover.size()), 1);
        if (tf.save() != 0)
            return 1;
        tf.close();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%.3f\n", ms[ms.size() / 2]);
    return 0;
}
