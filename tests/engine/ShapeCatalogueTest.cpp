// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "ShapeCatalogue.h"

using namespace zembra;

namespace {

using CellSet = std::set<std::pair<int, int>>;

CellSet cellsOf(int id)
{
    CellSet cells;
    for (int k = 1; k <= ShapeCellCount(id); ++k)
        cells.insert({ShapeTable[id][k].DX, ShapeTable[id][k].DY});
    return cells;
}

// The cells of a record as four rows of the 4 x 4 box.
std::vector<std::string> pattern(int id)
{
    std::vector<std::string> rows(4, "....");
    for (auto [x, y] : cellsOf(id))
        rows[y][x] = '#';
    return rows;
}

// A quarter turn clockwise on the screen (rows grow downwards) about (2, 1).
CellSet turnedClockwise(const CellSet& cells)
{
    CellSet out;
    for (auto [x, y] : cells)
        out.insert({3 - y, x - 1});
    return out;
}

// Moved so that the smallest DX and DY are 0: shape without position.
CellSet normalised(const CellSet& cells)
{
    int minX = 99, minY = 99;
    for (auto [x, y] : cells) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
    }
    CellSet out;
    for (auto [x, y] : cells)
        out.insert({x - minX, y - minY});
    return out;
}

class ShapeCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { FillShapeTable(); }
};

}  // namespace

TEST_F(ShapeCatalogueTest, EveryRecordStaysInsideItsBoxWithDistinctCellsAndZeroTail)
{
    for (int id = 1; id <= 51; ++id) {
        SCOPED_TRACE("id " + std::to_string(id));
        const int n = ShapeCellCount(id);
        EXPECT_EQ(static_cast<int>(cellsOf(id).size()), n) << "cells must be distinct";
        for (int k = 1; k <= 25; ++k) {
            const CellOffset c = ShapeTable[id][k];
            if (k <= n) {
                EXPECT_GE(c.DX, 0);
                EXPECT_LE(c.DX, 3);
                EXPECT_GE(c.DY, 0);
                EXPECT_LE(c.DY, 3);
            } else {
                EXPECT_EQ(c, (CellOffset{0, 0}));
            }
        }
    }
}

TEST_F(ShapeCatalogueTest, FillingTwiceWritesTheSameValues)
{
    const auto first = ShapeTable;
    FillShapeTable();
    EXPECT_EQ(first, ShapeTable);
}

TEST_F(ShapeCatalogueTest, EveryRecordAndEveryRotationReadLikeTheTable)
{
    // The rows of the 4 x 4 box from the top, then the successors of a
    // clockwise and a counter-clockwise turn (none for the special blocks).
    const struct {
        int id;
        const char* rows;
        int clockwise, counterClockwise;
    } table[] = {
        {1, "....|####|....|....", 2, 4},  {2, "..#.|..#.|..#.|..#.", 3, 1},
        {3, "....|####|....|....", 4, 2},  {4, "..#.|..#.|..#.|..#.", 1, 3},
        {5, ".##.|..##|....|....", 6, 8},  {6, "..#.|.##.|.#..|....", 7, 5},
        {7, ".##.|..##|....|....", 8, 6},  {8, "..#.|.##.|.#..|....", 5, 7},
        {9, "..##|.##.|....|....", 10, 12}, {10, ".#..|.##.|..#.|....", 11, 9},
        {11, "..##|.##.|....|....", 12, 10}, {12, ".#..|.##.|..#.|....", 9, 11},
        {13, ".##.|..#.|..#.|....", 14, 16}, {14, "...#|.###|....|....", 15, 13},
        {15, "..#.|..#.|..##|....", 16, 14}, {16, "....|.###|.#..|....", 13, 15},
        {17, "..##|..#.|..#.|....", 18, 20}, {18, "....|.###|...#|....", 19, 17},
        {19, "..#.|..#.|.##.|....", 20, 18}, {20, ".#..|.###|....|....", 17, 19},
        {21, "..#.|.###|....|....", 22, 24}, {22, "..#.|..##|..#.|....", 23, 21},
        {23, "....|.###|..#.|....", 24, 22}, {24, "..#.|.##.|..#.|....", 21, 23},
        {25, ".##.|.##.|....|....", 26, 28}, {26, ".##.|.##.|....|....", 27, 25},
        {27, ".##.|.##.|....|....", 28, 26}, {28, ".##.|.##.|....|....", 25, 27},
        {29, "....|.###|.#.#|....", 30, 32}, {30, ".##.|..#.|.##.|....", 31, 29},
        {31, ".#.#|.###|....|....", 32, 30}, {32, "..##|..#.|..##|....", 29, 31},
        {33, ".###|..#.|..#.|....", 34, 36}, {34, "...#|.###|...#|....", 35, 33},
        {35, "..#.|..#.|.###|....", 36, 34}, {36, ".#..|.###|.#..|....", 33, 35},
        {37, ".##.|..#.|..##|....", 38, 40}, {38, "...#|.###|.#..|....", 39, 37},
        {39, ".##.|..#.|..##|....", 40, 38}, {40, "...#|.###|.#..|....", 37, 39},
        {41, "..##|..#.|.##.|....", 42, 44}, {42, ".#..|.###|...#|....", 43, 41},
        {43, "..##|..#.|.##.|....", 44, 42}, {44, ".#..|.###|...#|....", 41, 43},
        {45, "..#.|.##.|....|....", 46, 48}, {46, "..#.|..##|....|....", 47, 45},
        {47, "....|..##|..#.|....", 48, 46}, {48, "....|.##.|..#.|....", 45, 47},
        {49, "..#.|..#.|..#.|....", 0, 0}, {50, "..#.|..#.|....|....", 0, 0},
        {51, "..#.|....|....|....", 0, 0},
    };
    for (const auto& t : table) {
        std::string rows;
        for (const std::string& row : pattern(t.id))
            rows += (rows.empty() ? "" : "|") + row;
        EXPECT_EQ(rows, t.rows) << "id " << t.id;
        if (t.clockwise) {
            EXPECT_EQ(RotatedShape(t.id, true), t.clockwise) << "id " << t.id;
            EXPECT_EQ(RotatedShape(t.id, false), t.counterClockwise) << "id " << t.id;
        }
    }
}

TEST_F(ShapeCatalogueTest, FourFormFamiliesTurnClockwiseAboutTheirPivot)
{
    // L, J, T, U, T-pentomino, Z- and S-pentomino and the corner.
    for (int family : {13, 17, 21, 29, 33, 37, 41, 45}) {
        for (int id = family; id < family + 4; ++id) {
            const int next = RotatedShape(id, true);
            EXPECT_EQ(turnedClockwise(cellsOf(id)), cellsOf(next)) << id << " -> " << next;
        }
    }
}

TEST_F(ShapeCatalogueTest, TwoFormFamiliesAlternateAndTheSquareNeverChanges)
{
    for (int family : {1, 5, 9}) {
        EXPECT_EQ(cellsOf(family), cellsOf(family + 2));
        EXPECT_EQ(cellsOf(family + 1), cellsOf(family + 3));
        EXPECT_EQ(normalised(turnedClockwise(cellsOf(family))), normalised(cellsOf(family + 1))) << family;
    }
    for (int id = 25; id <= 28; ++id)
        EXPECT_EQ(cellsOf(id), cellsOf(25));
}

TEST_F(ShapeCatalogueTest, RotationRingsStayInTheirFamilyAndRunBothWays)
{
    for (int id = 1; id <= 48; ++id) {
        const int family = (id - 1) / 4;
        const int cw = RotatedShape(id, true);
        const int ccw = RotatedShape(id, false);
        EXPECT_EQ((cw - 1) / 4, family);
        EXPECT_EQ((ccw - 1) / 4, family);
        EXPECT_EQ(RotatedShape(cw, false), id);
        int ring = id;
        for (int step = 0; step < 4; ++step)
            ring = RotatedShape(ring, true);
        EXPECT_EQ(ring, id);
    }
}

TEST_F(ShapeCatalogueTest, CellCountsAndPicturesCoverEveryValue)
{
    const struct {
        int id;
        int cells;
        const char* picture;
    } cases[] = {
        {0, 4, "z3"},    {1, 4, "tt"},    {4, 4, "tt"},    {5, 4, "zz"},    {8, 4, "zz"},
        {9, 4, "fz"},    {12, 4, "fz"},   {13, 4, "z7"},   {16, 4, "z7"},   {17, 4, "f7"},
        {20, 4, "f7"},   {21, 4, "z3"},   {24, 4, "z3"},   {25, 4, "ff"},   {28, 4, "ff"},
        {29, 5, "ff"},   {32, 5, "ff"},   {33, 5, "z7"},   {36, 5, "z7"},   {37, 5, "zz"},
        {40, 5, "zz"},   {41, 5, "fz"},   {44, 5, "fz"},   {45, 3, "f7"},   {48, 3, "f7"},
        {49, 3, "fk49"}, {50, 2, "fk50"}, {51, 1, "fk51"}, {52, 4, "z3"},   {100, 4, "hy"},
        {-7, 4, "z3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShapeCellCount(c.id), c.cells) << c.id;
        EXPECT_EQ(ShapePicture(c.id), c.picture) << c.id;
    }
}
