// SPDX-License-Identifier: MIT
// TZembra: the player's moves and the three special blocks.
#include "ZembraUnit.h"

namespace zembra {

void TZembra::shiftPiece(int dColumn)
{
    const Position target{PiecePos.Column + dColumn, PiecePos.Row};
    if (!Fits(target, CurRecord))
        return;
    const Position old = PiecePos;
    PiecePos = target;
    DrawPiece(old, CurRecord);
}

void TZembra::MoveLeft()
{
    if (!Playing)
        return;
    if (CurShape == PiercingBlock)
        PierceMove(PierceLeft);
    else
        shiftPiece(-1);
}

void TZembra::MoveRight()
{
    if (!Playing)
        return;
    if (CurShape == PiercingBlock)
        PierceMove(PierceRight);
    else
        shiftPiece(+1);
}

void TZembra::DropToBottom()
{
    if (!Playing)
        return;
    const Position old = PiecePos;
    int y = PiecePos.Row + 1;
    while (y <= WellRows + 1 && Fits({PiecePos.Column, y}, CurRecord))
        ++y;
    PiecePos.Row = y - 1;
    DrawPiece(old, CurRecord);
    Land();
}

void TZembra::Rotate()
{
    if (!Playing)
        return;
    if (CurShape > LastOrdinaryShapeId) {
        if (CurShape == FillerBlock)
            FillBelow();
        else if (CurShape == EraserBlock)
            EraseBelow();
        return;
    }
    const ShapeRecord saved = CurRecord;
    const int turned = RotatedShape(CurShape, window().ClockwiseChecked());
    const ShapeRecord candidate = ShapeTable[turned];
    if (!Fits(PiecePos, candidate))
        return;
    CurShape = turned;
    CurRecord = candidate;
    DrawPiece(PiecePos, saved);
    window().PlaySoundRes("turn");
}

void TZembra::FillBelow()
{
    const int x = blockColumn();
    const int r0 = PiecePos.Row;
    int gap = 0;
    for (int r = WellRows; r >= r0 + 3; --r) {
        ++gap;
        if (Cell(x, r).Shown())
            gap = 0;
    }
    window().PlaySoundRes("xa");
    ImageControl& cell = Cell(x, r0 + 2 + gap);
    cell.LoadPicture(ShapePicture(CurShape));
    cell.Show();
}

void TZembra::EraseBelow()
{
    const int x = blockColumn();
    for (int r = PiecePos.Row + 2; r <= WellRows; ++r) {
        if (Cell(x, r).Shown()) {
            window().PlaySoundRes("xa");
            Cell(x, r).Hide();
            return;
        }
    }
}

void TZembra::jumpPiercingBlock(int c, int r)
{
    window().PlaySoundRes("ct");
    Cell(blockColumn(), PiecePos.Row).Hide();
    Cell(c, r).LoadPicture(ShapePicture(CurShape));
    Cell(c, r).Show();
    PiecePos = {c - SpecialBlockDX, r};
}

void TZembra::PierceMove(int direction)
{
    const int x = blockColumn();
    const int row = PiecePos.Row;
    switch (direction) {
    case PierceDown:
        for (int r = row + 1; r <= WellRows; ++r) {
            if (!Cell(x, r).Shown()) {
                jumpPiercingBlock(x, r);
                return;
            }
        }
        Land();
        return;
    case PierceRight:
        for (int c = x + 1; c <= WellColumns; ++c) {
            if (!Cell(c, row).Shown()) {
                jumpPiercingBlock(c, row);
                return;
            }
        }
        return;
    case PierceLeft:
        for (int c = x - 1; c >= 1; --c) {
            if (!Cell(c, row).Shown()) {
                jumpPiercingBlock(c, row);
                return;
            }
        }
        return;
    default:
        return;
    }
}

}  // namespace zembra
