#include <initializer_list>
#include <vector>

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
  EXPECT_EQ((std::vector{PadWith({KeyZ, KeySpace}), ButtonsNow}), (std::vector{16, 1})) << "both button 0";
  EXPECT_EQ((std::vector{PadWith({KeyLeft, KeyRight}), AxisX}), (std::vector{0, 0})) << "left and right cancel";
  EXPECT_EQ((std::vector{PadWith({KeyPad7}), AxisX, AxisY}), (std::vector{3, -1, -1})) << "pad 7 is up-left";
  EXPECT_EQ(PadWith({KeyPad3, KeyD}), 4 + 8 + (32 << 4));
  EXPECT_EQ(PadWith({KeyUp, KeyPad2}), 0) << "up in one table and down in the other cancel";
  // The previous words follow the current ones.
  PadWith({KeyX, KeyDown});
  PadWith({KeyC});
  EXPECT_EQ((std::vector{PadPrev, ButtonsPrev, AxisYPrev, ButtonsNow, AxisY}), (std::vector{8 + 32, 2, 1, 4, 0}));
  // Buttons above five stay out of the word.
  EXPECT_EQ(PadWith({Key1, Key0}), 0);
  EXPECT_EQ((std::vector{Joy.Button(6), Joy.Button(15), Joy.Button(32)}), (std::vector{true, true, false}));
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
