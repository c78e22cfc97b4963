// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

using namespace zembra;
using namespace zembra::testing;

TEST_F(EngineTest, FillerDropsCellsUntilTheColumnReachesIt)
{
    placePiece(49, {5, 1});  // column 7, rows 1..3
    for (int press = 0; press < 18; ++press) {
        engine.Rotate();
        EXPECT_TRUE(cell(7, 21 - press).shown) << "press " << press + 1;
        EXPECT_EQ(cell(7, 21 - press).picture, "fk49");
    }
    EXPECT_EQ(shownCells(), 3 + 18);
    window.sounds.clear();
    const auto before = board();
    engine.Rotate();
    EXPECT_EQ(board(), before) << "a full column only plays the sound";
    EXPECT_EQ(window.sounds, std::vector<std::string>{"xa"});
    EXPECT_EQ(engine.CurShape, 49);
    EXPECT_EQ(engine.PiecePos, (Position{5, 1}));
}

TEST_F(EngineTest, FillerSettlesOnTheStackAndLeavesNoTraceWhenResting)
{
    setBoard({"......A.....", "............", "............"});
    placePiece(49, {5, 5});
    engine.Rotate();
    EXPECT_TRUE(cell(7, 18).shown) << "on top of the stack in row 19";
    EXPECT_FALSE(cell(7, 20).shown);

    setBoard({"......A....."});
    placePiece(49, {5, 18});  // rows 18..20, resting on row 21
    window.sounds.clear();
    engine.Rotate();
    EXPECT_EQ(window.sounds, std::vector<std::string>{"xa"});
    engine.MoveLeft();
    EXPECT_EQ(board(18), (std::vector<std::string>{".....F......", ".....F......", ".....F......", "......A....."}));
}

TEST_F(EngineTest, FillerCompletingARowLeavesItUntilTheLanding)
{
    window.clearEffect = false;
    setBoard({"RRRRRR.RRRRR"});
    placePiece(49, {5, 2});
    engine.Rotate();
    EXPECT_EQ(board(21)[0], "RRRRRRFRRRRR");
    EXPECT_EQ(engine.Score, 0);
    engine.DropToBottom();
    EXPECT_EQ(engine.Score, 150);
}

TEST_F(EngineTest, EraserDigsTheColumnOneCellAPress)
{
    placePiece(50, {5, 1});  // column 7, rows 1..2
    engine.Rotate();
    EXPECT_TRUE(window.sounds.empty()) << "nothing to erase, no sound";
    setBoard({"......R.....", "......G.....", "......B....."});
    placePiece(50, {5, 1});
    for (int r = 19; r <= 21; ++r) {
        window.sounds.clear();
        engine.Rotate();
        EXPECT_FALSE(cell(7, r).shown) << r;
        EXPECT_EQ(window.sounds, std::vector<std::string>{"xa"});
    }
    EXPECT_EQ(shownCells(), 2);
    window.sounds.clear();
    engine.Rotate();
    EXPECT_TRUE(window.sounds.empty());
    // The eraser's own cells and its neighbours are never touched.
    setBoard({".....RRR....", "......G....."});
    placePiece(50, {5, 18});  // rows 18..19, cell below is (7, 20)
    engine.Rotate();
    EXPECT_EQ(board(18), (std::vector<std::string>{"......E.....", "......E.....", ".....R.R....", "......G....."}));
}

TEST_F(EngineTest, PiercingBlockFallsThroughTheStackIntoTheHighestHole)
{
    setBoard({"......R.....", "......R.....", "............", "......R.....", "......G....."});
    placePiece(51, {5, 16});  // column 7, row 16; stack below from row 17
    window.sounds.clear();
    engine.FallStep();
    EXPECT_EQ(engine.PiecePos.Row, 19);
    EXPECT_TRUE(cell(7, 19).shown);
    EXPECT_EQ(cell(7, 19).picture, "fk51");
    EXPECT_FALSE(cell(7, 16).shown);
    EXPECT_TRUE(cell(7, 17).shown) << "the stack it passed through stays";
    EXPECT_EQ(window.sounds, std::vector<std::string>{"ct"});
    window.sounds.clear();
    engine.FallStep();
    EXPECT_FALSE(engine.Playing) << "nothing empty below: it lands";
    EXPECT_EQ(window.sounds, std::vector<std::string>{"down"});
}

TEST_F(EngineTest, PiercingBlockOnTheFloorLands)
{
    placePiece(51, {5, 21});
    engine.FallStep();
    EXPECT_FALSE(engine.Playing);
    EXPECT_TRUE(cell(7, 21).shown);
}

TEST_F(EngineTest, PiercingBlockJumpsSidewaysOverCellsButNotPastTheWall)
{
    const struct {
        const char* what;
        std::string row;  // row 10
        int startColumn;  // of the block's cell
        bool left;
        int endColumn;
    } cases[] = {
        {"one step right", "............", 7, false, 8},
        {"over a wall of cells", "......XRRR..", 7, false, 11},
        {"into a gap on the left", "..R.RRX.....", 7, true, 4},
        {"into the last column", "......XRRRR.", 7, false, 12},
        {"into the first column", ".RRRRRX.....", 7, true, 1},
        {"right wall", "...........X", 12, false, 12},
        {"left wall", "X...........", 1, true, 1},
        {"row full to the wall", "......XRRRRR", 7, false, 7},
        {"row full to the left wall", "RRRRRRX.....", 7, true, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> picture(12, "............");
        picture[0] = c.row;
        setBoard(picture);  // row 10 is the first of the twelve
        placePiece(51, {c.startColumn - 2, 10});
        window.sounds.clear();
        c.left ? engine.MoveLeft() : engine.MoveRight();
        EXPECT_EQ(engine.PiecePos.Column + 2, c.endColumn);
        EXPECT_TRUE(cell(c.endColumn, 10).shown);
        EXPECT_EQ(window.sounds.size(), c.endColumn == c.startColumn ? 0u : 1u);
        int others = 0;
        for (char ch : c.row)
            others += ch == 'R';
        EXPECT_EQ(shownCells(), others + 1);
    }
}

TEST_F(EngineTest, RotateDoesNothingForThePiercingBlock)
{
    placePiece(51, {5, 5});
    const auto before = board();
    engine.Rotate();
    EXPECT_EQ(board(), before);
    EXPECT_EQ(engine.CurShape, 51);
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(EngineTest, SpecialActionsIgnoreTheDirectionSetting)
{
    window.clockwise = false;
    placePiece(49, {5, 1});
    engine.Rotate();
    EXPECT_TRUE(cell(7, 21).shown);
    EXPECT_EQ(engine.CurShape, 49);
}
