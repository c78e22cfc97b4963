// SPDX-License-Identifier: MIT
// TZembra: finding full rows, the wipe from the middle outward, removal and
// scoring.
#include "ZembraUnit.h"

#include "ScoreRules.h"

namespace zembra {

bool TZembra::FindFullRows()
{
    FullRows.fill(0);
    FullCount = 0;
    for (int r = WellRows; r >= 1; --r) {
        int shown = 0;
        for (int c = 1; c <= WellColumns; ++c)
            shown += Cell(c, r).Shown() ? 1 : 0;
        if (shown == WellColumns)
            FullRows[++FullCount] = r;
    }
    return FullCount > 0;
}

bool TZembra::isFullRow(int r) const
{
    for (int i = 1; i <= FullCount; ++i)
        if (FullRows[i] == r)
            return true;
    return false;
}

void TZembra::EffectTick()
{
    // From the two middle columns outward, one column each side a tick.
    constexpr int middle = WellColumns / 2;
    for (int i = 1; i <= FullCount; ++i) {
        Cell(middle + EffectStep, FullRows[i]).Hide();
        Cell(middle + 1 - EffectStep, FullRows[i]).Hide();
    }
    ++EffectStep;
    if (EffectStep > EffectSteps) {
        EffectTimer->SetEnabled(false);
        ClearRows();
    } else {
        EffectTimer->SetInterval(EffectTimer->Interval() - EffectIntervalStep);
    }
}

void TZembra::ClearRows()
{
    for (int i = 1; i <= FullCount; ++i)
        for (int c = 1; c <= WellColumns; ++c)
            Cell(c, FullRows[i]).Hide();

    // Every kept row moves down by the number of full rows below it.
    int drop = 0;
    for (int r = FullRows[1] - 1; r >= 1; --r) {
        if (isFullRow(r + 1))
            ++drop;
        for (int c = 1; c <= WellColumns; ++c) {
            ImageControl& from = Cell(c, r);
            ImageControl& to = Cell(c, r + drop);
            to.LoadPicture(from.PictureName());
            to.SetShown(from.Shown());
            from.Hide();
        }
    }

    Score += RowScore(FullCount);
    if (window().NormalModeChecked())
        FallInterval = AutoFallInterval(Score);
    window().UpdateScoreDisplay();
    FallTimer->SetEnabled(true);
}

}  // namespace zembra
