// SPDX-License-Identifier: MIT
// The fixed tables that turn cleared rows into points, points into fall
// speed, and points into the level and stars of the score display.
#pragma once

#include <string>

namespace zembra {

constexpr int PointsPerLevel = 10000;
constexpr int PointsPerStar = 1000;
constexpr int LastAnnouncedScore = 59999;  // from 60000 on only the number changes
constexpr int StarCount = 10;

// Points for removing `rows` rows at once (1..21); 0 for any other count.
int RowScore(int rows);

// Fall interval in milliseconds of normal mode for a score.
int AutoFallInterval(int score);

// Name of level index 1..5 ("二级" .. "无敌"); index 0 is "一级".
std::string LevelName(int level);

// What one refresh of the score display changes.
struct ScoreDisplayChange {
    std::string scoreText;  // always written
    bool frozen = false;    // 60000 or more: nothing but the number changes
    bool promoted = false;  // a new level is announced
    int levelShown = 0;     // LevelShown after the refresh
    std::string levelName;  // the new level's name, when promoted
    int lastStar = 1;       // stars 2..lastStar are shown (1: none beyond star 1)
};

ScoreDisplayChange PlanScoreDisplay(int score, int levelShown);

}  // namespace zembra
