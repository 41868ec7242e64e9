#include "fingerprintmatch.h"

#include <algorithm>

namespace brisca {

double Alignment::confidence() const
{
    return std::clamp(1.0 - 2.0 * bitErrorRate, 0.0, 1.0);
}

Alignment alignAt(const std::vector<uint32_t>& reference, const std::vector<uint32_t>& query,
                  int64_t offsetItems)
{
    Alignment a;
    a.offsetItems = offsetItems;
    const int64_t first = std::max<int64_t>(0, -offsetItems);
    const int64_t end =
        std::min<int64_t>(int64_t(query.size()), int64_t(reference.size()) - offsetItems);
    if (end <= first)
        return a;
    int64_t differing = 0;
    for (int64_t i = first; i < end; ++i)
        differing += __builtin_popcount(query[size_t(i)] ^ reference[size_t(i + offsetItems)]);
    a.overlapItems = int(end - first);
    a.bitErrorRate = double(differing) / (32.0 * double(a.overlapItems));
    return a;
}

Alignment bestAlignmentNear(const std::vector<uint32_t>& reference,
                            const std::vector<uint32_t>& query, int64_t offsetItems, int radius)
{
    Alignment best;
    for (int64_t o = offsetItems - radius; o <= offsetItems + radius; ++o) {
        const Alignment a = alignAt(reference, query, o);
        if (a.overlapItems >= kMinOverlapItems && a.bitErrorRate < best.bitErrorRate)
            best = a;
    }
    return best;
}

}  // namespace brisca
