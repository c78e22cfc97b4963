// SPDX-License-Identifier: MIT
// An engine on fakes, with boards written as ASCII pictures: one string a
// row, '.' empty, a letter a cell showing that letter's picture.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineFakes.h"
#include "PieceSequence.h"
#include "ZembraUnit.h"

namespace zembra::testing {

// Letters of the ASCII boards and the pictures they stand for.
std::string pictureOfLetter(char letter);
char letterOfPicture(const std::string& picture);

class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    ManualTimer& fall() { return *window.timers.at(0); }
    ManualTimer& effect() { return *window.timers.at(1); }
    FakeImage& cell(int c, int r) { return static_cast<FakeImage&>(engine.Cell(c, r)); }
    FakeImage& nextImage(int i) { return static_cast<FakeImage&>(*engine.NextImages[i]); }
    FakeImage& afterNextImage(int i) { return static_cast<FakeImage&>(*engine.NextNextImages[i]); }

    // Fills the bottom rows of the well from the picture (its last string is
    // row 21); everything above is emptied.
    void setBoard(const std::vector<std::string>& bottomRows);
    // The well as text, rows `from` to 21.
    std::vector<std::string> board(int from = 1);
    // Makes `id` the live falling piece at `pos`, drawn into the well.
    void placePiece(int id, Position pos);
    // Fills the sequence so the next NewPiece spawns `ids` in turn.
    void queuePieces(const std::vector<int>& ids);
    int shownCells();
    std::vector<std::string> takeSounds();

    FakeParent well;
    FakeWindow window;
    TZembra engine;
};

}  // namespace zembra::testing
