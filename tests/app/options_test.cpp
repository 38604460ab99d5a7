#include "app/options.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace omb {
namespace {

// Parses the words after the program's name.
struct Parsed {
  bool ok;
  CommandLine cl;
  std::string error;
};

Parsed Parse(std::initializer_list<const char*> words) {
  std::vector<char*> argv = {const_cast<char*>("ombrezza")};
  for (const char* w : words) argv.push_back(const_cast<char*>(w));
  Parsed p{};
  p.ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), p.cl, p.error);
  return p;
}

TEST(PlayOptionsTest, PlayAloneGetsTheDefaultOptions) {
  const Parsed p = Parse({"--play", "2"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.cl.PlayStage, 2);
  EXPECT_EQ(p.cl.BulletStyle, 0) << "NORMAL";
  EXPECT_EQ(p.cl.Buttons, (std::array<int32_t, 6>{0, 1, 2, 3, 3, 3})) << "shot, bomb, barrier, then none";
}

TEST(PlayOptionsTest, StyleAndButtonsOverrideTheDefaults) {
  const Parsed p = Parse({"--play", "1", "--style", "4", "--buttons", "3,2,1,0,0,3"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.cl.BulletStyle, 4);
  EXPECT_EQ(p.cl.Buttons, (std::array<int32_t, 6>{3, 2, 1, 0, 0, 3}));
  // Order does not matter: --play may come last.
  const Parsed q = Parse({"--style", "0", "--buttons", "0,0,0,0,0,0", "--play", "4"});
  ASSERT_TRUE(q.ok) << q.error;
  EXPECT_EQ(q.cl.Buttons, (std::array<int32_t, 6>{}));
}

TEST(PlayOptionsTest, BadStylesAreRejectedNamingTheFlag) {
  for (const char* style : {"-1", "5", "", "x", "2x", " 2", "+2"}) {
    const Parsed p = Parse({"--play", "1", "--style", style});
    EXPECT_FALSE(p.ok) << "--style '" << style << "'";
    EXPECT_EQ(p.error, "--style: expects a bullet style 0 to 4") << "--style '" << style << "'";
  }
}

TEST(PlayOptionsTest, BadButtonListsAreRejectedNamingTheFlag) {
  const char* bad[] = {
      "0,1,2",          // too few
      "0,1,2,3,3,3,3",  // too many
      "0,1,2,3,3,4",    // 4 is no function
      "0,1,-2,3,3,3",   // negative
      "0,1,b,3,3,3",    // not a number
      "0,1,2,3,3,3,",   // trailing comma
      "0,1,2,3,3,3x",   // trailing junk
      "0,1,,3,3,3",     // an empty field
      "",               // nothing
      "0 1 2 3 3 3",    // wrong separator
  };
  for (const char* buttons : bad) {
    const Parsed p = Parse({"--play", "1", "--buttons", buttons});
    EXPECT_FALSE(p.ok) << "--buttons '" << buttons << "'";
    EXPECT_EQ(p.error, "--buttons: expects six button functions F0,F1,F2,F3,F4,F5, each 0 to 3")
        << "--buttons '" << buttons << "'";
  }
}

TEST(PlayOptionsTest, StyleAndButtonsNeedPlay) {
  for (auto words : {std::initializer_list<const char*>{"--style", "1"},
                     std::initializer_list<const char*>{"--buttons", "0,1,2,3,3,3"},
                     std::initializer_list<const char*>{"--headless", "--frames", "5", "--style", "0"}}) {
    const Parsed p = Parse(words);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error, "--style and --buttons need --play");
  }
  EXPECT_FALSE(Parse({"--play", "1", "--style"}).ok) << "a flag without its value";
}

TEST(NoDrawTest, NeedsHeadless) {
  const Parsed windowed = Parse({"--no-draw"});
  EXPECT_FALSE(windowed.ok);
  EXPECT_EQ(windowed.error, "--no-draw needs --headless");
  const Parsed headless = Parse({"--headless", "--frames", "10", "--no-draw", "--screenshot", "5:a.png"});
  ASSERT_TRUE(headless.ok) << headless.error;
  EXPECT_TRUE(headless.cl.NoDraw);
  EXPECT_FALSE(Parse({"--headless", "--frames", "10"}).cl.NoDraw);
}

}  // namespace
}  // namespace omb
