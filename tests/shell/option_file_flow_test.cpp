// When the game reads and writes "option.txt": at start-up, on entering the
// title, on leaving the options screen and at shut-down.
#include <gtest/gtest.h>

#include <string>

#include "persistence/options.h"
#include "shell/game_vars.h"
#include "shell_fixture.h"

namespace omb {
namespace {

class OptionFileFlowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    FormCreate();
    ScreenInit();
  }
  const std::string Defaults = "0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
};

TEST_F(OptionFileFlowTest, AFreshStartWritesTheDefaultsAndShutDownSavesF1AndF2) {
  EXPECT_EQ(ReadFile("option.txt"), Defaults);
  FormKeyDown(KeyF1);
  FormKeyDown(KeyF2);
  FormDestroy();
  EXPECT_EQ(ReadFile("option.txt"), "0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n0\r\n0\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(OptionFileFlowTest, EscapeFromTheOptionsSavesAndTheTitleReadsThemBack) {
  GameState = StateOptions;
  Frame();
  GameMode = 2;
  FormKeyDown(KeyEscape);
  EXPECT_EQ(ReadFile("option.txt").substr(21, 3), "2\r\n") << "line 8, the game mode";
  GameMode = 4;  // as a replay would have set it
  Frame();       // enters the title
  EXPECT_EQ(GameMode, 2);
}

TEST_F(OptionFileFlowTest, AGameFromTheCommandLineNeverSavesItsOwnOptions) {
  DirectPlayRequest = {true, 1, 0, 0, 3, 4, std::array<int32_t, 6>{3, 3, 3, 3, 3, 0}};
  Frame();
  ASSERT_EQ(GameState, StatePlay);
  EXPECT_EQ(GameMode, 3);
  FormKeyDown(KeyF1);  // the player's own change does reach the file
  FormDestroy();
  EXPECT_EQ(ReadFile("option.txt"), "0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n0\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

}  // namespace
}  // namespace omb
