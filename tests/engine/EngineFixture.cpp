// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

namespace zembra::testing {

namespace {
const std::vector<std::pair<char, std::string>> kLetters = {
    {'R', "tt"}, {'G', "zz"}, {'P', "fz"}, {'A', "z7"}, {'B', "f7"}, {'S', "z3"},
    {'Y', "ff"}, {'F', "fk49"}, {'E', "fk50"}, {'X', "fk51"}, {'H', "hy"},
};
}  // namespace

std::string pictureOfLetter(char letter)
{
    for (const auto& [l, picture] : kLetters)
        if (l == letter)
            return picture;
    return "tt";
}

char letterOfPicture(const std::string& picture)
{
    for (const auto& [l, p] : kLetters)
        if (p == picture)
            return l;
    return '?';
}

EngineTest::EngineTest() : engine(well, window)
{
    FillShapeTable();
}

void EngineTest::setBoard(const std::vector<std::string>& bottomRows)
{
    const int first = WellRows - static_cast<int>(bottomRows.size()) + 1;
    for (int r = 1; r <= WellRows; ++r) {
        for (int c = 1; c <= WellColumns; ++c) {
            FakeImage& image = cell(c, r);
            const char ch = r >= first ? bottomRows[r - first].at(c - 1) : '.';
            image.shown = ch != '.';
            if (image.shown)
                image.picture = pictureOfLetter(ch);
        }
    }
}

std::vector<std::string> EngineTest::board(int from)
{
    std::vector<std::string> rows;
    for (int r = from; r <= WellRows; ++r) {
        std::string row;
        for (int c = 1; c <= WellColumns; ++c)
            row += cell(c, r).shown ? letterOfPicture(cell(c, r).picture) : '.';
        rows.push_back(row);
    }
    return rows;
}

void EngineTest::placePiece(int id, Position pos)
{
    engine.CurShape = id;
    engine.CurCount = ShapeCellCount(id);
    engine.CurRecord = ShapeTable[id];
    engine.PiecePos = pos;
    engine.DrawPiece(pos, engine.CurRecord);
    engine.Playing = true;
    engine.FallTimer->SetEnabled(true);
}

void EngineTest::queuePieces(const std::vector<int>& ids)
{
    for (int i = 1; i <= SequenceLength; ++i)
        PieceSequence[i] = ids[(i - 1) % ids.size()];
    SequencePos = 0;
}

int EngineTest::shownCells()
{
    int n = 0;
    for (int c = 1; c <= WellColumns; ++c)
        for (int r = 1; r <= WellRows; ++r)
            n += cell(c, r).shown;
    return n;
}

std::vector<std::string> EngineTest::takeSounds()
{
    auto s = window.sounds;
    window.sounds.clear();
    return s;
}

}  // namespace zembra::testing
