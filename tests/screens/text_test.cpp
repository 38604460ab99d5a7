#include "screens/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_test.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

using TextTest = GameTest;

TEST_F(TextTest, ALineFillsItsRegistersBackwardsAndMovesThePenDown) {
  int32_t c = 3;
  TextX = 100;
  TextY = 50;
  DrawText(c, "AB");
  EXPECT_EQ(c, 5);
  EXPECT_EQ((V{Sprites.Sprite(5).X, Sprites.Sprite(5).Shape, Sprites.Sprite(4).X, Sprites.Sprite(4).Shape}),
            (V{100, 'A' - 32, 116, 'B' - 32}))
      << "the first character in the highest register";
  EXPECT_EQ((V{Sprites.Sprite(4).Y, TextY, Sprites.DrawWidth(4)}), (V{50, 66, 16}));

  DrawText(c, "GAMESTART", true, 640);
  EXPECT_EQ(Sprites.Sprite(c).X, 320 - 8 * 8);
  DrawText(c, "x", true, 480);
  EXPECT_EQ(Sprites.Sprite(c).X, 240);
}

TEST_F(TextTest, TextBeyondItsRegistersIsNotDrawn) {
  Sprites.Sprite(108).Shape = 500;
  int32_t c = 100;
  DrawText(c, "0123456789");
  EXPECT_EQ(c, 110);
  EXPECT_EQ(Sprites.Sprite(108).Shape, 500) << "register 108 is not text";
  EXPECT_EQ(Sprites.Sprite(107).Shape, '3' - 32);
  HideText(101, 107);
  EXPECT_FALSE(Sprites.Sprite(101).Visible);
}

TEST_F(TextTest, ValuesBecomeWords) {
  const std::vector<std::string> words = {
      std::string(GameModeName(2).View()), std::string(SubShotName(3).View()), std::string(BulletStyleName(-1).View()),
      std::string(ButtonFunctionName(3).View()), std::string(YesNo(false)), std::string(OnOff(true)),
      std::string(ZeroPad(7, 3).View()), std::string(ZeroPad(12345, 3).View())};
  EXPECT_EQ(words, (std::vector<std::string>{"NON-BARRIER", "?_3", "?_-1", "NONE", "NO", "ON", "007", "12345"}));
  LineWidth = 20;
  EXPECT_EQ(PadLine("MUSIC", "ON").View(), "MUSIC             ON");
  EXPECT_EQ(PadLine("GAMEMODE", "NON-BARRIER  XX").View(), "GAMEMODENON-BARRIER  XX") << "no room: no space";
}

TEST_F(TextTest, TheMarqueeTurnsRoundItsText) {
  const std::string credit = "0123456789";
  EXPECT_EQ(Marquee(credit, 8, 4).View(), "8901");
  EXPECT_EQ(Marquee(credit, 18, 4).View(), Marquee(credit, 8, 4).View());
  std::string credit44;
  for (int i = 0; i < 44; ++i) credit44 += static_cast<char>('A' + i % 26);
  EXPECT_EQ(Marquee(credit44, 44, 16).View(), Marquee(credit44, 0, 16).View()) << "44 steps wrap";
  EXPECT_EQ(Marquee(credit44, 43, 2).View(), "RA");
  EXPECT_EQ(Marquee("", 3, 4).View(), "");
}

}  // namespace
}  // namespace omb
