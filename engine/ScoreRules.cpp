// SPDX-License-Identifier: MIT
#include "ScoreRules.h"

#include <array>

namespace zembra {

int RowScore(int rows)
{
    static constexpr std::array<int, 14> kPoints = {
        0, 150, 400, 750, 1250, 1850, 2550, 3250, 3850, 4550, 5350, 6250, 7250, 8350,
    };
    if (rows >= 1 && rows <= 13)
        return kPoints[rows];
    if (rows >= 14 && rows <= 21)
        return 9999;
    return 0;
}

int AutoFallInterval(int score)
{
    switch (score / PointsPerLevel) {
    case 0: return 500;
    case 1: return 400;
    case 2: return 300;
    case 3: return 200;
    default: return 100;
    }
}

std::string LevelName(int level)
{
    switch (level) {
    case 0: return "一级";
    case 1: return "二级";
    case 2: return "三级";
    case 3: return "四级";
    case 4: return "五级";
    default: return "无敌";
    }
}

ScoreDisplayChange PlanScoreDisplay(int score, int levelShown)
{
    ScoreDisplayChange change;
    change.scoreText = std::to_string(score);
    change.levelShown = levelShown;
    if (score > LastAnnouncedScore) {
        change.frozen = true;
        return change;
    }
    const int level = score / PointsPerLevel;
    if (level > levelShown) {
        change.promoted = true;
        change.levelShown = level;
        change.levelName = LevelName(level);
    }
    change.lastStar = (score / PointsPerStar) % 10 + 1;
    return change;
}

}  // namespace zembra
