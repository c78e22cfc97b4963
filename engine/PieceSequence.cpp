// SPDX-License-Identifier: MIT
#include "PieceSequence.h"

#include <chrono>

namespace zembra {

const std::array<int, AdvancedPoolSize + 1> ShapeIdPool = {
    0,
    1,  2,  3,  4,  5,  6,  9,  10, 13, 14, 15, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
    29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 41, 42,
    45, 46, 47, 48, 49, 49, 50, 50, 51, 51, 51, 51,
};

std::array<int, SequenceLength + 1> PieceSequence{};
int SequencePos = 0;

void BuildPieceSequence(bool advanced, std::mt19937& rng)
{
    const int n = advanced ? AdvancedPoolSize : NormalPoolSize;
    std::uniform_int_distribution<int> draw(0, n - 1);
    for (int i = 1; i <= SequenceLength; ++i)
        PieceSequence[i] = ShapeIdPool[draw(rng) + 1];
}

std::uint32_t ClockSeed()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks);
}

void BuildPieceSequence(bool advanced)
{
    std::mt19937 rng(ClockSeed());
    BuildPieceSequence(advanced, rng);
}

}  // namespace zembra
