// SPDX-License-Identifier: MIT
// TZembra: construction, the well, the previews, the life of a piece, pause.
#include "ZembraUnit.h"

#include <algorithm>

#include "PieceSequence.h"
#include "ScoreRules.h"

namespace zembra {

bool Paused = false;

TZembra::TZembra(ImageParent& wellPanel, GameWindow& mainWindow)
    : WellPanel(wellPanel), NextParent(mainWindow), NextNextParent(mainWindow)
{
    FallTimer = window().CreateTimer();
    FallTimer->SetInterval(FirstFallInterval);
    FallInterval = FirstFallInterval;
    FallTimer->SetOnTick([this] { FallTick(); });
    FallTimer->SetEnabled(false);

    EffectTimer = window().CreateTimer();
    EffectTimer->SetInterval(EffectFirstInterval);
    EffectTimer->SetEnabled(false);
    EffectTimer->SetOnTick([this] { EffectTick(); });

    Playing = false;
    Score = 0;

    for (int c = 1; c <= WellColumns; ++c) {
        for (int r = 1; r <= WellRows; ++r) {
            auto image = WellPanel.CreateImage();
            image->SetBounds((c - 1) * CellSize, (r - 1) * CellSize, CellSize, CellSize);
            Cells[c][r] = std::move(image);
        }
    }
    for (int i = 1; i <= PreviewImageCount; ++i) {
        NextImages[i] = NextParent.CreateImage();
        NextImages[i]->SetBounds(0, 0, PreviewCellSize, PreviewCellSize);
        NextNextImages[i] = NextNextParent.CreateImage();
        NextNextImages[i]->SetBounds(0, 0, PreviewCellSize, PreviewCellSize);
    }
}

void TZembra::ClearWell()
{
    for (int c = 1; c <= WellColumns; ++c)
        for (int r = 1; r <= WellRows; ++r)
            Cell(c, r).Hide();
    for (int i = 1; i <= PreviewImagesCleared; ++i) {
        NextImages[i]->Hide();
        NextNextImages[i]->Hide();
    }
}

bool TZembra::insideWell(int c, int r)
{
    return c >= 1 && c <= WellColumns && r >= 1 && r <= WellRows;
}

bool TZembra::isCurrentCell(int c, int r) const
{
    for (int j = 1; j <= CurCount; ++j)
        if (PiecePos.Column + CurRecord[j].DX == c && PiecePos.Row + CurRecord[j].DY == r)
            return true;
    return false;
}

bool TZembra::Fits(Position p, const ShapeRecord& record) const
{
    for (int k = 1; k <= CurCount; ++k) {
        const int c = p.Column + record[k].DX;
        const int r = p.Row + record[k].DY;
        if (isCurrentCell(c, r))
            continue;
        if (!insideWell(c, r) || Cell(c, r).Shown())
            return false;
    }
    return true;
}

void TZembra::DrawPiece(Position oldPos, const ShapeRecord& oldRecord)
{
    for (int k = 1; k <= CurCount; ++k)
        Cell(oldPos.Column + oldRecord[k].DX, oldPos.Row + oldRecord[k].DY).Hide();
    const std::string picture = ShapePicture(CurShape);
    for (int k = 1; k <= CurCount; ++k) {
        ImageControl& cell = Cell(PiecePos.Column + CurRecord[k].DX, PiecePos.Row + CurRecord[k].DY);
        cell.LoadPicture(picture);
        cell.Show();
    }
}

Position TZembra::PlacePreview(int left, int right, int top, int bottom, int s, int n)
{
    int minX = 4, maxX = 0, minY = 4, maxY = 0;
    for (int k = 1; k <= n; ++k) {
        minX = std::min(minX, ShapeTable[s][k].DX);
        maxX = std::max(maxX, ShapeTable[s][k].DX);
        minY = std::min(minY, ShapeTable[s][k].DY);
        maxY = std::max(maxY, ShapeTable[s][k].DY);
    }
    // Integer division rounds toward zero, as the centring needs.
    const int x = left + (right - left - (maxX - minX + 1) * PreviewCellSize) / 2 - minX * PreviewCellSize;
    const int y = top + (bottom - top - (maxY - minY + 1) * PreviewCellSize) / 2 - minY * PreviewCellSize;
    return {x, y};
}

void TZembra::showPreview(PreviewImages& images, const PreviewBox& box, int shape, const ShapeRecord& record,
                          int count, const std::string& picture)
{
    const Position origin = PlacePreview(box.Left, box.Right, box.Top, box.Bottom, shape, count);
    for (int i = 1; i <= PreviewImageCount; ++i)
        images[i]->Hide();
    for (int i = 1; i <= count; ++i) {
        ImageControl& image = *images[i];
        image.LoadPicture(picture);
        image.Show();
        image.SetBounds(origin.Column + record[i].DX * PreviewCellSize, origin.Row + record[i].DY * PreviewCellSize,
                        PreviewCellSize, PreviewCellSize);
    }
}

void TZembra::RefreshPreviews()
{
    showPreview(NextImages, NextBox, NextShape, NextRecord, NextCount, ShapePicture(NextShape));
    showPreview(NextNextImages, NextNextBox, NextNextShape, NextNextRecord, NextNextCount, ShapePicture(GreyPicture));
}

int TZembra::SpawnRow(int id)
{
    switch (id) {
    case 1: case 16: case 18: case 23: case 29: case 47: case 48:
        return 0;
    default:
        return 1;
    }
}

bool TZembra::SpawnBlocked() const
{
    for (int k = 1; k <= CurCount; ++k)
        if (Cell(PiecePos.Column + CurRecord[k].DX, PiecePos.Row + CurRecord[k].DY).Shown())
            return true;
    return false;
}

void TZembra::NewPiece()
{
    SequencePos = SequencePos + 1 > SequenceLength ? 1 : SequencePos + 1;
    const int p = SequencePos;
    CurShape = PieceSequence[p];
    NextShape = PieceSequence[p == SequenceLength ? 1 : p + 1];
    NextNextShape = PieceSequence[p + 2 > SequenceLength ? p + 2 - SequenceLength : p + 2];
    CurCount = ShapeCellCount(CurShape);
    NextCount = ShapeCellCount(NextShape);
    NextNextCount = ShapeCellCount(NextNextShape);
    CurRecord = ShapeTable[CurShape];
    NextRecord = ShapeTable[NextShape];
    NextNextRecord = ShapeTable[NextNextShape];
    PiecePos = {SpawnColumn, SpawnRow(CurShape)};

    const bool blocked = SpawnBlocked();
    RefreshPreviews();
    DrawPiece(PiecePos, CurRecord);
    if (blocked) {
        endGame();
    } else {
        FallTimer->SetEnabled(true);
        Playing = true;
    }
    StopSoftDrop();
}

void TZembra::endGame()
{
    FallTimer->SetEnabled(false);
    window().ShowGameOverBanner();
    window().SetPauseCommandEnabled(false);
    window().SetAdvancedModeEnabled(true);
    window().PlaySoundRes("lose");
    const std::string grey = ShapePicture(GreyPicture);
    for (int c = 1; c <= WellColumns; ++c)
        for (int r = 1; r <= WellRows; ++r)
            if (Cell(c, r).Shown())
                Cell(c, r).LoadPicture(grey);
}

void TZembra::FallStep()
{
    if (!Playing)
        return;
    if (CurShape == PiercingBlock) {
        PierceMove(PierceDown);
        return;
    }
    const Position target{PiecePos.Column, PiecePos.Row + 1};
    if (Fits(target, CurRecord)) {
        const Position old = PiecePos;
        PiecePos = target;
        DrawPiece(old, CurRecord);
    } else {
        Land();
    }
}

void TZembra::FallTick()
{
    FallStep();
    if (!Playing && FallTimer->Enabled())
        NewPiece();
}

void TZembra::Land()
{
    Playing = false;
    FallTimer->SetEnabled(false);
    window().HideLevelMessage();
    // Landings sound only while the score's level has been announced. The
    // display announces none from 60000 points on, so from then on the
    // promotion stays pending and landings and clears are silent.
    const bool noPromotionPending = Score / PointsPerLevel <= window().LevelShown();
    if (FindFullRows()) {
        if (noPromotionPending)
            window().PlaySoundRes("xc");
        if (window().ClearEffectChecked()) {
            EffectStep = 1;
            EffectTimer->SetInterval(EffectFirstInterval);
            EffectTimer->SetEnabled(true);
        } else {
            ClearRows();
        }
    } else {
        if (noPromotionPending)
            window().PlaySoundRes("down");
        FallTimer->SetEnabled(true);
    }
}

void TZembra::EnableFall(bool on)
{
    FallTimer->SetEnabled(on);
}

void TZembra::StartSoftDrop(int interval)
{
    FallTimer->SetInterval(interval);
}

void TZembra::StopSoftDrop()
{
    FallTimer->SetInterval(FallInterval);
}

void TZembra::Freeze()
{
    frozen_ = {FallTimer->Enabled(), EffectTimer->Enabled(), Playing};
    EnableFall(false);
    EffectTimer->SetEnabled(false);
    Playing = false;
}

void TZembra::Thaw()
{
    EnableFall(frozen_.fall);
    EffectTimer->SetEnabled(frozen_.effect);
    Playing = frozen_.playing;
    frozen_ = {};
}

void TZembra::CancelEffect()
{
    EffectTimer->SetEnabled(false);
    frozen_.effect = false;
}

}  // namespace zembra
