// SPDX-License-Identifier: MIT
// The shape catalogue: every piece the game can show, one record per shape id
// and orientation, with its cell count, its cell picture and its rotation ring.
#pragma once

#include <array>
#include <string>

namespace zembra {

struct CellOffset {
    int DX = 0;  // column offset from the piece origin, 0..3
    int DY = 0;  // row offset from the piece origin, 0..3, rows grow downwards
    friend bool operator==(const CellOffset&, const CellOffset&) = default;
};

// 25 entries per record; only the first ShapeCellCount(id) are cells, the rest
// stay (0,0). Consumers read exactly that many entries.
using ShapeRecord = std::array<CellOffset, 26>;  // index 1..25, entry 0 unused

constexpr int FirstShapeId = 1;
constexpr int LastShapeId = 51;
constexpr int LastOrdinaryShapeId = 48;  // 49..51 are the special blocks
constexpr int FillerBlock = 49;
constexpr int EraserBlock = 50;
constexpr int PiercingBlock = 51;
constexpr int GreyPicture = 100;  // not a shape: names the grey "hy" picture

// Indexed by shape id 1..51; entry 0 unused. Zero until FillShapeTable runs.
extern std::array<ShapeRecord, LastShapeId + 1> ShapeTable;

// Writes every record with the catalogue's cells; calling it again writes the
// same values.
void FillShapeTable();

// Number of cells of a shape id; 4 for any value outside 1..51.
int ShapeCellCount(int id);

// Name of the cell picture of a shape id, "hy" for 100, "z3" for any other
// value without a picture of its own.
std::string ShapePicture(int id);

// The id after one rotation step within the family of id (1..48).
int RotatedShape(int id, bool clockwise);

}  // namespace zembra
