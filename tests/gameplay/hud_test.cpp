#include "gameplay/hud.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/ranking.h"
#include "persistence/replay.h"
#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

class HudTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    for (int s = 110; s <= 116; ++s) Activate(s, 0, 0);
    Sprites.Sprite(112).Shape = 128;  // boss gauge bar, 8 wide
    Sprites.Sprite(110).Shape = 127;
  }
  // One frame of the display.
  static void Frame() {
    UpdatePanel();
    DrawHud();
    ++StageFrame;
  }
};

TEST_F(HudTest, ThePanelReadsItsFiguresLineByLine) {
  Score = 123456;
  Bombs.Stock = 2;
  Player.Life = 9850;
  BonusCount = 3;
  BonusGoal = 10;
  GameMode = ModeTechnical;
  Player.Odds = 3;
  Player.Damage = 3500;
  Frame();
  EXPECT_EQ(TextRow(160), std::string(30, ' ') + "SCORE");
  EXPECT_EQ(TextRow(176), std::string(30, ' ') + "123456");
  EXPECT_EQ(TextRow(208), std::string(30, ' ') + "BOMB 2");
  EXPECT_EQ(TextRow(272), std::string(30, ' ') + "3/10");
  EXPECT_EQ(TextRow(320), std::string(30, ' ') + "98.50%");
  EXPECT_EQ(TextRow(368), std::string(30, ' ') + "x3");
  EXPECT_EQ(TextRow(416), std::string(30, ' ') + "35%");
  Player.Life = 0;
  Player.Alive = true;
  GameMode = ModeAnother;
  Player.ContactGoal = 1000;
  Player.ContactCount = 250;
  Frame();
  EXPECT_EQ(TextRow(320), std::string(30, ' ') + "0.00%");
  EXPECT_EQ(TextRow(352), std::string(30, ' ') + "OMBREZZA");
  EXPECT_EQ(TextRow(368), std::string(30, ' ') + "25%");
  EXPECT_EQ(TextRow(416), "") << "nothing left over from the longer panel";
}

TEST_F(HudTest, AFullBonusBlinksTwoFramesOnAndTwoOff) {
  BonusCount = 10;
  BonusGoal = 10;
  std::string seen;
  for (int f = 0; f < 8; ++f) {
    Frame();
    seen += TextRow(272).empty() ? '-' : 'o';
  }
  EXPECT_EQ(seen, "--oo--oo");
  SpawnEnemy(4, 152, -176, false);
  Frame();
  EXPECT_EQ(TextRow(272), std::string(30, ' ') + "NONE");
}

TEST_F(HudTest, TheBossGaugeAndCountdownFollowTheBoss) {
  const int boss = SpawnEnemy(4, 152, -176, false);
  ASSERT_EQ(boss, BossState.Slot);
  BossState.TimeLeft = 1234;
  Enemy(boss).Hp = 5000;
  for (int f = 0; f < 60; ++f) Frame();
  EXPECT_EQ(BossState.GaugeShown, 5000) << "caught up at 1 % a frame";
  EXPECT_EQ(Sprites.DrawWidth(112), 240);
  // 1234 - 60 frames = 1174, 23 seconds.
  EXPECT_EQ((V{Sprites.Sprite(114).Shape, Sprites.Sprite(115).Shape, Sprites.Sprite(116).Shape}), (V{105, 107, 108}));
  EXPECT_TRUE(Sprites.Sprite(112).Visible);

  // The last ten seconds tick and flash.
  BossState.TimeLeft = 451;
  StageFrame = 0;
  Frame();
  EXPECT_FALSE(SoundRequest[3]);
  Frame();
  EXPECT_TRUE(SoundRequest[3]);
  EXPECT_EQ(Sprites.Sprite(116).Shape, 115 + 9);

  // Out of time: the life ends without its bounty.
  BossState.TimeLeft = 1;
  Frame();
  EXPECT_EQ((V{Enemy(boss).Hp, BossState.ScoreFactor}), (V{0, 0}));
  BossState.Present = false;
  Frame();
  EXPECT_FALSE(Sprites.Sprite(112).Visible);
  EXPECT_FALSE(Sprites.Sprite(114).Visible);
}

TEST_F(HudTest, AStageClearedWithoutABombPaysTheSquareOfItsStreak) {
  Bombs.NoBombStreak = 1;
  ShowBanner(BannerCleared, 250);
  const int32_t before = Score;
  for (int f = 0; f < 199; ++f) Frame();
  EXPECT_EQ(Bombs.NoBombStreak, 2);
  EXPECT_EQ(Score, before);
  Frame();
  EXPECT_EQ(Score, before + 40000) << "paid 50 frames before the banner ends";
  EXPECT_EQ(TextRow(264), std::string(9, ' ') + "NOBOMB BONUS");
  EXPECT_EQ(TextRow(280), std::string(11, ' ') + "40000pts");

  BulletStyle = 4;  // HUGE
  EXPECT_EQ(NoBombBonus(2), 160000);
  BulletStyle = 3;  // MICRO
  EXPECT_EQ(NoBombBonus(3), 22500);

  // A banner shorter than 51 frames never reaches the payment.
  ShowBanner(BannerCleared, 50);
  const int32_t now = Score;
  for (int f = 0; f < 50; ++f) Frame();
  EXPECT_EQ(Score, now);
}

TEST_F(HudTest, TheEndOfTheGameEntersTheRankingAndWaitsForTheFirstButton) {
  Player.Alive = false;
  Score = 8500;
  for (int f = 0; f < 49; ++f) Frame();
  EXPECT_EQ(RankResult, 0);
  ButtonsNow = 1;  // pressed before "GAME OVER" shows: nothing
  Frame();
  EXPECT_EQ(RankResult, 3);
  EXPECT_EQ(Ranking[0][2], 8500);
  EXPECT_EQ(GameState, StateTitle);
  ButtonsPrev = 1;
  Frame();
  EXPECT_EQ(TextRow(192), std::string(10, ' ') + "GAME OVER");  // x 168
  EXPECT_EQ(TextRow(240), std::string(7, ' ') + "RANK IN! AT 3rd");  // x 120
  EXPECT_EQ(GameState, StateTitle) << "held, not newly pressed";
  ButtonsPrev = 0;
  Frame();
  EXPECT_EQ(GameState, StateResult);

  GameState = StatePlay;
  ReplayPlaying = true;
  Frame();
  EXPECT_EQ(GameState, StateTitle) << "a replay goes back to the title";
}

}  // namespace
}  // namespace omb
