// The runtime's generator, the index pick and the "Rand2" shuffle.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "collection/runtime_rand.h"

namespace {

TEST(RuntimeRand, MatchesTheRuntimeSequence) {
    mov::Lcg rng;  // unseeded behaves as seed 1
    std::vector<int> got;
    for (int i = 0; i < 5; ++i) got.push_back(rng.Next());
    EXPECT_EQ(got, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    rng.Seed(1);
    EXPECT_EQ(rng.Next(), 41);
    rng.Seed(0);
    EXPECT_EQ(rng.Next(), 38);
    EXPECT_EQ(rng.Next(), 7719);
    rng.Seed(0xffffffffu);  // a negative stored seed as the runtime takes it
    int r = rng.Next();
    EXPECT_GE(r, 0);
    EXPECT_LE(r, mov::kRandMax);
}

TEST(RuntimeRand, PickIndexCoversTheListAndDoesNotOverflow) {
    EXPECT_EQ(mov::PickIndex(3, 0), 0);
    EXPECT_EQ(mov::PickIndex(3, 32766), 2);
    EXPECT_EQ(mov::PickIndex(3, 32767), 2);  // would be n: the last entry
    EXPECT_EQ(mov::PickIndex(1, 32767), 0);
    // Same as 32-bit arithmetic where that does not overflow.
    for (int32_t n : {1, 2, 7, 1000, 65536})
        for (int r : {0, 1, 16383, 32766}) EXPECT_EQ(mov::PickIndex(n, r), n * r / 32767) << n << " " << r;
    // 100000 * 32766 overflows 32 bits; the pick stays inside the list.
    EXPECT_EQ(mov::PickIndex(100000, 32766), 99996);
    EXPECT_EQ(mov::PickIndex(2000000000, 32767), 1999999999);
}

TEST(RuntimeRand, ShuffleIsReproducibleFromItsSeed) {
    std::vector<std::string> staged{"a", "b", "c"};
    mov::Lcg rng;
    // Seed 1 draws 41, 18467, 6334: indices 0 of 3, 1 of 2, 0 of 1.
    EXPECT_EQ(mov::ShuffleEntries(staged, 1, rng), (std::vector<std::string>{"a", "c", "b"}));

    std::vector<std::string> many;
    for (int i = 0; i < 200; ++i) many.push_back("p" + std::to_string(i));
    auto first = mov::ShuffleEntries(many, 12345, rng);
    rng.Next();  // whatever happened in between, the seed alone decides
    auto again = mov::ShuffleEntries(many, 12345, rng);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, many);
    EXPECT_NE(mov::ShuffleEntries(many, 12346, rng), first);
    auto sorted = first;
    std::sort(sorted.begin(), sorted.end());
    auto expected = many;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);  // every entry exactly once
}

}  // namespace
