// Stage 3's craft, the boss's parts and drones, frame by frame (the bullets
// are not moved, so every one fired stays where it was counted).
#include <gtest/gtest.h>

#include <vector>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "play_fixture.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

class Stage3Test : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    Stage = 3;
    BuildEnemyKinds();
  }
};

void Frames(int n) {
  for (int f = 0; f < n; ++f) {
    UpdateEnemies();
    TickBossClock();
  }
}

// The live enemies of one behaviour, released when `release`.
int Count(int32_t behaviour, bool release = false) {
  int n = 0;
  for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) {
    if (ObjectTable[j].Kind != behaviour) continue;
    ++n;
    if (release) Release(j);
  }
  return n;
}

int BulletsOfSpeed(int32_t speed) {
  int n = 0;
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    n += ObjectTable[j].Speed == speed ? 1 : 0;
  }
  return n;
}

// The boss at its place, attack `attack` about to run at t = `t`.
int BossAt(int32_t attack, int32_t t) {
  const int boss = SpawnEnemy(8, 160, 40, false);
  StopMotion(boss);
  BossState.Attack = attack;
  BossState.Clock = t;
  BossState.GaugeShown = BossState.GaugeHp;
  return boss;
}

TEST_F(Stage3Test, ASliderFiresInTheFrameItStopsAndNeverAgain) {
  const int slot = SpawnEnemy(0, 100, 40, false);
  ObjectTable[slot].VelY = 1440;  // below 1 at age 48, a firing age
  BulletsFired = 0;
  Frames(47);
  EXPECT_EQ(BulletsFired, 7) << "ages 6 to 30 and 42, the fifth shot a pair";
  Frames(1);
  EXPECT_EQ((V{BulletsFired, ObjectTable[slot].VelY, ObjectTable[slot].AccX}), (V{8, 0, 15}));
  Frames(100);
  EXPECT_EQ(BulletsFired, 8);
}

TEST_F(Stage3Test, OnlyTheRiserOfCodeTwoEndsWithABurst) {
  const struct {
    int32_t Code, StreamType, Burst;
  } rows[] = {{2, 4, 12}, {3, 5, 0}};
  for (const auto& row : rows) {
    ReleaseRange(BulletFirst, 400);
    const int slot = SpawnEnemy(row.Code, -48, 250, false);
    Frames(30);
    EXPECT_EQ(ObjectTable[FindActive(BulletFirst, BulletLast)].Param, row.StreamType) << "code " << row.Code;
    BulletsFired = 0;
    Frames(130);
    EXPECT_EQ(BulletsFired, 11 + row.Burst) << "code " << row.Code << ": the stream, then the burst at 160";
    Release(slot);
  }
}

TEST_F(Stage3Test, TheBossReplacesNoMoreThanFifteenPartsInAll) {
  const int boss = BossAt(1, 0);
  int spawned = 0;
  for (int f = 0; f < 20; ++f) {
    Frames(1);
    spawned += Count(6, true);  // every part shot down at once
  }
  EXPECT_EQ((V{spawned, Enemy(boss).Work[9]}), (V{15, 0}));
  Frames(5);
  EXPECT_EQ(Count(6), 0) << "the stock used up, the places stay empty";
}

TEST_F(Stage3Test, APartThatFindsNoFreeSlotIsUsedUpAllTheSame) {
  const int boss = BossAt(1, 0);
  while (FindFree(EnemyFirst, EnemyLast) < EnemyLast - 1) SpawnEnemy(0, 100, 40, false);
  Frames(1);
  EXPECT_EQ((V{Count(6), Enemy(boss).Work[9]}), (V{2, 9}));
}

// Each of the eight muzzles: with parts alive ten shots per 75 frames at
// 3940, bare five per 60 at 4000.
TEST_F(Stage3Test, AttackThreeStreamsLongerAndSlowerWhileItHasParts) {
  const struct {
    bool Parts;
    int Frames;
    int32_t Speed;
  } rows[] = {{true, 75, 3940}, {false, 60, 4000}};
  for (const auto& row : rows) {
    ReleaseRange(EnemyFirst, 30);
    const int boss = BossAt(1, 0);
    if (!row.Parts) Enemy(boss).Work[9] = 0;
    Frames(2);  // the parts are on their orbit
    ReleaseRange(BulletFirst, 400);
    BossState.Attack = 3;
    BossState.Clock = 0;
    Frames(row.Frames);
    EXPECT_EQ(Count(6), row.Parts ? 6 : 0);
    EXPECT_EQ(BulletsOfSpeed(row.Speed), 8 * (row.Parts ? 10 : 5)) << "with parts " << row.Parts;
  }
}

TEST_F(Stage3Test, TheBossHoldsItsStreamWhileAnyDroneLives) {
  BossAt(7, 440);
  Frames(60);  // three drones out of it at t = 450
  EXPECT_EQ((V{Count(7), BulletsOfSpeed(3000)}), (V{3, 0}));
  Count(7, true);
  Frames(6);  // t = 500 still finds the drones' census, 505 none
  EXPECT_EQ(BulletsOfSpeed(3000), 9);
}

TEST_F(Stage3Test, AHuntingDroneTakesItsHeadingWrapped) {
  SpawnArgs = {3, 0, 0, -300, 0, 0};  // the ship above the boss
  EXPECT_EQ(ObjectTable[SpawnEnemy(7, 200, 200, false)].Angle, 724) << "the first Move reads the tables with it";
}

}  // namespace
}  // namespace omb
