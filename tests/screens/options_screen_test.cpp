#include "objects/objects.h"
#include "persistence/ranking.h"
#include "screen_fixture.h"

namespace omb {
namespace {

// The options of a fresh start, then the screen entered.
class OptionsScreenTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ButtonFunction = DefaultButtonFunction;
    MusicOn = true;
    WaitOn = true;
    FrameSkip = 1;
    Enter(StateOptions);
  }
  // The ten lines of the list, top first.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int32_t k = 0; k < 10; ++k) lines.push_back(ScreenRow(144 + 16 * k));
    return lines;
  }
  // A new press of one direction, then letting go.
  void Press(int32_t x, int32_t y) {
    Frame(x, y);
    Frame();
  }
};

TEST_F(OptionsScreenTest, AFreshStartShowsTheDefaultsFromTheFirstButtonOn) {
  Frame();
  int32_t left = 0;
  EXPECT_EQ(ScreenRow(32, &left), "up or down -> select items");
  EXPECT_EQ(left, 320 - 8 * 25);
  EXPECT_EQ(ScreenRow(48), "left or right -> value change");
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "BUTTON1         SHOT", "BUTTON2         BOMB", "BUTTON3      BARRIER",
                         "BUTTON4         NONE", "BUTTON5         NONE", "BUTTON6         NONE",
                         "MIDI              ON", "GAMEMODE      NORMAL", "RANKINGCLEAR      NO",
                         "WAIT              ON"}));
  ScreenRow(144, &left);
  EXPECT_EQ(left, 320 - 8 * 19) << "20 characters centred";
  const SpriteRegister& cursor = Sprites.Sprite(400);
  EXPECT_EQ((std::vector<int32_t>{cursor.X, cursor.Y, ObjectTable[400].PosX}), (std::vector<int32_t>{144, 144, 144000}))
      << "moved from where the entry put it, object and all";
  EXPECT_EQ(ScreenFrame, 1);
}

TEST_F(OptionsScreenTest, TheListTurnsRoundWithTheSelectedItemOnTop) {
  Frame();
  Press(0, -1);
  EXPECT_EQ(ScreenRow(144), "--- EXIT ---");
  EXPECT_EQ(ScreenRow(288), "RANKINGCLEAR      NO") << "nothing left of the longer list before";
  Press(0, -1);
  EXPECT_EQ(MenuY, 12);
  const auto lines = Lines();
  EXPECT_EQ(lines[0], "BULLET        NORMAL");
  EXPECT_EQ(lines[1], "--- EXIT ---");
  EXPECT_EQ(lines[9], "GAMEMODE      NORMAL");
}

TEST_F(OptionsScreenTest, ChangedValuesStopAtTheirEnds) {
  Press(-1, 0);
  EXPECT_EQ(ButtonFunction[0], 0) << "left of SHOT";
  EXPECT_EQ(ScreenRow(144), "BUTTON1         SHOT");
  for (int k = 0; k < 4; ++k) Press(1, 0);
  EXPECT_EQ(ButtonFunction[0], 3);
  EXPECT_EQ(ScreenRow(144), "BUTTON1         NONE");
  MenuY = 11;  // DRAW
  for (int k = 0; k < 5; ++k) Press(1, 0);
  EXPECT_EQ(FrameSkip, 5);
  EXPECT_EQ(ScreenRow(144), "DRAW             1/5");
  Press(-1, 0);
  EXPECT_EQ(FrameSkip, 4);
  MenuY = 8;  // GAMEMODE
  Press(-1, 0);
  EXPECT_EQ(GameMode, 0);
  for (int k = 0; k < 5; ++k) Press(1, 0);
  EXPECT_EQ(ScreenRow(144), "GAMEMODE     ANOTHER");
}

TEST_F(OptionsScreenTest, EitherDirectionTogglesAYesNoItem) {
  MenuY = 9;
  Press(1, 0);
  EXPECT_TRUE(RankingClear);
  EXPECT_EQ(ScreenRow(144), "RANKINGCLEAR     YES");
  Press(1, 0);
  EXPECT_FALSE(RankingClear) << "right again";
  Press(-1, 0);
  EXPECT_TRUE(RankingClear);
  MenuY = 10;
  Frame(-1, 0);
  EXPECT_FALSE(WaitOn);
  Frame(-1, 0);
  EXPECT_FALSE(WaitOn) << "held";
}

TEST_F(OptionsScreenTest, SwitchingMusicStopsAndStartsTheTuneAtOnce) {
  MenuY = 7;
  platform.MusicLog.clear();
  Press(-1, 0);
  EXPECT_FALSE(MusicOn);
  EXPECT_EQ(ScreenRow(144), "MIDI             OFF");
  ASSERT_EQ(platform.MusicLog.size(), 1u);
  EXPECT_EQ(platform.MusicLog[0], "stop");
  Press(1, 0);
  EXPECT_TRUE(MusicOn);
  ASSERT_EQ(platform.MusicLog.size(), 2u);
  EXPECT_EQ(platform.MusicLog[1], "play");
}

TEST_F(OptionsScreenTest, OnlyExitLeavesAndNoOtherItemTakesTheButton) {
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateOptions) << "confirm on BUTTON1";
  EXPECT_EQ(ButtonFunction[0], 0);
  Frame(0, -1, 0);
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateTitle);
  EXPECT_EQ((std::vector<int32_t>{MenuX, MenuY}), (std::vector<int32_t>{0, 0}));
}

}  // namespace
}  // namespace omb
