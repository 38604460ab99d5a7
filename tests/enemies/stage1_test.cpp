// Stage 1's craft and boss, frame by frame.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/hud.h"
#include "play_fixture.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using Stage1Test = PlayTest;

int Bullets() { return CountActive(BulletFirst, BulletLast); }

void Frames(int n) {
  for (int f = 0; f < n; ++f) {
    UpdateEnemies();
    TickBossClock();
  }
}

TEST_F(Stage1Test, TheFirstDepletionBreaksTheBossIntoItsSecondLife) {
  const int boss = SpawnEnemy(4, 152, 40, false);
  BossState.Attack = 1;
  BossState.Clock = 10;
  BossState.Loops = 3;
  BossState.ScoreFactor = 1;
  Enemy(boss).Hp = 0;
  Score = 0;
  Frames(1);
  EXPECT_EQ(Score, 10000) << "the life's bounty times its factor";
  EXPECT_EQ((V{BossState.Depletions, Enemy(boss).Hp, BossState.GaugeHp, BossState.TimeLeft, BossState.Attack,
               BossState.Wait, BossState.Loops}),
            (V{1, 10000, 10000, 3000, 3, 29, 0}));
  EXPECT_EQ((V{ObjectTable[boss].VelX, ObjectTable[boss].VelY}), (V{1800, 1000})) << "drifting at once";
  EXPECT_GE(CountActive(EffectFirst, EffectLast), 7) << "seven explosions";
  // It waits 30 frames in all, bouncing but not firing.
  ReleaseRange(BulletFirst, 400);
  Frames(29);
  EXPECT_EQ((V{BossState.Wait, Bullets()}), (V{0, 0}));
  Frames(1);
  EXPECT_EQ(Bullets(), 1) << "attack 3 starts at t = 0";

  // The second depletion: the death, the release and the clear banner.
  Enemy(boss).Hp = -5;
  Frames(1);
  EXPECT_FALSE(BossState.Present);
  EXPECT_EQ((V{BossState.Attack, Enemy(boss).Hp, ObjectTable[boss].HitScale}), (V{4, 1, -100}));
  Frames(150);
  EXPECT_TRUE(ObjectTable[boss].Active);
  Frames(1);
  EXPECT_FALSE(ObjectTable[boss].Active);
  EXPECT_EQ((V{BannerKind, BannerTimer}), (V{BannerCleared, 250}));
}

}  // namespace
}  // namespace omb
