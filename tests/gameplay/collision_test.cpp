#include "gameplay/collision.h"

#include <gtest/gtest.h>

#include <vector>

#include "gameplay/score.h"
#include "gameplay/weapons.h"
#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using CollisionTest = PlayTest;

TEST_F(CollisionTest, HitSizesFollowTheDrawnSizesAndTheSumOfSquaredRadii) {
  // A 16-pixel bullet hits the ship's centre point within 8 pixels.
  const int32_t cx = CenterX(PlayerSlot), cy = CenterY(PlayerSlot);
  const int near = StillBullet(cx + 8, cy, 4);
  const int far = StillBullet(cx + 9, cy, 4);
  EXPECT_EQ((V{CircleHit(PlayerSlot, near), CircleHit(PlayerSlot, far)}), (V{near, -1}));

  // An 8-pixel-wide picture and a 32-pixel one touch up to 20 pixels apart.
  Activate(700, 100, 100);
  Sprites.Sprite(700).Shape = 307;  // 8 x 8
  Activate(758, 0, 100 - 12);
  Sprites.Sprite(758).Shape = 298;  // 32 x 32
  auto boxAt = [](int32_t dx) {
    SetPos(758, 104 + dx - 16, 88);
    return FindBoxHit(700, EnemyFirst, EnemyLast);
  };
  EXPECT_EQ((V{boxAt(20), boxAt(-20), boxAt(21)}), (V{758, 758, -1}));

  // Two 32-pixel circles meet within 16 x sqrt(2) = 22.6 pixels, not 32.
  auto circleAt = [](int32_t dx) {
    SetPos(758, 104 + dx - 16, 88);
    Activate(701, 88, 88);
    Sprites.Sprite(701).Shape = 298;
    return CircleHit(701, 758);
  };
  EXPECT_EQ((V{circleAt(22), circleAt(23)}), (V{758, -1}));
}

TEST_F(CollisionTest, AnotherCountsContactsAndCapturesEverythingOnceTheGaugeIsFull) {
  GameMode = ModeAnother;
  Player.ContactGoal = 1000;
  BarrierSize = 90;
  const int32_t cx = CenterX(PlayerSlot), cy = CenterY(PlayerSlot);
  std::vector<int> held;
  for (int k = 0; k < 100; ++k) held.push_back(StillBullet(cx + 30 + k % 10, cy - 30 - k / 10, 4));
  const int solid = StillBullet(20, 20, 5);
  const int outside = StillBullet(400, 20, 2);
  for (int f = 0; f < 10; ++f) BulletsVsBarrier();
  EXPECT_EQ(Player.ContactCount, 1000);
  EXPECT_EQ(ObjectTable[held[0]].Kind, BulletCancellable) << "the barrier never captures by itself";
  EXPECT_EQ(ObjectTable[held[0]].TimeScale, 1000);

  const int32_t before = Score;
  ApplyModeRules();
  EXPECT_EQ((V{Player.ContactGoal, Player.ContactCount, Player.Odds}), (V{1005, 0, 2}));
  EXPECT_EQ((V{ObjectTable[held[0]].Kind, ObjectTable[outside].Kind}), (V{BulletCaptured, BulletCaptured}));
  EXPECT_EQ(ObjectTable[outside].Age, outside % 249) << "staggered launches";
  EXPECT_EQ((V{ObjectTable[solid].Kind, ObjectTable[solid].Param}), (V{BulletCancellable, 4}));
  EXPECT_EQ(Score - before, 102 * 1) << "(1005 - 1000) / 5 per bullet";
}

TEST_F(CollisionTest, TechnicalRiskSetsTheOddsAndAHitResetsIt) {
  GameMode = ModeTechnical;
  Invuln = 0;
  Player.Damage = 3500;
  ApplyModeRules();
  PlayerHit(true);
  EXPECT_EQ((V{Player.Odds, Player.Life}), (V{3, 6500})) << "the risk, not 1.5 times it";
  ApplyModeRules();
  EXPECT_EQ((V{Player.Damage, Player.Odds}), (V{1000, 1}));

  // Full risk earns 20 a frame, but not while a boss fights.
  Player.Damage = 5000;
  Score = 0;
  ApplyModeRules();
  BossState.Present = true;
  ApplyModeRules();
  EXPECT_EQ((V{Score, Player.Odds}), (V{20, 4}));
}

TEST_F(CollisionTest, TheFortyFirstPopupTakesTheFirstOnesSlot) {
  for (int k = 0; k < 40; ++k) MultiplierPopup(100, 100 + k, 2);
  EXPECT_EQ(CountActive(PopupFirst, PopupLast), 40);
  BonusPopup(300, 300);
  EXPECT_EQ((V{PopupCursor, Sprites.Sprite(PopupFirst).Shape, Sprites.Sprite(PopupFirst).X}), (V{1, 137, 284}));
  // A multiplier pop-up lasts 50 frames, a bonus 125.
  for (int f = 0; f < 50; ++f) UpdatePopups();
  EXPECT_EQ(CountActive(PopupFirst, PopupLast), 1);
  for (int f = 0; f < 75; ++f) UpdatePopups();
  EXPECT_EQ(CountActive(PopupFirst, PopupLast), 0);
}

TEST_F(CollisionTest, PlayTimeCountsOnlyWhileAliveAndTheStyleDrifts) {
  BulletStyle = 3;  // MICRO
  Score = 30;
  CountPlayTime();
  CountPlayTime();
  EXPECT_EQ((V{PlayTime, Score}), (V{2, 0})) << "never below 0";
  BulletStyle = 4;
  BossState.Present = true;
  CountPlayTime();
  EXPECT_EQ(Score, 0) << "no drift while a boss fights";

  Player.Alive = false;
  BulletsFired = 10;
  CountPlayTime();
  EXPECT_EQ((V{PlayTime, BulletsFired}), (V{3, 0})) << "bullets fired after the end are taken back";
}

}  // namespace
}  // namespace omb
