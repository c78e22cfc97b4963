// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

using namespace zembra;
using namespace zembra::testing;

TEST_F(EngineTest, PauseWhileFallingFreezesAndResumesThePiece)
{
    queuePieces({2});
    engine.NewPiece();
    engine.Freeze();
    EXPECT_FALSE(fall().enabled);
    EXPECT_FALSE(engine.Playing);
    engine.MoveLeft();
    EXPECT_EQ(engine.PiecePos.Column, 5) << "no moves while paused";
    engine.Thaw();
    EXPECT_TRUE(fall().enabled);
    EXPECT_TRUE(engine.Playing);
    engine.MoveLeft();
    EXPECT_EQ(engine.PiecePos.Column, 4);
}

TEST_F(EngineTest, PauseAfterALandingNeverMakesTheLandedPieceMovable)
{
    queuePieces({2, 13});
    engine.NewPiece();
    engine.DropToBottom();  // waiting for the next tick
    engine.Freeze();
    engine.Thaw();
    EXPECT_FALSE(engine.Playing);
    EXPECT_TRUE(fall().enabled);
    const auto before = board();
    engine.MoveLeft();
    engine.Rotate();
    EXPECT_EQ(board(), before);
    fall().fire();
    EXPECT_EQ(engine.CurShape, 13) << "the next piece still comes";
}

TEST_F(EngineTest, PauseDuringTheWipeHoldsItAndResumeFinishesIt)
{
    window.clearEffect = true;
    setBoard({"RRRRRR.RRRRR"});
    placePiece(2, {5, 10});
    engine.DropToBottom();
    effect().fire();
    effect().fire();
    engine.Freeze();
    EXPECT_FALSE(effect().enabled);
    EXPECT_FALSE(fall().enabled);
    const auto frozen = board();
    effect().fire();
    fall().fire();
    EXPECT_EQ(board(), frozen) << "nothing ticks while paused";
    engine.Thaw();
    EXPECT_TRUE(effect().enabled);
    EXPECT_FALSE(fall().enabled);
    EXPECT_FALSE(engine.Playing);
    for (int i = 0; i < 4; ++i)
        effect().fire();
    EXPECT_EQ(engine.Score, 150);
    EXPECT_TRUE(fall().enabled);
}

TEST_F(EngineTest, CancelledWipeLeavesNoRowsOrPointsBehind)
{
    window.clearEffect = true;
    setBoard({"RRRRRR.RRRRR"});
    placePiece(2, {5, 10});
    engine.DropToBottom();
    effect().fire();
    engine.Freeze();
    engine.CancelEffect();
    engine.Thaw();
    EXPECT_FALSE(effect().enabled) << "a cancelled wipe stays cancelled after a resume";
    EXPECT_EQ(engine.Score, 0);
    EXPECT_EQ(window.displayUpdates, 0);
}
