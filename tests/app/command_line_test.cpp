#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace omb {
namespace {

bool Parse(std::vector<const char*> words, CommandLine& cl, std::string& error) {
  words.insert(words.begin(), "ombrezza");
  return ParseCommandLine(static_cast<int>(words.size()), const_cast<char**>(words.data()), cl, error);
}

TEST(CommandLineTest, PlayTakesThePlayersOptionsUnlessModeStyleAndButtonsSayOtherwise) {
  CommandLine cl;
  std::string error;
  ASSERT_TRUE(Parse({"--play", "2"}, cl, error)) << error;
  EXPECT_FALSE(cl.GameMode || cl.BulletStyle || cl.Buttons) << "nothing stands in for option.txt";
  EXPECT_TRUE(cl.PauseOnFocusLoss) << "a window pauses on losing the focus unless told otherwise";
  CommandLine window;
  ASSERT_TRUE(Parse({"--scale", "2", "--no-pause-on-focus-loss"}, window, error)) << error;
  EXPECT_FALSE(window.PauseOnFocusLoss);
  CommandLine custom;
  ASSERT_TRUE(Parse({"--style", "4", "--buttons", "3,2,1,0,0,3", "--mode", "0", "--play", "1"}, custom, error))
      << error;
  EXPECT_EQ(custom.BulletStyle, 4);
  EXPECT_EQ(custom.GameMode, 0) << "given, though it is the default";
  EXPECT_EQ(custom.Buttons, (std::array<int32_t, 6>{3, 2, 1, 0, 0, 3}));
  CommandLine headless;
  ASSERT_TRUE(Parse({"--headless", "--frames", "9", "--no-draw"}, headless, error)) << error;
  EXPECT_TRUE(headless.NoDraw);
}

TEST(CommandLineTest, BadPlayOptionsAndNoDrawAreRefusedNamingTheFlag) {
  const char* const style = "--style: expects a bullet style 0 to 4";
  const char* const buttons = "--buttons: expects six button functions F0,F1,F2,F3,F4,F5, each 0 to 3";
  const struct {
    std::vector<const char*> words;
    const char* error;
  } cases[] = {
      {{"--play", "1", "--style", "-1"}, style},
      {{"--play", "1", "--style", "5"}, style},
      {{"--play", "1", "--style", "2x"}, style},
      {{"--play", "1", "--style", ""}, style},
      {{"--play", "1", "--buttons", "0,1,2"}, buttons},
      {{"--play", "1", "--buttons", "0,1,2,3,3,3,3"}, buttons},
      {{"--play", "1", "--buttons", "0,1,2,3,3,4"}, buttons},
      {{"--play", "1", "--buttons", "0,1,-2,3,3,3"}, buttons},
      {{"--play", "1", "--buttons", "0,1,b,3,3,3"}, buttons},
      {{"--play", "1", "--buttons", "0,1,,3,3,3"}, buttons},
      {{"--play", "1", "--buttons", "0,1,2,3,3,3,"}, buttons},
      {{"--play", "1", "--buttons", "0,1,2,3,3,3x"}, buttons},
      {{"--play", "1", "--buttons", ""}, buttons},
      {{"--style", "1"}, "--mode, --style and --buttons need --play"},
      {{"--mode", "3"}, "--mode, --style and --buttons need --play"},
      {{"--headless", "--frames", "5", "--buttons", "0,1,2,3,3,3"}, "--mode, --style and --buttons need --play"},
      {{"--no-draw"}, "--no-draw needs --headless"},
  };
  for (const auto& c : cases) {
    CommandLine cl;
    std::string error;
    EXPECT_FALSE(Parse(c.words, cl, error)) << c.words.back();
    EXPECT_EQ(error, c.error) << c.words.back();
  }
}

}  // namespace
}  // namespace omb
