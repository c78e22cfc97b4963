// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

using namespace zembra;
using namespace zembra::testing;

TEST_F(EngineTest, SidewaysMovesStopAtWallsAndTheStack)
{
    const struct {
        const char* what;
        std::vector<std::string> board;
        int id;
        Position start;
        bool left;
        int expectedColumn;
    } cases[] = {
        {"free move left", {}, 2, {5, 5}, true, 4},
        {"free move right", {}, 2, {5, 5}, false, 6},
        {"left wall", {}, 1, {1, 5}, true, 1},
        {"right wall", {}, 1, {9, 5}, false, 9},
        {"standing bar at column 1", {}, 2, {-1, 5}, true, -1},
        {"standing bar at column 12", {}, 2, {10, 5}, false, 10},
        {"stack on the left", {"...R........"}, 2, {3, 18}, true, 3},
        {"stack on the right", {".....R......"}, 2, {3, 18}, false, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setBoard(c.board);
        placePiece(c.id, c.start);
        const auto before = board();
        c.left ? engine.MoveLeft() : engine.MoveRight();
        EXPECT_EQ(engine.PiecePos.Column, c.expectedColumn);
        if (c.expectedColumn == c.start.Column)
            EXPECT_EQ(board(), before) << "a refused move redraws nothing";
        else
            EXPECT_EQ(shownCells(), static_cast<int>(4 + (c.board.empty() ? 0 : 1)));
    }
}

TEST_F(EngineTest, MovesAreIgnoredWhileNoPieceIsLive)
{
    placePiece(13, {5, 5});
    engine.Playing = false;
    const auto before = board();
    engine.MoveLeft();
    engine.MoveRight();
    engine.Rotate();
    engine.DropToBottom();
    EXPECT_EQ(board(), before);
    EXPECT_EQ(engine.CurShape, 13);
    EXPECT_EQ(engine.PiecePos, (Position{5, 5}));
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(EngineTest, RotationFollowsTheDirectionSetting)
{
    const struct {
        int from;
        bool clockwise;
        int to;
    } cases[] = {{1, true, 2}, {4, true, 1}, {1, false, 4}, {13, false, 16}, {45, true, 46}, {48, true, 45}, {46, false, 45}};
    for (const auto& c : cases) {
        engine.ClearWell();
        window.clockwise = c.clockwise;
        placePiece(c.from, {5, 5});
        window.sounds.clear();
        engine.Rotate();
        EXPECT_EQ(engine.CurShape, c.to) << c.from;
        EXPECT_EQ(engine.CurRecord, ShapeTable[c.to]);
        EXPECT_EQ(window.sounds, std::vector<std::string>{"turn"});
        EXPECT_EQ(shownCells(), ShapeCellCount(c.from)) << "the old orientation is erased";
    }
}

TEST_F(EngineTest, RotationIntoRowZeroIsRefusedUntilThePieceHasFallen)
{
    queuePieces({1});
    engine.NewPiece();  // lying bar at row 0; standing form needs DY 0
    engine.Rotate();
    EXPECT_EQ(engine.CurShape, 1);
    EXPECT_TRUE(window.sounds.empty()) << "no sound for a refused turn";
    fall().fire();
    engine.Rotate();
    EXPECT_EQ(engine.CurShape, 2);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"turn"});
}

TEST_F(EngineTest, RotationIsNeverShiftedToFit)
{
    const struct {
        const char* what;
        std::vector<std::string> board;
        int id;
        Position pos;
    } cases[] = {
        {"standing bar at the right wall", {}, 2, {10, 5}},   // id 3 would reach column 13
        {"standing bar at the left wall", {}, 4, {-1, 5}},    // id 1 would reach column 0
        {"standing bar over the floor", {}, 1, {5, 20}},      // id 2 would reach row 22
        {"onto the stack", {".....R......", "............", "............", "............"}, 13, {5, 17}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setBoard(c.board);
        placePiece(c.id, c.pos);
        window.sounds.clear();
        const auto before = board();
        engine.Rotate();
        EXPECT_EQ(engine.CurShape, c.id);
        EXPECT_EQ(engine.PiecePos, c.pos);
        EXPECT_EQ(board(), before);
        EXPECT_TRUE(window.sounds.empty());
    }
}

TEST_F(EngineTest, HardDropStopsOnTheStackOrTheFloor)
{
    const struct {
        const char* what;
        std::vector<std::string> board;
        int id;
        Position start;
        int landedRow;
    } cases[] = {
        {"empty well", {}, 13, {5, 1}, 19},
        {"onto the stack", {"......R.....", "......R....."}, 2, {5, 1}, 16},
        {"already resting", {"......R....."}, 2, {5, 17}, 17},
        {"piercing block rests on top", {"............", "......R.....", "............"}, 51, {5, 1}, 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setBoard(c.board);
        placePiece(c.id, c.start);
        engine.DropToBottom();
        EXPECT_EQ(engine.PiecePos.Row, c.landedRow);
        EXPECT_FALSE(engine.Playing) << "the piece has landed";
        EXPECT_EQ(shownCells(), static_cast<int>(ShapeCellCount(c.id) + [&] {
                      int n = 0;
                      for (const auto& row : c.board)
                          for (char ch : row)
                              n += ch != '.';
                      return n;
                  }()));
    }
}
