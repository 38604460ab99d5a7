#include "persistence/ranking.h"

#include <gtest/gtest.h>

#include <vector>

#include "persistence/replay.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

class RankingTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetAllVariables(); }
};

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

}  // namespace
}  // namespace omb
