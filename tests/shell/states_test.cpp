#include "objects/bullets.h"
#include "shell/game_vars.h"
#include "shell_fixture.h"

namespace omb {
namespace {

// A game started from the command line enters play on its first frame; the
// whole game is wiped on both sides so no other test sees it.
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

TEST_F(DirectPlayOptionsTest, AnOldStyleRequestPlaysWithTheDefaultOptions) {
  DirectPlayRequest = {true, 2, SubCurve, SpecialAim, ModeNormal};
  Frame();
  ASSERT_EQ(GameState, StatePlay);
  EXPECT_EQ(ButtonFunction, DefaultButtonFunction) << "not the start value, where every button shoots";
  EXPECT_EQ(BulletStyle, DefaultBulletStyle);
  EXPECT_EQ(BulletTypes[2].Shape, StartBulletTypes[2].Shape);
}

TEST_F(DirectPlayOptionsTest, TheRequestedStyleIsInPlaceBeforeGameStart) {
  DirectPlayRequest = {true, 1, SubTilt, SpecialLaser, ModeNormal};
  DirectPlayRequest.BulletStyle = 4;  // HUGE
  DirectPlayRequest.Buttons = {3, 3, 3, 0, 1, 2};
  Frame();
  ASSERT_EQ(GameState, StatePlay);
  EXPECT_EQ(BulletStyle, 4);
  EXPECT_EQ(ButtonFunction, (std::array<int32_t, 6>{3, 3, 3, 0, 1, 2}));
  EXPECT_EQ(BulletTypes[2].Shape, StartBulletTypes[8].Shape) << "GameStart gave the small bullet the largest picture";
}

}  // namespace
}  // namespace omb
