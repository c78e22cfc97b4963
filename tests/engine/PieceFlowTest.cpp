// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

using namespace zembra;
using namespace zembra::testing;

TEST_F(EngineTest, NewPieceTakesTheNextThreeEntriesAsARing)
{
    for (int i = 1; i <= SequenceLength; ++i)
        PieceSequence[i] = 1 + i % 28;
    const struct {
        int before, cur, next, afterNext;
    } cases[] = {{0, 1, 2, 3}, {4998, 4999, 5000, 1}, {4999, 5000, 1, 2}, {5000, 1, 2, 3}};
    for (const auto& c : cases) {
        engine.ClearWell();
        SequencePos = c.before;
        engine.NewPiece();
        EXPECT_EQ(SequencePos, c.cur);
        EXPECT_EQ(engine.CurShape, PieceSequence[c.cur]);
        EXPECT_EQ(engine.NextShape, PieceSequence[c.next]);
        EXPECT_EQ(engine.NextNextShape, PieceSequence[c.afterNext]);
        EXPECT_EQ(engine.NextRecord, ShapeTable[engine.NextShape]);
        EXPECT_EQ(engine.NextNextCount, ShapeCellCount(engine.NextNextShape));
    }
}

TEST_F(EngineTest, EveryShapeSpawnsInColumnsFiveToEightWithItsTopInRowOne)
{
    for (int id = 1; id <= 51; ++id) {
        SCOPED_TRACE("id " + std::to_string(id));
        engine.ClearWell();
        queuePieces({id});
        engine.NewPiece();
        const bool rowZero = id == 1 || id == 16 || id == 18 || id == 23 || id == 29 || id == 47 || id == 48;
        EXPECT_EQ(engine.PiecePos, (Position{5, rowZero ? 0 : 1}));
        EXPECT_EQ(TZembra::SpawnRow(id), rowZero ? 0 : 1);
        int top = 99;
        for (int k = 1; k <= engine.CurCount; ++k) {
            const int c = engine.PiecePos.Column + engine.CurRecord[k].DX;
            const int r = engine.PiecePos.Row + engine.CurRecord[k].DY;
            EXPECT_GE(c, 5);
            EXPECT_LE(c, 8);
            EXPECT_TRUE(cell(c, r).shown);
            EXPECT_EQ(cell(c, r).picture, ShapePicture(id));
            top = std::min(top, r);
        }
        EXPECT_EQ(top, id == 3 ? 2 : 1) << "id 3 keeps row 1 free above it";
        EXPECT_EQ(shownCells(), ShapeCellCount(id));
        EXPECT_TRUE(engine.Playing);
        EXPECT_TRUE(fall().enabled);
    }
}

TEST_F(EngineTest, GravityMovesThePieceOneRowATick)
{
    queuePieces({2});
    engine.NewPiece();
    fall().fire();
    EXPECT_EQ(engine.PiecePos.Row, 2);
    EXPECT_FALSE(cell(7, 1).shown);
    EXPECT_TRUE(cell(7, 5).shown);
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(EngineTest, LandingByGravityBringsTheNextPieceInTheSameTick)
{
    queuePieces({2, 13});
    engine.NewPiece();
    engine.PiecePos = {5, 18};
    engine.ClearWell();
    engine.DrawPiece({5, 18}, engine.CurRecord);
    const int restarts = fall().restarts;
    fall().fire();
    EXPECT_EQ(engine.CurShape, 13) << "the next piece spawned in the landing tick";
    EXPECT_TRUE(engine.Playing);
    EXPECT_GT(fall().restarts, restarts) << "the landing restarts the fall period";
    EXPECT_EQ(takeSounds(), std::vector<std::string>{"down"});
    EXPECT_EQ(window.messageHides, 1) << "a landing hides the level-up message";
    for (int r = 18; r <= 21; ++r)
        EXPECT_TRUE(cell(7, r).shown);
}

TEST_F(EngineTest, HardDropLandsAtOnceAndTheNextPieceWaitsForTheTick)
{
    setBoard({"R..........."});
    queuePieces({2, 1});
    engine.NewPiece();
    engine.DropToBottom();
    EXPECT_FALSE(engine.Playing);
    EXPECT_TRUE(fall().enabled);
    EXPECT_EQ(board(18), (std::vector<std::string>{"......R.....", "......R.....", "......R.....", "R.....R....."}));
    EXPECT_EQ(engine.CurShape, 2);
    fall().fire();
    EXPECT_EQ(engine.CurShape, 1);
    EXPECT_TRUE(engine.Playing);
}

TEST_F(EngineTest, SoftDropLastsUntilTheNextPiece)
{
    queuePieces({2, 13});
    engine.NewPiece();
    engine.StartSoftDrop(20);
    EXPECT_EQ(fall().interval, 20);
    engine.FallInterval = 300;  // a new speed reaches the timer at the next spawn
    EXPECT_EQ(fall().interval, 20);
    engine.DropToBottom();
    fall().fire();
    EXPECT_EQ(fall().interval, 300);
    engine.StartSoftDrop(20);
    engine.StopSoftDrop();
    EXPECT_EQ(fall().interval, 300);
}

TEST_F(EngineTest, BlockedSpawnEndsTheGameOverTheStack)
{
    setBoard({"......R.....", "......R.....", "RRRRRR.RRRRR"});
    for (int r = 1; r <= 18; ++r)
        cell(7, r).shown = true, cell(7, r).picture = "zz";
    queuePieces({13, 2, 29});
    window.pauseEnabled = true;
    window.advancedEnabled = false;
    engine.NewPiece();
    EXPECT_FALSE(engine.Playing);
    EXPECT_FALSE(fall().enabled);
    EXPECT_EQ(window.banners, 1);
    EXPECT_FALSE(window.pauseEnabled);
    EXPECT_TRUE(window.advancedEnabled);
    EXPECT_EQ(takeSounds(), std::vector<std::string>{"lose"});
    EXPECT_TRUE(cell(6, 1).shown) << "the new piece is drawn over the stack";
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 21; ++r) {
            if (cell(c, r).shown) {
                EXPECT_EQ(cell(c, r).picture, "hy") << c << "," << r;
            }
        }
    EXPECT_EQ(engine.NextShape, 2);
    EXPECT_TRUE(nextImage(1).shown) << "previews still show what would have come";
    EXPECT_EQ(nextImage(1).picture, "tt");
    EXPECT_TRUE(afterNextImage(5).shown);
    // Nothing moves after the end.
    fall().fire();
    engine.MoveLeft();
    engine.DropToBottom();
    EXPECT_TRUE(window.sounds.empty());
}

TEST_F(EngineTest, LandingSoundsStopOnceTheLevelsRunOut)
{
    const struct {
        const char* what;
        int score, levelShown;
        bool fullRow;
        std::vector<std::string> sounds;
    } cases[] = {
        {"plain landing", 0, 0, false, {"down"}},
        {"landing that fills a row", 0, 0, true, {"xc"}},
        {"59999 points, level 5 announced", 59999, 5, false, {"down"}},
        {"60000 points", 60000, 5, false, {}},
        {"60000 points with a full row", 60000, 5, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window.clearEffect = true;
        setBoard({c.fullRow ? "RRRRRR.RRRRR" : "RRRRRR..RRRR"});
        engine.Score = c.score;
        window.levelShown = c.levelShown;
        placePiece(2, {5, 17});
        window.sounds.clear();
        engine.DropToBottom();
        EXPECT_EQ(window.sounds, c.sounds);
        effect().enabled = false;
    }
}
