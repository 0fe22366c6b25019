// The C runtime's srand/rand generator, reproduced so a stored seed gives the same order
// on every build, and the pick of an index from a draw.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace mov {

constexpr int kRandMax = 32767;

class Lcg {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    // state = state * 214013 + 2531011 (mod 2^32); the result is bits 16..30.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

private:
    uint32_t state_ = 1;  // the runtime starts as if seeded with 1
};

// The program's one generator, shared like the runtime's srand/rand state.
Lcg& TheRand();

// floor(n * r / 32767), with r = 32767 giving the last index n - 1. Computed in 64 bits,
// so long lists do not overflow; short lists get what 32-bit arithmetic gives.
int32_t PickIndex(int32_t n, int r);

// The staging shuffle: seeds `rng` with `seed`, then repeatedly moves the picked entry of
// what is left to the end of the result.
std::vector<std::string> ShuffleEntries(std::vector<std::string> staged, uint32_t seed, Lcg& rng);

}  // namespace mov
