#include <gtest/gtest.h>

#include <vector>

#include "game_fixture.h"
#include "gameplay/player.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/replay.h"
#include "shell/components.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

constexpr int32_t Left = 1, Up = 2, Right = 4, Down = 8;

// A game just entered on stage 1 (frame 1 ran GameStart and EnterPlay), with
// the default button functions: 0 shot, 1 bomb, 2 barrier.
class PlayerTest : public ::testing::Test {
 protected:
  PlayerTest() : game({}, 1) {
    game.Frames(1);
    ButtonFunction = {0, 1, 2, 3, 3, 3};
    Invuln = 0;
  }
  void Hold(int32_t pad, int frames = 1) {
    for (int k = 0; k < frames; ++k) {
      PadNow = pad;
      UpdatePlayer();
    }
  }
  SpriteRegister& Ship() { return Sprites.Sprite(PlayerSlot); }

  HeadlessGame game;
};

TEST_F(PlayerTest, TheShipStaysWithinItsBoundsAndAKnockBackDiesAway) {
  Hold(Left | Up, 200);
  EXPECT_EQ((V{Ship().X, Ship().Y}), (V{-20, -20}));
  Hold(Right | Down, 200);
  EXPECT_EQ((V{Ship().X, Ship().Y}), (V{452, 452}));
  ObjectTable[PlayerSlot].VelX = -10000;
  Hold(0);
  EXPECT_EQ((V{Ship().X, ObjectTable[PlayerSlot].VelX}), (V{442, -8800}));
}

TEST_F(PlayerTest, OfTwoEquallyNearEnemiesTheLowerSlotIsAimedAt) {
  SpecialWeapon = SpecialAim;
  const int32_t x = Ship().X, y = Ship().Y;
  for (int slot : {770, 760}) {
    Sprites.Sprite(slot).Shape = 153;  // the ship's size, so centres line up
    Activate(slot, x + (slot == 760 ? -100 : 100), y - 100);
  }
  Activate(765, x, y - 50);
  ObjectTable[765].HitScale = -1;  // never targeted
  ShipMove(0, 0, 0);
  EXPECT_EQ(AimTarget, 760);
  Release(760);
  Release(770);
  ShipMove(0, 0, 0);
  EXPECT_EQ(AimTarget, PlayerSlot) << "no target: the ship itself";
}

TEST_F(PlayerTest, PlaybackOfADamagedReplayStaysInsideTheInputTable) {
  ReplayPlaying = true;
  ReplayStageLength[Stage] = 1 << 30;  // from a file that lies
  ReplayFrame = ReplayInputLength + 10;
  Hold(0);
  ReplayStageLength[Stage] = -5;
  Hold(0);
  EXPECT_EQ(ReplayFrame, -5) << "the frame follows the stored length; only the reads are kept inside";
}

}  // namespace
}  // namespace omb
