// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include "ScoreRules.h"

using namespace zembra;
using namespace zembra::testing;

namespace {
const std::string kEmpty = "............";
}

TEST_F(EngineTest, FullRowsAreFoundBottomUp)
{
    setBoard({"RRRRRRRRRRRR", "RRRRRR.RRRRR", "GGGGGGGGGGGG", "RRRRRRRRRRRR"});
    EXPECT_TRUE(engine.FindFullRows());
    EXPECT_EQ(engine.FullCount, 3);
    EXPECT_EQ(engine.FullRows[1], 21);
    EXPECT_EQ(engine.FullRows[2], 20);
    EXPECT_EQ(engine.FullRows[3], 18);
    EXPECT_EQ(engine.FullRows[4], 0);
    setBoard({"RRRRRRRRRRR."});
    EXPECT_FALSE(engine.FindFullRows());
    EXPECT_EQ(engine.FullCount, 0);
    EXPECT_EQ(engine.FullRows[1], 0);
}

TEST_F(EngineTest, ClearedRowsScoreByTheTable)
{
    window.clearEffect = false;
    for (int rows : {1, 2, 4, 14}) {
        SCOPED_TRACE(std::to_string(rows) + " rows");
        std::vector<std::string> picture(rows, "RRRRRRRRRRRR");
        picture.insert(picture.begin(), "A...........");
        setBoard(picture);
        engine.Score = 0;
        engine.FindFullRows();
        engine.ClearRows();
        EXPECT_EQ(engine.Score, RowScore(rows));
        EXPECT_EQ(board(21)[0], "A..........."); // the cell above fell to the floor
        EXPECT_EQ(shownCells(), 1);
    }
    EXPECT_EQ(RowScore(1), 150);
    EXPECT_EQ(RowScore(4), 1250);
    EXPECT_EQ(RowScore(14), 9999);
}

TEST_F(EngineTest, KeptRowsMoveDownByTheRowsRemovedBelowThemWithTheirColours)
{
    setBoard({
        "....P.......",
        "...YB.......",
        "RRRRRRRRRRRR",  // row 19, full
        "GA.S........",  // row 20, kept
        "BBBBBBBBBBBB",  // row 21, full
    });
    engine.FindFullRows();
    engine.ClearRows();
    EXPECT_EQ(board(17), (std::vector<std::string>{kEmpty, kEmpty, "....P.......", "...YB.......", "GA.S........"}));
}

TEST_F(EngineTest, OnlyTheTopRowFullIsEmptiedAndNothingMoves)
{
    std::vector<std::string> picture(21, kEmpty);
    picture[0] = "SSSSSSSSSSSS";
    picture[20] = "R.R.R.......";
    setBoard(picture);
    engine.FindFullRows();
    engine.ClearRows();
    picture[0] = kEmpty;
    EXPECT_EQ(board(), picture);
    EXPECT_EQ(engine.Score, 150);
}

TEST_F(EngineTest, EveryWipeRunsFromTheMiddleOutwardInSixShorteningTicks)
{
    window.clearEffect = true;
    // Two wipes in one game: after a hard drop, then after a landing by
    // gravity, which must not bring the next piece while the wipe runs.
    for (bool gravity : {false, true}) {
        SCOPED_TRACE(gravity ? "landed by gravity" : "dropped");
        setBoard({".A..........", "RRRRRR.RRRRR", "RRRRRR.RRRRR"});
        const int scoreBefore = engine.Score;
        if (gravity) {
            placePiece(2, {5, 17});  // bar in column 7, rows 17..20
            fall().fire();           // one row down, onto the floor
            fall().fire();           // lands
        } else {
            placePiece(2, {5, 16});  // bar in column 7, rows 16..19; lands in rows 18..21
            engine.DropToBottom();
        }
        ASSERT_TRUE(effect().enabled);
        EXPECT_FALSE(fall().enabled);
        EXPECT_EQ(effect().interval, 51);
        const char* expected[] = {
            "RRRRR..RRRRR", "RRRR....RRRR", "RRR......RRR", "RR........RR", "R..........R",
        };
        const int waits[] = {41, 31, 21, 11, 1};
        for (int tick = 0; tick < 5; ++tick) {
            effect().fire();
            EXPECT_EQ(board(20)[0], expected[tick]) << "tick " << tick + 1;
            EXPECT_EQ(board(21)[0], expected[tick]);
            EXPECT_EQ(effect().interval, waits[tick]) << "tick " << tick + 1;
            EXPECT_EQ(engine.Score, scoreBefore);
            EXPECT_FALSE(engine.Playing);
            EXPECT_EQ(engine.CurShape, 2) << "no new piece during the wipe";
        }
        effect().fire();
        EXPECT_FALSE(effect().enabled);
        EXPECT_TRUE(fall().enabled);
        EXPECT_EQ(engine.Score, scoreBefore + 400);
        EXPECT_EQ(board(19), (std::vector<std::string>{kEmpty, "......R.....", ".A....R....."}));
    }
    EXPECT_EQ(window.displayUpdates, 2);
}

TEST_F(EngineTest, WithoutTheWipeRowsVanishTheMomentThePieceLands)
{
    window.clearEffect = false;
    setBoard({"RRRRRR.RRRRR"});
    queuePieces({2, 13});
    engine.NewPiece();
    engine.PiecePos = {5, 18};
    setBoard({"RRRRRR.RRRRR"});
    engine.DrawPiece({5, 18}, engine.CurRecord);
    fall().fire();
    EXPECT_FALSE(effect().enabled);
    EXPECT_EQ(engine.Score, 150);
    EXPECT_EQ(engine.CurShape, 13) << "the next piece comes in the same tick";
    for (int r = 19; r <= 21; ++r)
        EXPECT_TRUE(cell(7, r).shown) << "the bar's remaining cells fell one row: " << r;
}

TEST_F(EngineTest, NormalModeSpeedsUpWithTheScoreAndAFixedSpeedStays)
{
    const struct {
        bool normal;
        int scoreBefore, intervalBefore, intervalAfter;
    } cases[] = {
        {true, 9850, 500, 400}, {true, 39850, 200, 100}, {true, 100, 500, 500}, {false, 9850, 300, 300},
    };
    for (const auto& c : cases) {
        window.normalMode = c.normal;
        engine.Score = c.scoreBefore;
        engine.FallInterval = c.intervalBefore;
        setBoard({"RRRRRRRRRRRR"});
        engine.FindFullRows();
        engine.ClearRows();
        EXPECT_EQ(engine.FallInterval, c.intervalAfter) << c.scoreBefore;
    }
}
