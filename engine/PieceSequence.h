// SPDX-License-Identifier: MIT
// The order of pieces of one game, drawn in advance at every game start.
#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace zembra {

constexpr int SequenceLength = 5000;
constexpr int NormalPoolSize = 24;
constexpr int AdvancedPoolSize = 48;

// Entries 1..48: the first 24 are the normal pool, the rest join in the
// advanced block mode. Entry 0 unused.
extern const std::array<int, AdvancedPoolSize + 1> ShapeIdPool;

// Entries 1..5000 (entry 0 unused); written only by BuildPieceSequence.
extern std::array<int, SequenceLength + 1> PieceSequence;

// Index of the current piece in PieceSequence; 0 before the first piece.
extern int SequencePos;

// Fills all 5000 entries with independent uniform draws from the first 24
// pool entries, or all 48 in the advanced block mode, using rng.
void BuildPieceSequence(bool advanced, std::mt19937& rng);

// The same, reseeded from the clock, so no game continues the previous
// game's draws.
void BuildPieceSequence(bool advanced);

// The seed a build takes from the clock: the low 32 bits of the steady clock.
std::uint32_t ClockSeed();

}  // namespace zembra
