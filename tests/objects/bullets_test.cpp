#include "objects/bullets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "game_test.h"
#include "gameplay/player.h"
#include "objects/objects.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

// The shape table cut as at start-up (the sizes need no sheets).
class BulletsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    BulletTypes = StartBulletTypes;
  }
  // One field of every live bullet, in slot order.
  static V Field(int32_t ObjectRecord::*field) {
    V out;
    for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
      out.push_back(ObjectTable[j].*field);
    }
    return out;
  }
};

TEST_F(BulletsTest, RingsFansAndArrowsSpreadTheirAnglesAndSpeeds) {
  FireRing(240, 240, 8, 0, 0, 0, 0, 2000, 2);
  // A third of a turn is not whole, and -158.7 truncates toward zero.
  FireRing(240, 240, 3, 0, 0, 100, -500, 2000, 2);
  EXPECT_EQ(Field(&ObjectRecord::Angle), (V{0, 128, 256, 384, 512, 640, 768, 896, 524, 866, 182}));
  EXPECT_EQ(Field(&ObjectRecord::Speed), (V{2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2100, 2200}));

  ResetObjects();
  FireFan(240, 240, 3, 0, 0, 32, 100, 768, 2000, 2);
  FireFan(240, 240, 4, 0, 0, 32, 0, 768, 2000, 2);
  FireFan(240, 240, 3, 0, 0, 32, 0, 0, 2000, 2);  // across angle 0
  EXPECT_EQ(Field(&ObjectRecord::Angle), (V{736, 768, 800, 720, 752, 784, 816, 992, 0, 32}));
  EXPECT_EQ(Field(&ObjectRecord::Speed)[2], 2200);

  ResetObjects();
  FireArrow(240, 240, 5, 0, 0, 16, 500, 256, 4000, 2);
  FireArrow(240, 240, 4, 0, 0, 16, 500, 256, 4000, 2);
  EXPECT_EQ(Field(&ObjectRecord::Angle), (V{224, 240, 256, 272, 288, 232, 248, 264, 280}));
  EXPECT_EQ(Field(&ObjectRecord::Speed), (V{3000, 3500, 4000, 3500, 3000, 3250, 3750, 3750, 3250}));
}

TEST_F(BulletsTest, LinesPolygonsAndOutlinesSpreadVelocitiesAlongSegments) {
  FireLine(240, 240, 4, 100, false, 1000, 2000, 2000, 0, 2);  // (0, 2000) to (2000, 1000)
  EXPECT_EQ(Field(&ObjectRecord::VelX), (V{0, 500, 1000, 1500}));
  EXPECT_EQ(Field(&ObjectRecord::VelY), (V{2000, 1750, 1500, 1250}));
  EXPECT_EQ(Field(&ObjectRecord::AccX), (V{0, 50, 100, 150})) << "accel is per mille of the velocity";
  ResetObjects();
  FireLine(240, 240, 3, 0, true, -1000, 1000, 0, 0, 2);
  EXPECT_EQ(Field(&ObjectRecord::VelY), (V{0, -333, -666, -1000})) << "with its end, truncated toward zero";
  FireLine(240, 240, 0, 0, true, 0, 1000, 0, 0, 2);
  EXPECT_EQ(Field(&ObjectRecord::VelY).size(), 4u) << "a line of no bullets has no end either";

  ResetObjects();
  FirePolygon(240, 240, 3, 0, 4, 0, 2000, 2);
  EXPECT_EQ(Field(&ObjectRecord::VelX), (V{2000, 1334, 667, 0, -666, -1333, -2000, -1334, -667, 0, 666, 1333}));
  EXPECT_EQ(Field(&ObjectRecord::VelY), (V{0, 666, 1333, 2000, 1334, 667, 0, -666, -1333, -2000, -1334, -667}));

  ResetObjects();
  const OutlinePoint tri[] = {{2000, 0}, {2000, 256}, {1000, 512}};
  FireOutline(240, 240, 2, 0, true, tri, 1, 2);
  EXPECT_TRUE(Field(&ObjectRecord::VelX).empty()) << "one corner is no outline";
  FireOutline(240, 240, 2, 0, false, tri, 3, 2);
  FireOutline(240, 240, 2, 0, true, tri, 3, 2);
  EXPECT_EQ(Field(&ObjectRecord::VelX), (V{2000, 1000, 0, -500, 2000, 1000, 0, -500, -1000}));
  EXPECT_EQ(Field(&ObjectRecord::VelY), (V{0, 1000, 2000, 1000, 0, 1000, 2000, 1000, 0}));
}

double Heading(const ObjectRecord& o) { return o.Angle * std::numbers::pi / 512; }

TEST_F(BulletsTest, EllipsesAndFlowersMatchTheirFigures) {
  // 3 wide and 1 high, turned a quarter turn: (3 cos t, sin t) becomes (-sin t, 3 cos t).
  FireEllipse(240, 240, 16, 0, 0, 256, 1000, 3000, 2);
  for (int k = 0; k < 16; ++k) {
    const ObjectRecord& o = ObjectTable[BulletFirst + k];
    const double t = k * std::numbers::pi / 8;
    // Within a unit of heading (18 at this speed) and the tables' truncation.
    EXPECT_NEAR(o.Speed * std::cos(Heading(o)), -1000 * std::sin(t), 25) << k;
    EXPECT_NEAR(o.Speed * std::sin(Heading(o)), 3000 * std::cos(t), 25) << k;
  }
  ResetObjects();
  // Three petals: the speed swells to 3000 and shrinks to 1000 three times around.
  FireFlower(240, 240, 12, 0, 0, 3, 1000, 100, 2000, 2);
  for (int k = 0; k < 12; ++k) {
    const ObjectRecord& o = ObjectTable[BulletFirst + k];
    const int32_t a = static_cast<int32_t>(k * 1024 / 12.0);  // a twelfth of a turn, whole units
    EXPECT_NEAR(o.Speed, 2000 + 1000 * std::cos(3 * a * std::numbers::pi / 512), 2) << k;
    EXPECT_EQ(o.Angle, (a + 100) % 1024) << k;
  }
}

TEST_F(BulletsTest, AFullPoolCutsAFigureShortAndCountsOnlyWhatWasFired) {
  for (int k = 0; k < 395; ++k) FirePolar(240, 240, 0, 0, 3, 0, 0);
  FireRing(240, 240, 8, 0, 0, 0, 0, 2000, 2);
  FireRing(240, 240, 8, 0, 0, 0, 0, 2000, 2);
  EXPECT_EQ(BulletsFired, 400);
  EXPECT_EQ(ObjectTable[BulletLast].Angle, 512) << "the first five angles made it";
}

TEST_F(BulletsTest, UpdateMovesAnimatesAgesAndCounts) {
  FirePolar(200, 200, 2000, 256, 4, 0, 0);  // 125: four pictures, ping-pong
  ObjectTable[125].TimeScale = 0;
  for (int k = 0; k < 3; ++k) FirePolar(200, 200, 0, 0, 3, 0, 0);
  SetBulletType(126, TypeCaptured);
  SetBulletType(127, TypeEnergy);
  SetBulletType(128, 1);  // a flash with 2 frames of life left
  ObjectTable[128].Shown = false;
  ObjectTable[128].Life = 2;
  V frames;
  for (int k = 0; k < 4; ++k) {
    UpdateBullets();
    frames.push_back(Sprites.Sprite(125).Frame);
  }
  EXPECT_EQ((V{Sprites.Sprite(125).Y, ObjectTable[125].Age}), (V{192, 4})) << "time scale 0 stands still";
  EXPECT_EQ(frames, (V{0, 1, 1, 2})) << "a new picture every second frame";
  EXPECT_FALSE(ObjectTable[128].Active) << "the flash ran out on its third frame";
  EXPECT_EQ((V{BulletCount, BonusCount}), (V{1, 1}));

  // NON-BARRIER: a bullet leaving the field scores the odds, and still counts.
  ObjectTable[125].TimeScale = 1000;
  SetPos(125, 200, 479);
  GameMode = ModeNonBarrier;
  Player.Alive = true;
  Player.Odds = 7;
  UpdateBullets();
  EXPECT_EQ((V{ObjectTable[125].Active, Score, BulletCount}), (V{false, 7, 1}));
}

TEST_F(BulletsTest, CancellingLeavesCapturedBulletsAndWeaponShotsAlone) {
  FirePolar(100, 100, 3000, 0, 4, 0, 0);  // cancellable
  FirePolar(300, 100, 3000, 0, 9, 0, 0);  // solid
  FirePolar(100, 300, 0, 0, 3, 0, 0);
  FirePolar(300, 300, 3000, 0, 3, 0, 0);
  SetBulletType(127, TypeCaptured);
  SetBulletType(128, TypeLaser);
  CancelBullets();
  EXPECT_EQ(Field(&ObjectRecord::Param), (V{0, 1, TypeCaptured, TypeLaser}));
  EXPECT_EQ(Field(&ObjectRecord::Speed), (V{0, 0, 0, 3000}));
  EXPECT_EQ((V{CenterX(125), CenterY(126)}), (V{100, 100})) << "the flash stands on the old centre";
  int frames = 0;
  for (; ObjectTable[125].Active; ++frames) UpdateBullets();
  EXPECT_EQ(frames, 16);
}

TEST_F(BulletsTest, BulletStylesRearrangeTheShapesAfreshEachGame) {
  BulletStyle = 2;  // BIG, then SMALL: SMALL must not start from BIG's shapes
  ResetBulletTypes();
  BulletStyle = 1;
  ResetBulletTypes();
  V shapes;
  for (int t = 2; t <= 9; ++t) shapes.push_back(BulletTypes[t].Shape);
  EXPECT_EQ(shapes, (V{434, 438, 434, 438, 366, 370, 378, 382}));
}

}  // namespace
}  // namespace omb
