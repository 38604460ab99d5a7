#include <string>

#include "gameplay/game_fixture.h"
#include "objects/bullets.h"
#include "persistence/options.h"
#include "shell/components.h"
#include "shell/dump.h"
#include "shell/game_vars.h"
#include "shell_fixture.h"

namespace omb {
namespace {

// The state before anything has run: every variable as declared. It is taken
// while the program's statics are initialised, after the components this
// file includes, and before any test can touch a variable.
const std::string FreshStart = DumpState();

// A game played, left, shut down; then the reset routines, and the sprite
// registers made afresh as start-up makes them: nothing may be left of it.
TEST(StartValuesTest, TheResetRoutinesGiveBackAFreshStart) {
  {
    HeadlessGame game("600 21\n200 96\n", 1);
    game.Frames(800);
    ASSERT_NE(DumpState(), FreshStart);
  }
  ResetAllVariables();
  Sprites.Create();
  EXPECT_EQ(DumpState(), FreshStart);
}

using DirectPlayOptionsTest = ShellTest;

TEST_F(DirectPlayOptionsTest, TheRequestsOptionsAreInPlaceBeforeGameStart) {
  ButtonFunction = DefaultButtonFunction;  // as read from the option file
  BulletStyle = 2;
  DirectPlayRequest = {true, 2, SubCurve, SpecialAim};
  Frame();
  ASSERT_EQ(GameState, StatePlay);
  EXPECT_EQ(ButtonFunction, DefaultButtonFunction) << "the player's own";
  EXPECT_EQ(BulletTypes[2].Shape, StartBulletTypes[4].Shape) << "GameStart gave the small bullet BIG's picture";
  EXPECT_FALSE(OptionsOverridden);
  DirectPlayRequest = {true, 1, SubTilt, SpecialLaser, ModeNormal, 4, std::array<int32_t, 6>{3, 3, 3, 0, 1, 2}};
  GameState = PrevGameState = StateTitle;  // back on the title
  Frame();
  ASSERT_EQ(GameState, StatePlay);
  EXPECT_EQ(ButtonFunction, (std::array<int32_t, 6>{3, 3, 3, 0, 1, 2}));
  EXPECT_EQ(BulletTypes[2].Shape, StartBulletTypes[8].Shape) << "GameStart gave the small bullet HUGE's picture";
  EXPECT_TRUE(OptionsOverridden) << "so the shut-down saves the player's own instead";
}

}  // namespace
}  // namespace omb
