// tags_bench: times our tag writer on one file, for bench/tags.sh.
//   tags_bench inplace FILE COVER N       edit FILE N times (tags already there, fits padding)
//   tags_bench grow FILE COVER N BASE     copy BASE to FILE (not timed), then tag it; N times
// Each run opens the file, sets title, artist, album and the cover, and saves. Prints the
// median milliseconds of one run.

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

static bool copyFile(const std::string& from, const std::string& to)
{
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return bool(out);
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
