#include "objects/bullets.h"
#include "persistence/options.h"
#include "shell/game_vars.h"
#include "shell_fixture.h"

namespace omb {
namespace {

// Wipes the game on both sides so that no other test sees it.
class DirectPlayOptionsTest : public ShellTest {
 protected:
  void SetUp() override {
    ResetAllVariables();
    ShellTest::SetUp();
  }
  void TearDown() override {
    ShellTest::TearDown();
    ResetAllVariables();
  }
};

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
