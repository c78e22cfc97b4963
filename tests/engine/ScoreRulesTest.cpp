// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ScoreRules.h"

using namespace zembra;

TEST(ScoreRules, RowScoreTable)
{
    const int expected[] = {0, 150, 400, 750, 1250, 1850, 2550, 3250, 3850, 4550, 5350, 6250, 7250, 8350};
    for (int rows = 0; rows <= 13; ++rows)
        EXPECT_EQ(RowScore(rows), expected[rows]) << rows;
    for (int rows = 14; rows <= 21; ++rows)
        EXPECT_EQ(RowScore(rows), 9999) << rows;
    EXPECT_EQ(RowScore(22), 0);
    EXPECT_EQ(RowScore(-1), 0);
}

TEST(ScoreRules, NormalModeSpeedFollowsTheTenThousands)
{
    const std::pair<int, int> cases[] = {{0, 500}, {9999, 500}, {10000, 400}, {29999, 300}, {30000, 200},
                                         {39999, 200}, {40000, 100}, {123456, 100}};
    for (auto [score, interval] : cases)
        EXPECT_EQ(AutoFallInterval(score), interval) << score;
}

TEST(ScoreRules, DisplayPlan)
{
    const struct {
        const char* what;
        int score, levelShown;
        bool frozen, promoted;
        int newLevel;
        const char* name;
        int lastStar;
    } cases[] = {
        {"999: star 1 alone", 999, 0, false, false, 0, "", 1},
        {"1000: stars 1 and 2", 1000, 0, false, false, 0, "", 2},
        {"9999: all ten", 9999, 0, false, false, 0, "", 10},
        {"into level two", 10400, 0, false, true, 1, "二级", 1},
        {"level two again, no second promotion", 12000, 1, false, false, 1, "", 3},
        {"into 无敌", 50150, 4, false, true, 5, "无敌", 1},
        {"60000 and more: number only", 60000, 5, true, false, 5, "", 1},
        {"far beyond", 98765, 5, true, false, 5, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScoreDisplayChange d = PlanScoreDisplay(c.score, c.levelShown);
        EXPECT_EQ(d.scoreText, std::to_string(c.score));
        EXPECT_EQ(d.frozen, c.frozen);
        EXPECT_EQ(d.promoted, c.promoted);
        EXPECT_EQ(d.levelShown, c.newLevel);
        EXPECT_EQ(d.levelName, c.name);
        if (!c.frozen) {
            EXPECT_EQ(d.lastStar, c.lastStar);
        }
    }
    EXPECT_EQ(LevelName(0), "一级");
    EXPECT_EQ(LevelName(3), "四级");
    EXPECT_EQ(LevelName(4), "五级");
}
