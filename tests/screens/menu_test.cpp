#include "screens/menu.h"

#include "screen_fixture.h"

namespace omb {
namespace {

using MenuTest = ScreenTest;

TEST_F(MenuTest, ANewPressStepsTheCursorOnceAndWrapsAtBothEnds) {
  Input(-1, 0);
  MenuInput(3, 4, -1);
  EXPECT_EQ(MenuX, 3) << "left of 0 is the maximum";
  EXPECT_TRUE(SoundRequest[0]);
  SoundRequest.fill(false);
  Input(-1, 0);
  MenuInput(3, 4, -1);
  EXPECT_EQ(MenuX, 3) << "held, not pressed anew";
  EXPECT_FALSE(SoundRequest[0]);
  Input(1, 1);
  MenuInput(3, 4, -1);
  EXPECT_EQ(MenuX, 0) << "straight from left to right is a new press; right of the maximum is 0";
  EXPECT_EQ(MenuY, 1);
  Input(0, -1);
  MenuInput(3, 4, -1);
  Input(0, 0);
  Input(0, -1);
  MenuInput(3, 4, -1);
  EXPECT_EQ(MenuY, 4) << "up twice from 1";
}

TEST_F(MenuTest, AnAxisWithNowhereToGoStaysSilent) {
  Input(1, 0);
  MenuInput(0, 12, -1);
  EXPECT_EQ(MenuX, 0);
  EXPECT_FALSE(SoundRequest[0]);
  Input(0, 1);
  MenuInput(0, 12, -1);
  EXPECT_EQ(MenuY, 1);
  EXPECT_TRUE(SoundRequest[0]) << "the other axis still clicks";
}

TEST_F(MenuTest, OnlyANewPressOfOneButtonDecides) {
  Input(0, 0, 1);
  MenuInput(0, 0, -1);
  EXPECT_EQ(MenuDecision, 1);
  EXPECT_TRUE(SoundRequest[1]);
  SoundRequest.fill(false);
  Input(0, 0, 1);
  MenuInput(0, 0, -1);
  EXPECT_EQ(MenuDecision, 0) << "held from the last frame";
  EXPECT_FALSE(SoundRequest[1]);
  Input(0, 0, 1 | 2);
  MenuInput(0, 0, -1);
  EXPECT_EQ(MenuDecision, -1) << "button 0 still held, button 1 new";
  EXPECT_FALSE(SoundRequest[1]) << "cancel makes no confirming sound";
  Input(0, 0, 0);
  Input(0, 0, 1 | 2);
  MenuInput(0, 0, -1);
  EXPECT_EQ(MenuDecision, 0) << "both at once cancel each other";
  EXPECT_FALSE(SoundRequest[1]);
  Input(0, 0, 4 | 32);
  Input(0, 0, 0);
  Input(0, 0, 4 | 32);
  MenuInput(0, 0, -1);
  EXPECT_EQ(MenuDecision, 0) << "the other buttons do not count";
}

TEST_F(MenuTest, TheCursorTurnsEveryFourthFrameUnlessToldNot) {
  SpriteRegister& cursor = Sprites.Sprite(400);
  cursor.LastFrame = 7;
  MenuInput(0, 0, 8);
  EXPECT_EQ(cursor.Frame, 1);
  for (int32_t f : {9, 10, 11, -1}) MenuInput(0, 0, f);
  EXPECT_EQ(cursor.Frame, 1) << "-1 never turns it";
  MenuInput(0, 0, 12);
  EXPECT_EQ(cursor.Frame, 2);
}

}  // namespace
}  // namespace omb
