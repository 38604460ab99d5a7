#include "persistence/ranking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_test.h"
#include "persistence/replay.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using RankingTest = GameTest;

V Scores(int mode) { return V(Ranking[mode].begin(), Ranking[mode].begin() + 10); }

TEST_F(RankingTest, EarlierEntriesWinTiesAndPlaceTenFallsOut) {
  EXPECT_EQ(Scores(0), (V{10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000}));
  EXPECT_EQ(V(Ranking[0].begin() + 10, Ranking[0].begin() + 13), (V{0, 1, 2}));
  SubShot = 2;
  SpecialWeapon = 1;
  EXPECT_EQ(RankInsert(10000, 0), 2);
  EXPECT_EQ(Scores(0), (V{10000, 10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000, 2000}));
  // The weapons move with their scores.
  EXPECT_EQ((V{Ranking[0][11], Ranking[0][21], Ranking[0][12], Ranking[0][22]}), (V{2, 1, 1, 2}));
  EXPECT_EQ(RankInsert(2000, 0), 0) << "equal to place 10";
  EXPECT_EQ(RankInsert(2001, 0), 10);
  EXPECT_EQ(Scores(1)[0], 10000) << "only the game mode's own table changes";
}

TEST_F(RankingTest, ReplaysAndUnknownModesEnterNothing) {
  ReplayPlaying = true;
  EXPECT_EQ(RankInsert(99999, 0), 0);
  ReplayPlaying = false;
  EXPECT_EQ(RankInsert(99999, 7), 0);
  EXPECT_EQ(RankInsert(99999, -1), 0);
  for (int m = 0; m < 5; ++m) EXPECT_EQ(Scores(m)[0], 10000);
  Ranking[3].fill(0);
  EXPECT_EQ(RankInsert(0, 3), 0);
  EXPECT_EQ(RankInsert(1, 3), 1);
}

using RankingFileTest = GameTest;

TEST_F(RankingFileTest, TheTablesGoOutAndComeBackAsTheyStand) {
  ResetRanking();
  const std::string defaults = ReadFile("ranking.txt");
  EXPECT_EQ(defaults.substr(0, 13), "10000\r\n9000\r\n");
  Ranking[4][0] = 5;  // out of order: taken as it stands
  Ranking[4][29] = -2;
  WriteRanking();
  ResetRankingTables();
  ReadRanking();
  EXPECT_EQ((V{Ranking[4][0], Ranking[4][1], Ranking[4][29]}), (V{5, 9000, -2}));
  EXPECT_TRUE(Told.empty());
}

TEST_F(RankingFileTest, ADamagedFileIsKeptAsideAndTheDefaultsPlay) {
  const std::string damaged[] = {"", "12\r\nx\r\n", std::string(149 * 4, '1')};
  for (const std::string& file : damaged) {
    WriteFile("ranking.txt", file);
    Ranking[0][0] = 42;
    ReadRanking();
    EXPECT_EQ(Ranking[0][0], 10000);
  }
  EXPECT_EQ(ReadFile("ranking.txt.bad"), "");
  EXPECT_EQ(ReadFile("ranking.txt.bad1"), "12\r\nx\r\n") << "an older damaged file is never replaced";
  EXPECT_EQ(ReadFile("ranking.txt.bad2").size(), 149u * 4);
  EXPECT_EQ(Told.size(), 3u);
  EXPECT_NE(Told[1].find("ranking.txt line 2 is not a number"), std::string::npos) << Told[1];
  EXPECT_EQ(ReadFile("ranking.txt").substr(0, 7), "10000\r\n") << "a good file again";
}

}  // namespace
}  // namespace omb
