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
  EXPECT_TRUE(ObjectTable[EffectLast].Active && ObjectTable[EffectLast - 2].Active);
  const int32_t speed = ObjectTable[EffectLast].Speed;
  EXPECT_TRUE(speed >= 4000 && speed < 10000) << speed;
  UpdateEffects();
  EXPECT_EQ(ObjectTable[EffectLast].Speed, static_cast<int32_t>(speed * 0.94)) << "6 % slower a frame";
}

TEST_F(EffectsTest, TheShipsBurstFallsAndIsClearedWithTheRest) {
  PlayerBurst();
  EXPECT_EQ(Effects(), 33);
  const ObjectRecord& piece = ObjectTable[EffectFirst + 1];
  EXPECT_EQ((V{piece.AccY, piece.Life}), (V{300, piece.Kind * 12 - 1})) << "the pieces fall";
  EXPECT_NE(piece.VelX | piece.VelY, 0) << "they fly outward";
  // The burst stops at the first search that finds no slot.
  ClearEffects();
  for (int j = EffectFirst + 10; j <= EffectLast; ++j) Activate(j, 0, 0);
  PlayerBurst();
  EXPECT_EQ(Effects(), 90);
}

}  // namespace
}  // namespace omb
