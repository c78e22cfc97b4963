// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>

#include "PieceSequence.h"

using namespace zembra;

namespace {

std::map<int, int> countDraws(bool advanced, int builds, unsigned seed)
{
    std::mt19937 rng(seed);
    std::map<int, int> counts;
    for (int b = 0; b < builds; ++b) {
        BuildPieceSequence(advanced, rng);
        for (int i = 1; i <= SequenceLength; ++i)
            ++counts[PieceSequence[i]];
    }
    return counts;
}

}  // namespace

TEST(PieceSequence, PoolHoldsItsEntriesInOrder)
{
    // Entries 1 to 24 the normal pool, 25 to 48 the advanced additions.
    const std::array<int, AdvancedPoolSize + 1> pool = {
        0,  1,  2,  3,  4,  5,  6,  9,  10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
        29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 41, 42, 45, 46, 47, 48, 49, 49, 50, 50, 51, 51, 51, 51,
    };
    EXPECT_EQ(ShapeIdPool, pool);
}

TEST(PieceSequence, NormalPoolHoldsOnlyTheSevenTetrominoes)
{
    std::mt19937 rng(1);
    PieceSequence.fill(0);
    BuildPieceSequence(false, rng);
    for (int i = 1; i <= SequenceLength; ++i) {
        const int id = PieceSequence[i];
        ASSERT_GE(id, 1) << "entry " << i;
        ASSERT_LE(id, 28) << "entry " << i;
        ASSERT_TRUE(id != 7 && id != 8 && id != 11 && id != 12) << "entry " << i << " is " << id;
    }
}

TEST(PieceSequence, AdvancedPoolAddsTheSpecialBlocksButNoRotationOnlyIds)
{
    std::mt19937 rng(2);
    PieceSequence.fill(0);
    BuildPieceSequence(true, rng);
    std::map<int, int> seen;
    for (int i = 1; i <= SequenceLength; ++i) {
        const int id = PieceSequence[i];
        ASSERT_GE(id, 1);
        ASSERT_LE(id, 51);
        ASSERT_TRUE(id != 39 && id != 40 && id != 43 && id != 44) << id;
        ++seen[id];
    }
    EXPECT_GT(seen[49], 0);
    EXPECT_GT(seen[50], 0);
    EXPECT_GT(seen[51], 0);
}

TEST(PieceSequence, OddsFollowThePoolEntries)
{
    // Twenty builds give 100000 draws; each family's share must be within
    // 1.5 percentage points of its number of pool entries.
    const struct {
        bool advanced;
        int pool;
        std::vector<std::pair<std::vector<int>, int>> families;
    } cases[] = {
        {false, 24, {{{1, 2, 3, 4}, 4}, {{5, 6}, 2}, {{9, 10}, 2}, {{13, 14, 15, 16}, 4},
                     {{17, 18, 19, 20}, 4}, {{21, 22, 23, 24}, 4}, {{25, 26, 27, 28}, 4}}},
        {true, 48, {{{1, 2, 3, 4}, 4}, {{5, 6}, 2}, {{29, 30, 31, 32}, 4}, {{37, 38}, 2},
                    {{45, 46, 47, 48}, 4}, {{49}, 2}, {{50}, 2}, {{51}, 4}}},
    };
    for (const auto& c : cases) {
        const auto counts = countDraws(c.advanced, 20, 77);
        const double total = 20.0 * SequenceLength;
        for (const auto& [ids, entries] : c.families) {
            int n = 0;
            for (int id : ids)
                n += counts.count(id) ? counts.at(id) : 0;
            EXPECT_NEAR(n / total, static_cast<double>(entries) / c.pool, 0.015)
                << (c.advanced ? "advanced" : "normal") << " family of " << ids.front();
        }
    }
}

TEST(PieceSequence, EachBuildStartsFromItsOwnSeed)
{
    std::mt19937 a(5), b(5);
    BuildPieceSequence(false, a);
    const auto first = PieceSequence;
    BuildPieceSequence(false, b);
    EXPECT_EQ(first, PieceSequence) << "the same seed draws the same game";

    BuildPieceSequence(false);
    const auto clockGame = PieceSequence;
    BuildPieceSequence(false);
    EXPECT_NE(clockGame, PieceSequence) << "two games seeded from the clock differ";
}
