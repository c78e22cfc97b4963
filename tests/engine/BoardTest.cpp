// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

using namespace zembra;
using namespace zembra::testing;

TEST_F(EngineTest, FreshEngineShowsNothingAndWaits)
{
    EXPECT_EQ(well.images.size(), 252u);
    EXPECT_EQ(window.images.size(), 50u);
    EXPECT_EQ(shownCells(), 0);
    for (FakeImage* image : window.images)
        EXPECT_FALSE(image->shown);
    EXPECT_FALSE(fall().enabled);
    EXPECT_FALSE(effect().enabled);
    EXPECT_EQ(fall().interval, 500);
    EXPECT_EQ(effect().interval, 51);
    EXPECT_EQ(engine.FallInterval, 500);
    EXPECT_EQ(engine.Score, 0);
    EXPECT_FALSE(engine.Playing);
}

TEST_F(EngineTest, CellsTileThePanelFromTheTopLeft)
{
    const struct {
        int c, r, x, y;
    } cases[] = {{1, 1, 0, 0}, {12, 1, 220, 0}, {1, 21, 0, 400}, {12, 21, 220, 400}, {5, 7, 80, 120}};
    for (const auto& k : cases) {
        EXPECT_EQ(cell(k.c, k.r).left, k.x);
        EXPECT_EQ(cell(k.c, k.r).top, k.y);
        EXPECT_EQ(cell(k.c, k.r).width, 20);
        EXPECT_EQ(cell(k.c, k.r).height, 20);
    }
    // Created column by column, so image 21 is the top of column 2.
    EXPECT_EQ(well.images[21], &cell(2, 1));
}

TEST_F(EngineTest, PlacePreviewCentresTheBoundingBox)
{
    EXPECT_EQ(TZembra::PlacePreview(17, 90, 40, 131, 1, 4), (Position{23, 63}));
    EXPECT_EQ(TZembra::PlacePreview(17, 90, 40, 131, 2, 4), (Position{16, 55}));
    EXPECT_EQ(TZembra::PlacePreview(17, 88, 142, 228, 51, 1), (Position{15, 177}));
}

namespace {
// Shows `next` and `afterNext` in the two previews.
void preview(TZembra& engine, int next, int afterNext)
{
    engine.NextShape = next;
    engine.NextCount = ShapeCellCount(next);
    engine.NextRecord = ShapeTable[next];
    engine.NextNextShape = afterNext;
    engine.NextNextCount = ShapeCellCount(afterNext);
    engine.NextNextRecord = ShapeTable[afterNext];
    engine.RefreshPreviews();
}
}  // namespace

TEST_F(EngineTest, PreviewsShowNextInColourAndAfterNextInGrey)
{
    preview(engine, 1, 2);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(nextImage(i).shown);
        EXPECT_EQ(nextImage(i).picture, "tt");
        EXPECT_EQ(nextImage(i).left, 23 + 15 * (i - 1));
        EXPECT_EQ(nextImage(i).top, 78);
        EXPECT_EQ(nextImage(i).width, 15);
        EXPECT_TRUE(afterNextImage(i).shown);
        EXPECT_EQ(afterNextImage(i).picture, "hy");
        EXPECT_EQ(afterNextImage(i).left, 45);  // a standing bar centred in x 17..88, y 142..228
        EXPECT_EQ(afterNextImage(i).top, 155 + 15 * (i - 1));
    }
    EXPECT_FALSE(nextImage(5).shown);

    // A vertical bar in the next box, a five-cell piece after it, then a
    // single cell: images beyond the count are hidden again.
    preview(engine, 2, 29);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(nextImage(i).left, 46);
        EXPECT_EQ(nextImage(i).top, 55 + 15 * (i - 1));
    }
    EXPECT_TRUE(afterNextImage(5).shown);
    preview(engine, 2, 51);
    EXPECT_TRUE(afterNextImage(1).shown);
    for (int i = 2; i <= 25; ++i)
        EXPECT_FALSE(afterNextImage(i).shown) << i;
}

TEST_F(EngineTest, ClearWellHidesTheWellAndTheFirstFourPreviewImages)
{
    setBoard({"RRRRRRRRRRRR", "G..........."});
    for (int i = 1; i <= 25; ++i) {
        nextImage(i).shown = true;
        afterNextImage(i).shown = true;
    }
    engine.ClearWell();
    EXPECT_EQ(shownCells(), 0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(nextImage(i).shown);
        EXPECT_FALSE(afterNextImage(i).shown);
    }
    EXPECT_TRUE(nextImage(5).shown);
    EXPECT_TRUE(afterNextImage(25).shown);
}

TEST_F(EngineTest, DrawPieceInPlaceReloadsAndKeepsThePiece)
{
    placePiece(13, {5, 3});
    const int loads = cell(6, 3).loads;
    engine.DrawPiece(engine.PiecePos, engine.CurRecord);
    EXPECT_EQ(cell(6, 3).loads, loads + 1);
    EXPECT_EQ(board(3)[0], ".....AA.....");
    EXPECT_EQ(board(3)[1], "......A.....");
    EXPECT_EQ(board(3)[2], "......A.....");
    EXPECT_EQ(shownCells(), 4);
}

TEST_F(EngineTest, DrawPieceMovesWithoutLeavingTraces)
{
    placePiece(2, {5, 1});
    const Position old = engine.PiecePos;
    engine.PiecePos = {5, 2};
    engine.DrawPiece(old, engine.CurRecord);
    EXPECT_FALSE(cell(7, 1).shown);
    for (int r = 2; r <= 5; ++r)
        EXPECT_TRUE(cell(7, r).shown) << r;
    EXPECT_EQ(shownCells(), 4);
}

TEST_F(EngineTest, FitsIgnoresThePiecesOwnCellsOnly)
{
    setBoard({"R...........", "............"});
    placePiece(2, {5, 10});  // standing bar in column 7, rows 10..13
    EXPECT_TRUE(engine.Fits({5, 11}, engine.CurRecord)) << "only the new bottom cell is tested";
    EXPECT_TRUE(engine.Fits({5, 10}, engine.CurRecord));
    cell(7, 14).shown = true;
    EXPECT_FALSE(engine.Fits({5, 11}, engine.CurRecord)) << "a cell of another piece blocks";

    const struct {
        const char* what;
        Position p;
        int id;
    } walls[] = {
        {"column 0", {-2, 10}, 2},  {"column 13", {11, 10}, 2}, {"row 0", {5, 0}, 2},
        {"row 22", {5, 19}, 2},     {"row 22 lying", {2, 21}, 1},
    };
    for (const auto& w : walls)
        EXPECT_FALSE(engine.Fits(w.p, ShapeTable[w.id])) << w.what;
    EXPECT_TRUE(engine.Fits({-1, 15}, ShapeTable[2])) << "column 1 is inside";
    EXPECT_TRUE(engine.Fits({5, 18}, ShapeTable[2])) << "row 21 is inside";
}
