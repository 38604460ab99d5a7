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

constexpr int32_t Left = 1, Up = 2, Right = 4, Down = 8, Shot = 16, BombButton = 32, Barrier = 64;

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
  void Play(int32_t pad, int frames = 1) {
    for (int k = 0; k < frames; ++k) {
      PadNow = pad;
      PlayFrame();
    }
  }
  SpriteRegister& Ship() { return Sprites.Sprite(PlayerSlot); }

  HeadlessGame game;
};

TEST(DirectPlayTest, TheFirstFrameEntersAndTheSecondPlays) {
  HeadlessGame game({}, 3, SubWave, SpecialEnergy, ModeTechnical);
  ActionPrev[ActionBomb] = true;  // left over from an earlier game
  game.Frames(1);
  EXPECT_EQ((V{GameState, PrevGameState, Stage, SubShot, SpecialWeapon, GameMode}),
            (V{StatePlay, StatePlay, 3, SubWave, SpecialEnergy, ModeTechnical}));
  EXPECT_EQ(StageFrame, 0) << "the play frame has not run yet";
  EXPECT_FALSE(ActionPrev[ActionBomb]) << "GameStart clears the actions";
  EXPECT_TRUE(ObjectTable[PlayerSlot].Active);
  game.Frames(1);
  EXPECT_EQ(StageFrame, 1);
}

TEST_F(PlayerTest, TheBarrierGrowsTowardItsTargetAndSlowsTheShip) {
  ASSERT_EQ(GameState, StatePlay);
  const int32_t want[] = {22, 39, 51, 60, 67};
  int32_t x = Ship().X;
  for (int k = 0; k < 5; ++k) {
    Hold(Barrier | Right);
    EXPECT_EQ(BarrierSize, want[k]) << "frame " << k + 1;
    const int32_t step = Ship().X - x;
    x = Ship().X;
    // The speed follows the barrier: 5 below 20, 4 below 40, 3 below 60, then 2.
    EXPECT_EQ(step, k < 3 ? 5 - want[k] * 3 / 60 : 2) << "frame " << k + 1;
  }
  Hold(Barrier, 100);
  EXPECT_EQ(BarrierSize, 90);
  Hold(0, 100);
  EXPECT_EQ(BarrierSize, 0) << "let go, the barrier shrinks all the way";
  Player.Life = 5000;  // half the energy: toward 75
  Hold(Barrier, 100);
  EXPECT_EQ(BarrierSize, 75);
  Player.Life = 0;
  EXPECT_EQ(BarrierTarget(), 60);
}

TEST_F(PlayerTest, TheShipStaysWithinItsBoundsAndAKnockBackDiesAway) {
  Hold(Left | Up, 200);
  EXPECT_EQ((V{Ship().X, Ship().Y}), (V{-20, -20}));
  Hold(Right | Down, 200);
  EXPECT_EQ((V{Ship().X, Ship().Y}), (V{452, 452}));
  ObjectTable[PlayerSlot].VelX = -10000;
  Hold(0);
  EXPECT_EQ((V{Ship().X, ObjectTable[PlayerSlot].VelX}), (V{442, -8800}));
}

TEST_F(PlayerTest, PodsTurnWithTheStickCurveStaysTiltComesBackByTwo) {
  SubShot = SubCurve;
  Hold(Right, 100);
  EXPECT_EQ(PodAngle, 76);
  Hold(0, 30);
  EXPECT_EQ(PodAngle, 76) << "letting go does not bring CURVE's pods back";
  Hold(Left, 200);
  EXPECT_EQ(PodAngle, -76);
  SubShot = SubTilt;
  PodAngle = 0;
  Hold(Left, 40);
  EXPECT_EQ((V{PodAngle, Sprites.Sprite(PodLeftSlot).Frame}), (V{WrapAngle(-64), -4}));
  Hold(Right, 60);
  EXPECT_EQ((V{PodAngle, Sprites.Sprite(PodRightSlot).Frame}), (V{56, 3}));
  Hold(0, 1);
  EXPECT_EQ(PodAngle, 54);
}

TEST_F(PlayerTest, TheShipLeansAndChoosesItsPicture) {
  Hold(Left, 2);
  EXPECT_EQ((V{ShipBank, Ship().Shape}), (V{-2, 153}));
  Hold(Left, 20);
  EXPECT_EQ((V{ShipBank, Ship().Shape}), (V{-9, 150}));
  Hold(0, 3);
  EXPECT_EQ((V{ShipBank, Ship().Shape}), (V{-6, 151}));
}

TEST_F(PlayerTest, HoldingTheBombButtonBombsOnce) {
  Play(BombButton, 10);
  EXPECT_EQ(Bombs.Stock, 2);
  Play(0, 150);  // the bomb runs out
  Play(BombButton, 1);
  EXPECT_EQ(Bombs.Stock, 1);
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

TEST_F(PlayerTest, ADestroyedShipRecordsNoMoreInput) {
  Hold(Right, 3);
  const int32_t frame = ReplayFrame;
  Player.Life = 0;
  Hold(Right, 3);
  EXPECT_EQ(ReplayFrame, frame);
  EXPECT_FALSE(Player.Alive);
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

TEST_F(PlayerTest, TheShieldBlinksAndFadesAsInvulnerabilityRunsOut) {
  AddInvuln(300);
  EXPECT_EQ(Invuln, 249);
  UpdateShield();
  EXPECT_EQ((V{Invuln, Sprites.Sprite(ShieldSlot).Shape}), (V{248, 157}));
  Invuln = 1;
  UpdateShield();
  EXPECT_FALSE(Sprites.Sprite(ShieldSlot).Visible) << "gone once invulnerability ends";
}

}  // namespace
}  // namespace omb
