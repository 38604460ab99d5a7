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

// A small craft of stage 1 (48 x 48) with its top left at (x, y).
int Craft(int32_t x, int32_t y) { return SpawnEnemy(0, x, y, false); }

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

TEST_F(CollisionTest, TheBarrierCapturesOnTheTwentiethFrameAndLetsGoOnePercentAFrame) {
  BarrierSize = 90;
  const int32_t cx = CenterX(PlayerSlot), cy = CenterY(PlayerSlot);
  const int j = StillBullet(cx + 40, cy, 4);
  for (int k = 0; k < 19; ++k) BulletsVsBarrier();
  EXPECT_EQ((V{ObjectTable[j].Kind, ObjectTable[j].TimeScale}), (V{BulletCancellable, 50}));
  BulletsVsBarrier();
  EXPECT_EQ((V{ObjectTable[j].Kind, ObjectTable[j].Param, ObjectTable[j].Age}), (V{BulletCaptured, TypeCaptured, 0}));
  EXPECT_EQ(Player.Damage, 1010) << "every capture raises the risk";
  EXPECT_EQ((V{CenterX(j), CenterY(j)}), (V{cx + 40, cy})) << "the captured picture keeps the centre";

  // Ten frames in, five out.
  const int k = StillBullet(cx + 40, cy - 40, 4);
  for (int f = 0; f < 10; ++f) BulletsVsBarrier();
  SetPos(k, 400, 0);
  for (int f = 0; f < 5; ++f) BulletsVsBarrier();
  EXPECT_EQ(ObjectTable[k].TimeScale, 550);

  // Solid bullets are neither slowed nor restored; they hurt only at the centre.
  const int solid = StillBullet(cx + 40, cy, 5);
  ObjectTable[solid].TimeScale = 700;
  BulletsVsBarrier();
  EXPECT_EQ(ObjectTable[solid].TimeScale, 700);
  EXPECT_EQ(Player.Life, 10000);
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

TEST_F(CollisionTest, TheaterHarmsNothingButEnemiesStillPush) {
  GameMode = ModeTheater;
  const int32_t cx = CenterX(PlayerSlot), cy = CenterY(PlayerSlot);
  StillBullet(cx, cy, 5);
  BulletsVsShip();
  PlayerHit(true);
  EXPECT_EQ((V{Player.Life, Player.HitsBySolid, Player.HitsByCancellable}), (V{10000, 0, 0}));
  Craft(cx - 24 + 10, cy - 24);
  EnemiesVsShip();
  EXPECT_EQ((V{ObjectTable[PlayerSlot].VelX, ObjectTable[PlayerSlot].VelY}), (V{-10000, 0}));
  EXPECT_TRUE(SoundRequest[7]);
}

TEST_F(CollisionTest, HitsCostEnergyAndTheLastOneDestroysTheShip) {
  Player.Life = 1501;
  PlayerHit(true);
  PlayerHit(false);  // invulnerable after a hit
  EXPECT_EQ((V{Player.Life, Player.DamageTaken, Player.HitsByCancellable, Invuln, Player.Alive}),
            (V{1, 1500, 1, 249, 1}));

  Invuln = 0;
  Player.Life = 1500;
  PlayerHit(true);
  EXPECT_EQ((V{Player.Life, Player.Alive, ObjectTable[PlayerSlot].Active, ObjectTable[MarkerFirst].Active,
               SoundRequest[10]}),
            (V{0, false, false, false, true}));
  EXPECT_GE(CountActive(EffectFirst, EffectLast), 30) << "the burst";
  PlayerHit(false);
  EXPECT_EQ(Player.HitsBySolid, 0) << "a lost ship is not hit again";
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

TEST_F(CollisionTest, ShotsDamageTheLowestEnemyTheyTouchAndKillsPayTheBounty) {
  const int enemy = Craft(200, 200);
  Enemy(enemy).Hp = 30;
  Enemy(enemy).Bounty = 100;
  const int other = Craft(200, 200);
  Activate(700, 220, 210);
  Sprites.Sprite(700).Shape = 171;
  ObjectTable[700].Kind = ShotMain;
  ObjectTable[700].Param = 35;
  ShotsVsEnemies();
  // The shot is used up on one enemy only; the kill pays its bounty.
  EXPECT_EQ((V{Score, ObjectTable[enemy].Active, ObjectTable[700].Active, Enemy(other).Hp, Bombs.Gauge}),
            (V{35 + 100, false, false, 50, 17}));
  EXPECT_EQ(CountActive(PopupFirst, PopupLast), 0) << "no pop-up for multiplier 1";
  EXPECT_EQ((V{LastHitX, LastHitY}), (V{224, 224}));

  // A blast is not used up: it hits one enemy a frame and feeds the ship.
  Player.Life = 9000;
  Activate(701, 200, 200);
  Sprites.Sprite(701).Shape = 215;
  ObjectTable[701].Kind = ShotBlast;
  ObjectTable[701].Param = 10;
  ShotsVsEnemies();
  ShotsVsEnemies();
  EXPECT_EQ((V{Enemy(other).Hp, Player.Life}), (V{30, 9010}));
  EXPECT_TRUE(ObjectTable[701].Active);
}

TEST_F(CollisionTest, ASpecialWeaponKillPaysItsRaisedBountyTwice) {
  const int enemy = Craft(200, 200);
  Enemy(enemy).Hp = 4;
  Enemy(enemy).Bounty = 10;
  const int laser = StillBullet(224, 224, 4);
  SetBulletType(laser, TypeLaser);
  Player.Odds = 2;
  SpecialVsEnemies(laser);
  // 4 damage x 2, then the bounty x 2, then the raised bounty (13) once more.
  EXPECT_EQ(Score, 8 + 20 + 13);
  EXPECT_EQ(BossState.ScoreFactor, 2);
  EXPECT_EQ(CountActive(PopupFirst, PopupLast), 1) << "the x2 pop-up";

  // An AIM missile is spent on its first hit; its speed sets the damage.
  const int a = Craft(200, 200);
  const int b = Craft(200, 200);
  const int aim = StillBullet(224, 224, 4);
  SetBulletType(aim, TypeAim);
  ObjectTable[aim].Speed = 16000;
  SpecialVsEnemies(aim);
  EXPECT_EQ((V{Enemy(a).Hp, Enemy(b).Hp, Enemy(a).Bounty}), (V{-30, 50, 35}));
  EXPECT_FALSE(ObjectTable[aim].Active);
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
