// Stage 4's craft, bombs, drones and boss, frame by frame, where a whole run
// would not show the rule. The game's end after the last boss is the whole
// game's end-to-end test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "gameplay/hud.h"
#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

enum : int32_t { SpawnLargeCraft = 0, SpawnSmallCraft = 1, SpawnDiver = 2, SpawnBomb = 3, SpawnDrone = 4,
                 SpawnBoss = 5 };
enum : int32_t { ChasingBursts = 4, CurlingStreams = 6, DroneWaves = 7 };

class Stage4Test : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    Stage = 4;
    BuildEnemyKinds();
  }
};

int Bullets() { return CountActive(BulletFirst, BulletLast); }

void Frames(int n) {
  for (int f = 0; f < n; ++f) {
    UpdateEnemies();
    TickBossClock();
  }
}

// The boss in `attack`, whose next frame sees time t, its gauge full.
int BossIn(int32_t attack, int32_t t) {
  const int boss = SpawnEnemy(SpawnBoss, 176, 40, false);
  BossState.Attack = attack;
  BossState.Clock = t;
  BossState.GaugeShown = BossState.GaugeHp;
  return boss;
}

TEST_F(Stage4Test, ALargeCraftHoldsTheScriptFromItsFrame301UntilItHasLeft) {
  ResetStageScript();
  const ScriptEntry entries[] = {{1, 340, -96, SpawnLargeCraft}, {301, 100, -32, SpawnSmallCraft},
                                 {302, 200, -32, SpawnSmallCraft}, {1500, 300, -32, SpawnSmallCraft},
                                 {9000, 176, -128, SpawnBoss},     {ScriptEnd, 0, 0, 0}};
  std::copy(std::begin(entries), std::end(entries), StageScript.begin());
  const auto frame = [] {
    ++StageFrame;
    RunStageScript();
    UpdateEnemies();
  };
  while (StageFrame < 302) frame();
  EXPECT_EQ(CountActive(EnemyFirst, EnemyLast), 2) << "the entry of frame 301 came, that of 302 not";
  while (ObjectTable[EnemyFirst].Active) {
    ASSERT_TRUE(ScriptHold) << "held until it leaves, at frame " << StageFrame;
    frame();
  }
  EXPECT_GT(StageFrame, 2500);
  frame();
  frame();
  EXPECT_EQ((V{ScriptPos, CountActive(EnemyFirst, EnemyLast)}), (V{4, 0})) << "the held entries are dropped";
}

TEST_F(Stage4Test, ADivingCraftKeepsAWrappedHeadingWhenItDivesUpward) {
  PlaceShip(216, -24);  // above any point the craft heads for
  const int diver = SpawnEnemy(SpawnDiver, 200, 300, false);
  Frames(70);  // the dive begins, the heading kept for the next move to read
  EXPECT_GT(ObjectTable[diver].Angle, 512);
  EXPECT_LT(ObjectTable[diver].Angle, 1024);
}

TEST_F(Stage4Test, BombsAndDronesBurstWithoutFiringTheFrameTheBossLosesALife) {
  struct Case {
    const char* what;
    int32_t spawn, frame;  // the depletion comes just before this frame of its life
    bool bursts;
  };
  const Case cases[] = {
      {"a bomb in its first frame only notes it", SpawnBomb, 1, false},
      {"a bomb about to burst into streams", SpawnBomb, 80, true},
      {"a drone in its first frame only notes it", SpawnDrone, 1, false},
      {"a drone about to fire its first fan", SpawnDrone, 12, true},
  };
  for (const Case& c : cases) {
    ReleaseRange(EnemyFirst, 30);
    BossState.Depletions = 3;
    SpawnArgs = {0, 3000, 768, 40, 3, 0};  // mode 0, thrown upward
    const int j = SpawnEnemy(c.spawn, 224, 224, false);
    Frames(c.frame - 1);
    ++BossState.Depletions;
    ReleaseRange(BulletFirst, 400);
    SoundRequest[4] = false;
    Frames(1);
    EXPECT_EQ((V{ObjectTable[j].Active, SoundRequest[4], Bullets()}), (V{!c.bursts, c.bursts, 0})) << c.what;
    Frames(1);
    EXPECT_EQ(ObjectTable[j].Active, !c.bursts) << c.what << ": no burst on the next frame";
  }
}

TEST_F(Stage4Test, ChasingBurstsDrawTheirCountAfreshAndCloseTheirRing) {
  const int boss = BossIn(ChasingBursts, 1);
  Enemy(boss).Work[0] = 46;  // with a full gauge 5 a frame: a burst every 10 frames from the first
  std::set<int> counts;
  for (int burst = 0; burst < 6; ++burst) {
    ReleaseRange(BulletFirst, 400);
    Frames(10);
    const int n = Bullets();
    counts.insert(n);
    EXPECT_EQ(ObjectTable[BulletFirst + n - 1].Angle, ObjectTable[BulletFirst].Angle) << n << " bullets";
  }
  EXPECT_GT(counts.size(), 1u);
}

TEST_F(Stage4Test, CurlingStreamsBelowAngleZeroKeepTheirTurn) {
  const int boss = BossIn(CurlingStreams, 122);  // the second half of an odd cycle: -5 a volley
  Enemy(boss).Work = {30002, 30002, 30002, 30002, 30002, 30002};  // angle 2, turn 3
  Frames(3);
  EXPECT_EQ(Enemy(boss).Work[0], 31016) << "1021, then 1016, the turn kept";
  const ObjectRecord& last = ObjectTable[BulletFirst + 12];  // stream 0 of the second volley
  EXPECT_EQ((V{last.Angle, last.Turn}), (V{1021, 3}));
}

TEST_F(Stage4Test, DroneWavesNeverRepeatAnEvenWavesModeAndOddWavesReuseIt) {
  const int boss = BossIn(DroneWaves, 0);
  int32_t lastEven = 0;  // the boss begins the attack remembering 0
  for (int32_t wave = 2; wave < 14; ++wave) {
    ObjectTable[boss].Age = 160 * wave - 1;
    Frames(1);
    const int32_t mode = Enemy(EnemyFirst + 1).Work[9];
    if (wave % 2 == 0) {
      EXPECT_EQ(mode % 2, 0);
      EXPECT_NE(mode, lastEven) << "wave " << wave;
      lastEven = mode;
    } else {
      EXPECT_EQ(mode, lastEven + 1) << "wave " << wave;
    }
    ReleaseRange(EnemyFirst + 1, 29);
  }
}

}  // namespace
}  // namespace omb
