#pragma once
// Comparing fingerprints: how well a query lines up with a reference at an offset, counted
// in differing bits. Two fingerprints of the same sound differ in few bits even after lossy
// coding or a trip through a sound server; unrelated sounds differ in about half of them.

#include <cstdint>
#include <vector>

namespace brisca {

// A query matches when at most this share of the compared bits differ.
constexpr double kMaxBitErrorRate = 0.30;
// Fewer compared items (about 5 s) say too little to call anything a match.
constexpr int kMinOverlapItems = 40;

struct Alignment {
    int64_t offsetItems = 0;  // query item i lines up with reference item i + offsetItems
    int overlapItems = 0;
    double bitErrorRate = 1.0;

    bool matches() const
    {
        return overlapItems >= kMinOverlapItems && bitErrorRate <= kMaxBitErrorRate;
    }
    // 1 for identical items, falling to 0 at the bit-error rate of unrelated sound (0.5).
    double confidence() const;
};

// The share of differing bits where query and reference overlap at one offset.
Alignment alignAt(const std::vector<uint32_t>& reference, const std::vector<uint32_t>& query,
                  int64_t offsetItems);
// The best alignment within radius items of offsetItems.
Alignment bestAlignmentNear(const std::vector<uint32_t>& reference,
                            const std::vector<uint32_t>& query, int64_t offsetItems, int radius);

}  // namespace brisca
