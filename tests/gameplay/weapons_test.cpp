#include "gameplay/weapons.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

// The ship (48 x 48) at its start place between its pods; no game running.
class WeaponsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    BulletTypes = StartBulletTypes;
    Activate(PlayerSlot, 216, 420);
    Sprites.Sprite(PlayerSlot).Shape = 153;
    Activate(PodLeftSlot, 176, 444);
    Activate(PodRightSlot, 272, 444);
  }
  static int ActiveShots() { return CountActive(ShotFirst, ShotLast); }
  // A still captured bullet with its picture's top left at (x, y).
  static int Captured(int32_t x, int32_t y) {
    const int j = FindFree(BulletFirst, BulletLast);
    FirePolar(x, y, 1000, 0, 2, 0, 0);
    SetBulletType(j, TypeCaptured);
    StopMotion(j);
    SetPos(j, x, y);
    return j;
  }
};

TEST_F(WeaponsTest, AVolleyNeedsThreeFreeSlots) {
  for (int j = ShotFirst; j < ShotFirst + 58; ++j) Activate(j, 0, 0);
  FireVolley();
  EXPECT_EQ((V{ActiveShots(), ShotFrame}), (V{58, 0})) << "not even the two shots that would fit";
  Release(ShotFirst + 57);
  FireVolley();
  EXPECT_EQ(ActiveShots(), 60);
  // Left and right sub shots from the pods, then the main shot from the nose.
  EXPECT_EQ((V{Sprites.Sprite(755).X, Sprites.Sprite(756).X, Sprites.Sprite(756).Y}), (V{184, 280, 452}));
  EXPECT_EQ((V{Sprites.Sprite(757).X, Sprites.Sprite(757).Y, ObjectTable[757].VelY}), (V{232, 420, -13000}));
}

TEST_F(WeaponsTest, SubShotPathsFollowTheSubWeapon) {
  auto volley = [](int32_t sub, int32_t podAngle) {
    ReleaseRange(ShotFirst, 60);
    SubShot = sub;
    PodAngle = podAngle;
    FireVolley();
    const ObjectRecord& l = ObjectTable[ShotFirst];
    const ObjectRecord& r = ObjectTable[ShotFirst + 1];
    return V{l.Speed, l.Angle, l.SpeedAcc, l.Turn, r.Speed, r.Angle, r.SpeedAcc, r.Turn};
  };
  EXPECT_EQ(volley(SubCurve, 0), (V{4000, 768, 44, 0, 4000, 768, 44, 0}));
  for (int k = 0; k < 30; ++k) UpdateShots();
  EXPECT_EQ(Sprites.Sprite(ShotFirst).X, 184) << "CURVE with the pods level does not bend";
  EXPECT_EQ(volley(SubCurve, -41), (V{4000, 809, 44, 10, 4000, 727, 44, -10})) << "-41 div 4 is -10";
  EXPECT_EQ(volley(SubTilt, 1000), (V{8000, 744, 0, 0, 8000, 744, 0, 0}));
  EXPECT_EQ(volley(SubWave, 0), (V{14000, 828, -150, 0, 14000, 708, -150, 0}));
}

TEST_F(WeaponsTest, BombingNeedsStockAndNoBombRunning) {
  Bomb();
  EXPECT_EQ(Bombs.Timer, 0);
  Bombs.Stock = 3;
  for (int k = 0; k < 140; ++k) {
    Bomb();
    UpdateBomb();
  }
  EXPECT_EQ((V{Bombs.Stock, Bombs.Used, Bombs.Timer}), (V{2, 1, 0}));
  Bomb();
  EXPECT_EQ((V{Bombs.Stock, Bombs.Used, Bombs.Timer}), (V{1, 2, 140}));
}

TEST_F(WeaponsTest, TheGaugeTurnsIntoBombsUpToFive) {
  Bombs = {.Stock = 4, .Gauge = 10005};
  CheckBombGauge();
  EXPECT_EQ((V{Bombs.Stock, Bombs.Gauge}), (V{5, 0}));
  Bombs.Gauge = 3000;
  CheckBombGauge();
  EXPECT_EQ((V{Bombs.Stock, Bombs.Gauge}), (V{5, 0})) << "no gauge at five bombs";
  Bombs = {.Stock = 2, .Gauge = 10005};
  CheckBombGauge();
  EXPECT_EQ((V{Bombs.Stock, Bombs.Gauge}), (V{3, 5}));
}

TEST_F(WeaponsTest, ReleasingTheBarrierLaunchesEveryCapturedBulletAndPaysOnce) {
  SpecialWeapon = SpecialEnergy;
  for (int k = 0; k < 12; ++k) Captured(20 + 30 * k, 100);
  UpdateBullets();
  BonusGoal = 10;
  ReleaseBarrier();
  EXPECT_EQ((V{Score, BonusGoal, SoundRequest[11]}), (V{1500, 11, true}));
  UpdateBullets();
  for (int j = BulletFirst; j < BulletFirst + 12; ++j) EXPECT_EQ(ObjectTable[j].Param, TypeEnergy) << j;

  GameMode = ModeTechnical;
  Player.Odds = 3;
  BonusCount = 11;
  ReleaseBarrier();
  EXPECT_EQ((V{Score, BonusGoal}), (V{6000, 12})) << "the odds times";
  BonusCount = 11;
  ReleaseBarrier();
  EXPECT_EQ((V{Score, BonusGoal}), (V{6000, 12})) << "short of the goal";
}

TEST_F(WeaponsTest, ALaserStandsOverTheWholeFieldEightPixelsRightOfItsBullet) {
  SpecialWeapon = SpecialLaser;
  for (int32_t x : {-8, 200, 447}) {
    ReleaseRange(BulletFirst, 400);
    const int j = Captured(x, 300);
    for (int k = 0; k < 249; ++k) UpdateBullets();
    ASSERT_EQ(ObjectTable[j].Kind, BulletCaptured) << "a captured bullet waits 250 frames";
    UpdateBullets();
    EXPECT_EQ((V{ObjectTable[j].Param, Sprites.Sprite(j).X, Sprites.Sprite(j).Y, Sprites.DrawHeight(j)}),
              (V{TypeLaser, x + 8, 0, 480}));
    for (int k = 0; k < 21; ++k) UpdateBullets();
    EXPECT_TRUE(ObjectTable[j].Active) << "22 frames";
    UpdateBullets();
    EXPECT_FALSE(ObjectTable[j].Active);
  }
}

TEST_F(WeaponsTest, EnergyFliesAwayFromTheShipAndAimHeadsForItsTarget) {
  SpecialWeapon = SpecialEnergy;
  const int ball = Captured(400, 100);
  ObjectTable[ball].Age = 249;
  UpdateBullets();
  const int32_t d0 = DistanceBetween(PlayerSlot, ball);
  UpdateBullets();
  EXPECT_NEAR(DistanceBetween(PlayerSlot, ball) - d0, 16, 1);

  SpecialWeapon = SpecialAim;
  Activate(760, 100, 100);
  AimTarget = 760;
  const int missile = Captured(300, 300);
  ObjectTable[missile].Age = 249;
  UpdateBullets();
  const ObjectRecord& o = ObjectTable[missile];
  EXPECT_EQ((V{o.Param, o.Speed, o.SpeedAcc}), (V{TypeAim, 8000, 500}));
  const int32_t toTarget = WrapAngle(AngleBetween(missile, 760));
  EXPECT_LE(std::abs(WrapAngle(o.Angle - toTarget + 512) - 512), 8) << "up to 8 of scatter";
}

}  // namespace
}  // namespace omb
