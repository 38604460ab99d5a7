// Whole runs of stage 1 in this process, from `--play 1` to its end.
#include <gtest/gtest.h>

#include <string>

#include "enemies/enemies.h"
#include "enemies/script.h"
#include "game_fixture.h"
#include "gameplay/collision.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "persistence/ranking.h"
#include "play_fixture.h"
#include "shell/dump.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

constexpr int FrameLimit = 12000;

// Runs frames until `done` holds (at most FrameLimit); returns the frames run.
template <typename Done>
int RunUntil(HeadlessGame& game, Done done) {
  int n = 0;
  while (!done() && n < FrameLimit) {
    game.Frames(1);
    ++n;
  }
  return n;
}

TEST(StageRunTest, TheaterWithTheShotHeldClearsTheStageAndStartsStageTwo) {
  HeadlessGame game("20000 16\n", 1, 0, 0, ModeTheater);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.Frames(2);
  RunUntil(game, [] { return BannerKind == BannerCleared; });
  ASSERT_EQ(BannerKind, BannerCleared);
  EXPECT_EQ(Player.Life, 10000) << "nothing hurts in THEATER";
  game.Frames(120);
  EXPECT_EQ(TextRow(232), std::string(9, ' ') + "STAGE CLEAR!");
  const int32_t score = Score;
  RunUntil(game, [] { return Stage == 2; });
  EXPECT_EQ(Score - score, 10000) << "the no-bomb bonus of the first stage so cleared";
  EXPECT_EQ(ScriptCount, 282) << "stage 2's script";
  EXPECT_EQ(StageFrame, 1);
  EXPECT_EQ(BannerKind, BannerStage);
  EXPECT_EQ(GameState, StatePlay);
}

TEST(StageRunTest, WithoutInputTheShipIsLostAndGameOverShowsFromThe51stFrame) {
  HeadlessGame game({}, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  Ranking[0].fill(-1);  // so that even a score of 0 takes a place
  game.Frames(2);
  RunUntil(game, [] { return !Player.Alive; });
  ASSERT_FALSE(Player.Alive);
  EXPECT_EQ(Player.Life, 0);
  EXPECT_EQ(GameOverTimer, 1) << "the frame of the loss counts";
  game.Frames(48);
  EXPECT_EQ(GameOverTimer, 49);
  EXPECT_EQ(RankResult, 0);
  game.Frames(1);
  EXPECT_EQ(RankResult, 1);
  EXPECT_EQ(TextRow(192), "");
  game.Frames(1);
  EXPECT_EQ(TextRow(192), std::string(10, ' ') + "GAME OVER");
  EXPECT_EQ(TextRow(240), std::string(7, ' ') + "RANK IN! AT 1st");
  EXPECT_EQ(Ranking[0][0], 0);
}

// From the title: a new game and its first five play frames.
std::string NextGameStart(HeadlessGame& game) {
  DirectPlayRequest = {true, 1, 0, 0, 0};
  game.Frames(1 + 5);
  return DumpState();
}

TEST(StageRunTest, TwoGamesInARowStartAlikeHoweverTheFirstEnded) {
  HeadlessGame game({}, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.Frames(100);
  FormKeyDown(KeyEscape);  // left with the ship alive
  game.Frames(1);
  ASSERT_EQ(GameState, StateTitle);
  const std::string afterEscape = NextGameStart(game);

  Invuln = 0;
  Player.Life = 1;
  PlayerHit(false);  // this one ends with the ship lost
  game.Frames(60);
  FormKeyDown(KeyEscape);
  game.Frames(1);
  const std::string afterLoss = NextGameStart(game);
  EXPECT_EQ(afterEscape, afterLoss);
  EXPECT_NE(afterLoss.find("\"PlayTime\": 5,"), std::string::npos);
}

}  // namespace
}  // namespace omb
