// Stage 2's craft and boss, frame by frame: the moments a whole-stage run
// cannot show clearly.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/collision.h"
#include "play_fixture.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

class Stage2Test : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    Stage = 2;
    BuildEnemyKinds();
  }
};

int Bullets() { return CountActive(BulletFirst, BulletLast); }

// One play frame of the enemies; with `parts`, as if that many parts had
// counted themselves into the census.
void Frame(int32_t parts = -1) {
  if (parts >= 0) BossState.Parts = parts;
  UpdateEnemies();
  TickBossClock();
}

// The boss, in attack `attack` at time t.
int BossIn(int32_t attack, int32_t t) {
  const int boss = SpawnEnemy(9, 160, 40, false);
  BossState.Attack = attack;
  BossState.Clock = t;
  return boss;
}

// The ages (or times) of the frames in which something fired, of `frames` frames.
V FiringFrames(int32_t first, int frames, int32_t parts = -1) {
  V fired;
  for (int32_t k = first; k < first + frames; ++k) {
    const int before = Bullets();
    Frame(parts);
    if (Bullets() != before) fired.push_back(k);
  }
  return fired;
}

// How many draws take the generator from `from` to `to`.
int Draws(uint32_t from, uint32_t to) {
  int n = 0;
  for (; from != to && n < 100; ++n) from = from * 134775813u + 1u;
  return n;
}

TEST_F(Stage2Test, TheFiringSwayerFiresAtEvenAgesBelowTenAndTheOtherNever) {
  for (const auto& [spawn, ages] : {std::pair{0, V{}}, std::pair{1, V{2, 4, 6, 8}}}) {
    const int slot = SpawnEnemy(spawn, 200, 100, false);
    EXPECT_EQ(FiringFrames(1, 20), ages) << "spawn code " << spawn;
    Release(slot);
  }
}

TEST_F(Stage2Test, TheBrakingCraftFiresTenVolleysTheLastWithSpreads12And44) {
  SpawnEnemy(2, 216, -48, false);
  EXPECT_EQ(FiringFrames(1, 60), (V{4, 8, 12, 16, 20, 24, 28, 32, 36, 40}));
  const int last = BulletFirst + Bullets() - 4;  // its two pairs, in the order fired
  auto angle = [](int j) { return ObjectTable[j].Angle; };
  EXPECT_EQ((V{WrapAngle(angle(last + 1) - angle(last)), WrapAngle(angle(last + 3) - angle(last + 2))}), (V{12, 44}));
}

TEST_F(Stage2Test, AimedBurstsComeSoonerAndDenserForEveryPartShotDown) {
  // parts left: the times of its volleys in its first 120 frames, and the bullets of one
  for (const auto& [parts, times, bullets] : {std::tuple{2, V{0, 60}, 10}, std::tuple{1, V{0, 40, 80}, 10},
                                              std::tuple{0, V{0, 20, 40, 60, 80, 100}, 20}}) {
    ReleaseRange(BulletFirst, 400);
    const int boss = BossIn(3, 0);
    EXPECT_EQ(FiringFrames(0, 120, parts), times) << parts << " parts";
    EXPECT_EQ(Bullets(), bullets * static_cast<int>(times.size())) << parts << " parts";
    Release(boss);
  }
}

TEST_F(Stage2Test, TheLastLifesCurtainsThickenAndQuickenAsItsGaugeEmpties) {
  // the gauge shown of 16000: the times of its curtains from t = 1 to 30, and the bullets of one
  for (const auto& [shown, times, bullets] : {std::tuple{16000, V{5, 20}, 2 * 3}, std::tuple{6400, V{5, 20}, 2 * 9},
                                              std::tuple{6399, V{5, 15, 25}, 2 * 9},
                                              std::tuple{0, V{5, 15, 25}, 2 * 12}}) {
    ReleaseRange(BulletFirst, 400);
    const int boss = BossIn(7, 1);
    BossState.GaugeHp = 16000;
    BossState.GaugeShown = shown;
    EXPECT_EQ(FiringFrames(1, 30), times) << "gauge " << shown;
    EXPECT_EQ(Bullets(), bullets * static_cast<int>(times.size())) << "gauge " << shown;
    Release(boss);
  }
}

TEST_F(Stage2Test, TheEllipsesDrawFromTheGeneratorEvenWithRandomOfZero) {
  const int boss = BossIn(5, 0);
  RandSeed = 77;
  Frame();
  EXPECT_EQ((V{Draws(77, RandSeed), Enemy(boss).Work[1]}), (V{2, 18})) << "Random(0), then Random(2)";
  BossState.Clock = 40;
  const uint32_t at40 = RandSeed;
  Frame();
  EXPECT_EQ(Draws(at40, RandSeed), 1) << "Random(0) alone";
}

TEST_F(Stage2Test, TheFirstLifeEndsWithThePartsFallingAsDebrisThatShotsCannotHit) {
  // Parts alive as the life ends: the wait before the second life.
  for (const auto& [parts, wait] : {std::pair{2, 200}, std::pair{1, 200}, std::pair{0, 50}}) {
    ReleaseRange(EnemyFirst, 30);
    ResetBossState();
    for (int p = 0; p < parts; ++p) SpawnEnemy(7, 120 + 160 * p, 100, false);
    const int boss = BossIn(1, 30);
    Frame();
    Enemy(boss).Hp = 0;
    Frame();
    EXPECT_EQ((V{BossState.Depletions, BossState.Attack, BossState.Wait}), (V{1, 4, wait - 1})) << parts << " parts";
    Frame();
    V partsAndDebris{0, 0};  // behaviours 6 and 7
    for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) {
      if (ObjectTable[j].Kind == 6 || ObjectTable[j].Kind == 7) ++partsAndDebris[ObjectTable[j].Kind - 6];
    }
    EXPECT_EQ(partsAndDebris, (V{0, parts})) << parts << " parts";
  }

  // A main shot on a part's centre hits it; on the debris's it passes.
  for (const auto& [spawn, hit] : {std::pair{7, true}, std::pair{8, false}}) {
    ReleaseRange(EnemyFirst, 30);
    const int slot = SpawnEnemy(spawn, 200, 200, false);
    Activate(ShotFirst, CenterX(slot) - 4, CenterY(slot) - 4);
    Sprites.Sprite(ShotFirst).Shape = 307;  // 8 x 8
    ObjectTable[ShotFirst].Kind = 1;
    ObjectTable[ShotFirst].Param = 35;
    ShotsVsEnemies();
    EXPECT_EQ(Enemy(slot).Hp, hit ? 5000 - 35 : 1000) << "spawn code " << spawn;
    EXPECT_EQ(ObjectTable[ShotFirst].Active, !hit) << "spawn code " << spawn;
  }
}

}  // namespace
}  // namespace omb
