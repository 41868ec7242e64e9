// Helper of bench/recognize.sh, working on the engine's catalogue directly:
//   recognize_bench fill CATALOGUE COUNT SECONDS   adds COUNT tracks of synthetic fingerprints
//                                                  (SECONDS long each) and prints the bytes
//                                                  the catalogue file takes per track
//   recognize_bench lookup CATALOGUE FILE RUNS     fingerprints FILE once, then times RUNS
//                                                  identifications of it (open and look up) and
//                                                  prints the median in milliseconds

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "fingerprinter.h"

using namespace brisca;

namespace {

int fill(const std::string& path, int count, double seconds)
{
    std::mt19937 random(20261206);
    const size_t items = size_t(Fingerprinter::usToItems(int64_t(seconds * 1e6)));
    Catalogue catalogue(path);
    std::string error;
    if (!catalogue.open(true, &error))
        return std::fprintf(stderr, "%s\n", error.c_str()), 1;
    const int before = int(catalogue.trackCount(&error));
    std::vector<CatalogueTrack> batch;
    for (int i = 0; i < count; ++i) {
        CatalogueTrack t;
        t.path = "/synthetic/" + std::to_string(i) + ".flac";
        t.durationUs = int64_t(seconds * 1e6);
        t.tags = {{"title", "Synthetic " + std::to_string(i)},
                  {"artist", "Bench"},
                  {"album", "Bulk " + std::to_string(i / 12)},
                  {"genre", "Noise"}};
        // Neighbouring items of a real fingerprint share most bits; so do these.
        uint32_t item = random();
        for (size_t k = 0; k < items; ++k) {
            item ^= 1u << (random() % 32) | 1u << (random() % 32);
            t.items.push_back(item);
        }
        batch.push_back(std::move(t));
        if (batch.size() == 500 || i + 1 == count) {
            if (!catalogue.add(batch, nullptr, &error))
                return std::fprintf(stderr, "%s\n", error.c_str()), 1;
            batch.clear();
        }
    }
    const int64_t tracks = catalogue.trackCount(&error);
    std::printf("tracks: %lld (%d before)\nbytes per track: %lld\n", static_cast<long long>(tracks),
                before,
                static_cast<long long>(catalogue.fileBytes() / std::max<int64_t>(tracks, 1)));
    return 0;
}

int lookup(const std::string& path, const std::string& file, int runs)
{
    std::vector<uint32_t> items;
    int64_t durationUs = 0;
    std::string error;
    if (!fingerprintFile(file, 0, &items, &durationUs, &error))
        return std::fprintf(stderr, "%s\n", error.c_str()), 1;
    std::vector<double> ms;
    CatalogueMatch match;
    bool found = false;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        Catalogue catalogue(path);
        found = catalogue.open(false, &error) && catalogue.identify(items, &match, &error);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("match: %s (confidence %.3f, offset %.2f s)%s%s\n",
                found ? match.tags["title"].c_str() : "none", match.confidence,
                double(match.offsetUs) / 1e6, error.empty() ? "" : ": ", error.c_str());
    std::printf("lookup ms: %.2f (median of %d, fastest %.2f, slowest %.2f)\n", ms[ms.size() / 2],
                runs, ms.front(), ms.back());
    return found ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "fill" && argc == 5)
        return fill(argv[2], std::atoi(argv[3]), std::atof(argv[4]));
    if (command == "lookup" && argc == 5)
        return lookup(argv[2], argv[3], std::max(1, std::atoi(argv[4])));
    std::fprintf(stderr,
                 "usage: recognize_bench fill CATALOGUE COUNT SECONDS\n"
                 "       recognize_bench lookup CATALOGUE FILE RUNS\n");
    return 2;
}
