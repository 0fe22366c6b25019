// The runtime's linear congruential generator and the shuffle built on it.
#include "collection/runtime_rand.h"

namespace mov {

Lcg& TheRand() {
    static Lcg rng;
    return rng;
}

int32_t PickIndex(int32_t n, int r) {
    if (n <= 0) return 0;
    int64_t i = static_cast<int64_t>(n) * r / kRandMax;
    if (i >= n) i = n - 1;
    if (i < 0) i = 0;
    return static_cast<int32_t>(i);
}

std::vector<std::string> ShuffleEntries(std::vector<std::string> staged, uint32_t seed, Lcg& rng) {
    rng.Seed(seed);
    std::vector<std::string> out;
    out.reserve(staged.size());
    while (!staged.empty()) {
        int r = rng.Next();
        int32_t i = PickIndex(static_cast<int32_t>(staged.size()), r);
        out.push_back(std::move(staged[static_cast<size_t>(i)]));
        staged.erase(staged.begin() + i);
    }
    return out;
}

}  // namespace mov
