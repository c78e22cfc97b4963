// SPDX-License-Identifier: MIT
// TZembra, the game engine: the well as a grid of cell images, the falling
// piece and the two previews, the fall and effect timers, the score.
#pragma once

#include <array>
#include <memory>

#include "EngineInterfaces.h"
#include "ShapeCatalogue.h"

namespace zembra {

constexpr int WellColumns = 12;
constexpr int WellRows = 21;
constexpr int CellSize = 20;
constexpr int PreviewCellSize = 15;
constexpr int PreviewImageCount = 25;
constexpr int SpawnColumn = 5;
constexpr int SoftDropInterval = 20;
constexpr int EffectFirstInterval = 51;
constexpr int EffectSteps = 6;
constexpr int EffectIntervalStep = 10;  // each wipe tick comes this much sooner
constexpr int FirstFallInterval = 500;
// ClearWell hides only this many images of each preview; the refresh that
// follows it hides the rest.
constexpr int PreviewImagesCleared = 4;

// A preview box in the main window's client coordinates; a preview piece is
// centred in it.
struct PreviewBox {
    int Left, Right, Top, Bottom;
};
constexpr PreviewBox NextBox{17, 90, 40, 131};
constexpr PreviewBox NextNextBox{17, 88, 142, 228};

// The directions PierceMove takes.
enum PierceDirection : int { PierceDown = 1, PierceRight = 2, PierceLeft = 3 };

// The pause toggle of the main window; the engine never changes it.
extern bool Paused;

struct Position {
    int Column = 0;
    int Row = 0;
    friend bool operator==(const Position&, const Position&) = default;
};

class TZembra {
public:
    // Creates the 252 hidden cell images on the well panel, the 50 hidden
    // preview images on the main window and both timers, stopped.
    TZembra(ImageParent& wellPanel, GameWindow& mainWindow);

    TZembra(const TZembra&) = delete;
    TZembra& operator=(const TZembra&) = delete;

    // --- the well ---------------------------------------------------------
    // 1 <= c <= 12, 1 <= r <= 21.
    ImageControl& Cell(int c, int r) { return *Cells[c][r]; }
    const ImageControl& Cell(int c, int r) const { return *Cells[c][r]; }
    // Hides every cell and the first four images of each preview.
    void ClearWell();
    // Whether the falling piece may stand at p with the cells of record; the
    // piece's own current cells never block it.
    bool Fits(Position p, const ShapeRecord& record) const;
    // Moves the falling piece on screen from (oldPos, oldRecord) to
    // (PiecePos, CurRecord); all hiding comes before any showing.
    void DrawPiece(Position oldPos, const ShapeRecord& oldRecord);
    // Pixel origin that centres shape s (n cells) in a preview box.
    static Position PlacePreview(int left, int right, int top, int bottom, int s, int n);
    // Shows NextShape in colour and NextNextShape in grey in their boxes.
    void RefreshPreviews();

    // --- piece flow -------------------------------------------------------
    void NewPiece();
    static int SpawnRow(int id);
    bool SpawnBlocked() const;
    void FallStep();
    void FallTick();
    void Land();
    void EnableFall(bool on);
    void StartSoftDrop(int interval);
    void StopSoftDrop();

    // --- player moves: each does nothing while no piece is live -------------
    void MoveLeft();
    void MoveRight();
    void DropToBottom();
    void Rotate();

    // --- line clearing ----------------------------------------------------
    bool FindFullRows();
    void EffectTick();
    void ClearRows();

    // --- special blocks ---------------------------------------------------
    void FillBelow();
    void EraseBelow();
    // A PierceDirection; any other value does nothing.
    void PierceMove(int direction);

    // --- pause and restart ------------------------------------------------
    // Stops whichever timers run and remembers them with the live flag.
    void Freeze();
    // Restarts exactly what Freeze stopped; a landed piece stays landed.
    void Thaw();
    // Ends a running clear effect without removing or scoring its rows.
    void CancelEffect();

    // --- state (fields read and written by the main window too) -------------
    ImageParent& WellPanel;
    GameWindow& NextParent;
    GameWindow& NextNextParent;
    std::array<std::array<std::unique_ptr<ImageControl>, WellRows + 1>, WellColumns + 1> Cells;
    using PreviewImages = std::array<std::unique_ptr<ImageControl>, PreviewImageCount + 1>;  // 1..25
    PreviewImages NextImages;
    PreviewImages NextNextImages;
    ShapeRecord CurRecord{};
    ShapeRecord NextRecord{};
    ShapeRecord NextNextRecord{};
    Position PiecePos;
    int CurShape = 0;
    int NextShape = 0;
    int NextNextShape = 0;
    int CurCount = 0;
    int NextCount = 0;
    int NextNextCount = 0;
    std::array<int, WellRows + 1> FullRows{};  // 1..FullCount, bottom-most first
    int FullCount = 0;
    std::unique_ptr<Timer> FallTimer;
    std::unique_ptr<Timer> EffectTimer;
    int EffectStep = 0;
    int FallInterval = FirstFallInterval;
    int Score = 0;
    bool Playing = false;

private:
    struct FrozenState {
        bool fall = false;
        bool effect = false;
        bool playing = false;
    };

    GameWindow& window() { return NextParent; }
    static bool insideWell(int c, int r);
    bool isCurrentCell(int c, int r) const;
    bool isFullRow(int r) const;
    // Shows `count` cells of `record` with `picture`, centred in `box`, and
    // hides the other images of the preview.
    static void showPreview(PreviewImages& images, const PreviewBox& box, int shape, const ShapeRecord& record,
                            int count, const std::string& picture);
    // Every cell of a special block has this DX: the block stands in the one
    // well column blockColumn().
    static constexpr int SpecialBlockDX = 2;
    int blockColumn() const { return PiecePos.Column + SpecialBlockDX; }
    void shiftPiece(int dColumn);
    void endGame();
    // Moves the one-cell piercing block to (c, r).
    void jumpPiercingBlock(int c, int r);

    FrozenState frozen_;
};

}  // namespace zembra
