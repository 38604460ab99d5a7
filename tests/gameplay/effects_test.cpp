#include "gameplay/effects.h"

#include <gtest/gtest.h>

#include <vector>

#include "play_fixture.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using EffectsTest = PlayTest;

int Effects() { return CountActive(EffectFirst, EffectLast); }

// Updates until the effect in slot j is gone; returns how many it took.
int UpdatesUntilGone(int j) {
  int n = 0;
  while (ObjectTable[j].Active && n < 1000) {
    UpdateEffects();
    ++n;
  }
  return n;
}

TEST_F(EffectsTest, SparksAndExplosionsLiveTheirLifeAndAnimateAtTheirRate) {
  Spark(100, 100);
  EXPECT_EQ((V{Sprites.Sprite(EffectLast).X, Sprites.Sprite(EffectLast).Shape}), (V{84, 249})) << "from the top";
  UpdateEffects();
  UpdateEffects();
  EXPECT_EQ(Sprites.Sprite(EffectLast).Frame, 2) << "a picture every update";
  EXPECT_EQ(UpdatesUntilGone(EffectLast) + 2, 12);

  Explosion(100, 100);
  EXPECT_EQ((V{Sprites.Sprite(EffectFirst).X, Sprites.Sprite(EffectFirst).Shape}), (V{68, 277})) << "from the bottom";
  for (int k = 0; k < 4; ++k) UpdateEffects();
  EXPECT_EQ(Sprites.Sprite(EffectFirst).Frame, 2) << "a picture every second update";
  EXPECT_EQ(UpdatesUntilGone(EffectFirst) + 4, 23);
}

TEST_F(EffectsTest, DebrisStopsWhenThePoolRunsOut) {
  for (int j = EffectFirst; j <= EffectLast - 4; ++j) Activate(j, 0, 0);
  Debris(100, 100, 6);
  EXPECT_EQ(Effects(), 90);
  const uint32_t seedAfterFour = RandSeed;
  Debris(100, 100, 3);
  EXPECT_EQ(RandSeed, seedAfterFour) << "no draws without a slot";

  // Each piece takes the highest free slot below the one before.
  ReleaseRange(EffectFirst, 90);
  Activate(EffectLast - 1, 0, 0);
  Debris(100, 100, 2);
  EXPECT_TRUE(ObjectTable[EffectLast].Active);
  EXPECT_TRUE(ObjectTable[EffectLast - 2].Active);
  const int32_t speed = ObjectTable[EffectLast].Speed;
  EXPECT_GE(speed, 4000);
  EXPECT_LT(speed, 10000);
  UpdateEffects();
  EXPECT_EQ(ObjectTable[EffectLast].Speed, static_cast<int32_t>(speed * 0.94)) << "6 % slower a frame";
}

TEST_F(EffectsTest, BigExplosionsScatterOverThePicture) {
  Activate(EnemyFirst, 100, 100);
  Sprites.Sprite(EnemyFirst).Shape = 606;  // 240 x 160
  BigExplosion(EnemyFirst, 0);
  const int one = Effects();
  EXPECT_GE(one, 1 + 5);
  EXPECT_LE(one, 1 + 8);
  EXPECT_TRUE(SoundRequest[4]);
  ClearEffects();
  BigExplosion(EnemyFirst, 6);
  int explosions = 0;
  for (int j = EffectFirst; j <= EffectLast; ++j) {
    if (!ObjectTable[j].Active || Sprites.Sprite(j).Shape != 277) continue;
    ++explosions;
    // Centred on a point of the picture.
    EXPECT_GE(Sprites.Sprite(j).X + 32, 100);
    EXPECT_LT(Sprites.Sprite(j).X + 32, 340);
    EXPECT_GE(Sprites.Sprite(j).Y + 32, 100);
    EXPECT_LT(Sprites.Sprite(j).Y + 32, 260);
  }
  EXPECT_EQ(explosions, 7);
}

TEST_F(EffectsTest, TheShipsBurstFallsAndIsClearedWithTheRest) {
  PlayerBurst();
  EXPECT_EQ(Effects(), 33);
  const ObjectRecord& piece = ObjectTable[EffectFirst + 1];
  EXPECT_EQ(piece.AccY, 300) << "the pieces fall";
  EXPECT_EQ(piece.Life, piece.Kind * 12 - 1);
  EXPECT_NE(piece.VelX | piece.VelY, 0) << "they fly outward";
  // The burst stops at the first search that finds no slot.
  ClearEffects();
  EXPECT_EQ(Effects(), 0);
  for (int j = EffectFirst + 10; j <= EffectLast; ++j) Activate(j, 0, 0);
  PlayerBurst();
  EXPECT_EQ(Effects(), 90);
}

}  // namespace
}  // namespace omb
