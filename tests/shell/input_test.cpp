#include <initializer_list>

#include "shell_fixture.h"

namespace omb {
namespace {

// Holds exactly the keys a test names.
class KeyboardPlatform : public HeadlessPlatform {
 public:
  std::initializer_list<Key> held;
  void ReadKeyboard(std::span<bool, KeyCount> keys) override {
    for (Key k : held) keys[k] = true;
  }
};

class InputTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    Joy.ResetKeyTables();
    ThePlatform = &keyboard;
  }
  int PadWith(std::initializer_list<Key> keys) {
    keyboard.held = keys;
    SampleInput();
    return PadNow;
  }
  KeyboardPlatform keyboard;
};

TEST_F(InputTest, BothKeyTablesMergeIntoOneWord) {
  EXPECT_EQ(PadWith({KeyZ, KeySpace}), 16) << "Z and Space are both just button 0";
  EXPECT_EQ(ButtonsNow, 1);
  EXPECT_EQ(PadWith({KeyLeft, KeyRight}), 0) << "left and right cancel";
  EXPECT_EQ(AxisX, 0);
  EXPECT_EQ(PadWith({KeyPad7}), 3) << "numeric pad 7 is up-left";
  EXPECT_EQ(AxisX, -1);
  EXPECT_EQ(AxisY, -1);
  EXPECT_EQ(PadWith({KeyPad3, KeyD}), 4 + 8 + (32 << 4));
  EXPECT_EQ(PadWith({KeyUp, KeyPad2}), 0) << "up in one table and down in the other cancel";
}

TEST_F(InputTest, PreviousWordsFollowTheCurrentOnes) {
  PadWith({KeyX, KeyDown});
  PadWith({KeyC});
  EXPECT_EQ(PadPrev, 8 + 32);
  EXPECT_EQ(ButtonsPrev, 2);
  EXPECT_EQ(AxisYPrev, 1);
  EXPECT_EQ(ButtonsNow, 4);
  EXPECT_EQ(AxisY, 0);
}

TEST_F(InputTest, ButtonsAboveFiveStayOutOfTheWord) {
  EXPECT_EQ(PadWith({Key1, Key0}), 0);
  EXPECT_TRUE(Joy.Button(6));
  EXPECT_TRUE(Joy.Button(15));
  EXPECT_FALSE(Joy.Button(32));
}

TEST(InputScriptTest, ParsesWordsKeysAndComments) {
  InputScript script;
  std::string error;
  ASSERT_TRUE(script.Parse("# start\n2 16\nkey F1\n1 5 # right and left\n\n", error)) << error;
  EXPECT_EQ(script.Words, (std::vector<uint32_t>{16, 16, 5}));
  ASSERT_EQ(script.Keys.size(), 1u);
  EXPECT_EQ(script.Keys[0].Poll, 2);
  EXPECT_EQ(script.Keys[0].Pressed, KeyF1);
  for (const char* bad : {"x 1\n", "3\n", "1 1024\n", "-1 0\n", "key F3\n", "2 3 4\n"}) {
    EXPECT_FALSE(script.Parse(bad, error)) << bad;
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace omb
