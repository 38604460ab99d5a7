#include "gameplay/hud.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "persistence/ranking.h"
#include "persistence/replay.h"
#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;
using Rows = std::vector<std::string>;

// The panel's rows at the given heights, as read from x = 480.
Rows PanelRows(std::initializer_list<int32_t> ys) {
  Rows rows;
  for (const int32_t y : ys) {
    const std::string row = TextRow(y);
    rows.push_back(row.size() > 30 ? row.substr(30) : "");
  }
  return rows;
}

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
  EXPECT_EQ(PanelRows({160, 176, 208, 272, 320, 368, 416}),
            (Rows{"SCORE", "123456", "BOMB 2", "3/10", "98.50%", "x3", "35%"}));
  Player.Life = 0;
  Player.Alive = true;
  GameMode = ModeAnother;
  Player.ContactGoal = 1000;
  Player.ContactCount = 250;
  Frame();
  EXPECT_EQ(PanelRows({320, 352, 368}), (Rows{"0.00%", "OMBREZZA", "25%"}));
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
  EXPECT_EQ(PanelRows({272}), (Rows{"NONE"}));
}

TEST_F(HudTest, TheBossGaugeAndCountdownFollowTheBoss) {
  const int boss = SpawnEnemy(4, 152, -176, false);
  ASSERT_EQ(boss, BossState.Slot);
  BossState.TimeLeft = 1234;
  Enemy(boss).Hp = 5000;
  for (int f = 0; f < 60; ++f) Frame();
  EXPECT_EQ((V{BossState.GaugeShown, Sprites.DrawWidth(112)}), (V{5000, 240})) << "caught up at 1 % a frame";
  // 1234 - 60 frames = 1174, 23 seconds.
  EXPECT_EQ((V{Sprites.Sprite(114).Shape, Sprites.Sprite(115).Shape, Sprites.Sprite(116).Shape}), (V{105, 107, 108}));
  EXPECT_TRUE(Sprites.Sprite(112).Visible);

  // The last ten seconds tick and flash.
  BossState.TimeLeft = 451;
  StageFrame = 0;
  Frame();
  EXPECT_FALSE(SoundRequest[3]);
  Frame();
  EXPECT_EQ((V{SoundRequest[3], Sprites.Sprite(116).Shape}), (V{true, 115 + 9}));

  // Out of time: the life ends without its bounty.
  BossState.TimeLeft = 1;
  Frame();
  EXPECT_EQ((V{Enemy(boss).Hp, BossState.ScoreFactor}), (V{0, 0}));
  BossState.Present = false;
  Frame();
  EXPECT_FALSE(Sprites.Sprite(112).Visible || Sprites.Sprite(114).Visible);
}

TEST_F(HudTest, AStageClearedWithoutABombPaysTheSquareOfItsStreak) {
  Bombs.NoBombStreak = 1;
  ShowBanner(BannerCleared, 250);
  const int32_t before = Score;
  for (int f = 0; f < 199; ++f) Frame();
  EXPECT_EQ((V{Bombs.NoBombStreak, Score}), (V{2, before}));
  Frame();
  EXPECT_EQ(Score, before + 40000) << "paid 50 frames before the banner ends";
  EXPECT_EQ((Rows{TextRow(264), TextRow(280)}),
            (Rows{std::string(9, ' ') + "NOBOMB BONUS", std::string(11, ' ') + "40000pts"}));
  BulletStyle = 4;  // HUGE, then MICRO
  const int32_t huge = NoBombBonus(2);
  BulletStyle = 3;
  EXPECT_EQ((V{huge, NoBombBonus(3)}), (V{160000, 22500}));

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
  EXPECT_EQ((V{RankResult, Ranking[0][2], GameState}), (V{3, 8500, StateTitle}));
  ButtonsPrev = 1;
  Frame();
  EXPECT_EQ((Rows{TextRow(192), TextRow(240)}),  // at x 168 and 120
            (Rows{std::string(10, ' ') + "GAME OVER", std::string(7, ' ') + "RANK IN! AT 3rd"}));
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
