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

TEST_F(Stage1Test, SmallCraftFireTheirPatternsOnce) {
  const int diver = SpawnEnemy(0, 200, -48, false);
  Frames(130);
  EXPECT_EQ((V{Bullets(), ObjectTable[diver].VelY}), (V{6, 1800})) << "three aimed pairs, once, then a fall";

  ReleaseRange(BulletFirst, 400);
  const int ringer = SpawnEnemy(1, 200, -48, false);
  Frames(31);
  EXPECT_EQ(Bullets(), 0);
  Frames(19);
  EXPECT_EQ(Bullets(), 72) << "nine rings of eight, ages 32 to 48";
  Release(ringer);

  // The swerver banks by its sideways speed once it swerves.
  const int swerver = SpawnEnemy(2, 100, -48, false);
  Frames(60);
  // Left of the middle it swerves right; the animation step takes its bank back.
  EXPECT_EQ((V{ObjectTable[swerver].AccX, Sprites.Sprite(swerver).Frame}), (V{90, 0}));
}

TEST_F(Stage1Test, TheBossEntersThenAlternatesItsFirstTwoAttacks) {
  const int boss = SpawnEnemy(4, 152, -176, false);
  ASSERT_EQ(boss, BossState.Slot);
  EXPECT_EQ((V{BossState.GaugeHp, Enemy(boss).Bounty, BossState.TimeLeft, BossState.Clock}),
            (V{10000, 10000, 3000, -1}));
  Frames(102);  // t = 100 on its 102nd frame
  EXPECT_EQ((V{BossState.Attack, BossState.Wait, ObjectTable[boss].VelY, Sprites.Sprite(boss).Y}),
            (V{1, 20, 0, -176 + 2 * 102}));
  Frames(20);
  EXPECT_EQ((V{BossState.Clock, Bullets()}), (V{0, 0}));
  Frames(1);
  EXPECT_EQ(Bullets(), 20) << "four fans of five at t = 0";

  // Attack 2: the first fan is empty, the largest has six.
  BossState.Attack = 2;
  BossState.Clock = 0;
  ReleaseRange(BulletFirst, 400);
  Frames(1);
  const int first = Bullets();
  BossState.Clock = 30;
  Frames(1);
  EXPECT_EQ((V{first, Bullets()}), (V{0, 6}));
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
