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
};

TEST_F(OptionsScreenTest, TheListTurnsRoundWithTheSelectedItemOnTopBesideTheCursor) {
  Frame();
  std::vector<std::string> lines;
  for (int32_t k = 0; k < 10; ++k) lines.push_back(ScreenRow(144 + 16 * k));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "BUTTON1         SHOT", "BUTTON2         BOMB", "BUTTON3      BARRIER",
                       "BUTTON4         NONE", "BUTTON5         NONE", "BUTTON6         NONE",
                       "MIDI              ON", "GAMEMODE      NORMAL", "RANKINGCLEAR      NO",
                       "WAIT              ON"}));
  int32_t left = 0;
  ScreenRow(144, &left);
  EXPECT_EQ(left, 320 - 8 * 19) << "20 characters centred";
  const SpriteRegister& cursor = Sprites.Sprite(400);
  EXPECT_EQ((std::vector<int32_t>{cursor.X, cursor.Y, ObjectTable[400].PosX, cursor.Frame}),
            (std::vector<int32_t>{144, 144, 144000, 1}))
      << "moved from where the entry put it, and turned in frame 0";
  Press(0, -1);
  EXPECT_EQ(ScreenRow(144), "--- EXIT ---");
  EXPECT_EQ(ScreenRow(288), "RANKINGCLEAR      NO") << "nothing left of the longer list before";
  Press(0, -1);
  EXPECT_EQ(ScreenRow(144), "BULLET        NORMAL") << "up on EXIT";
  EXPECT_EQ(ScreenRow(160), "--- EXIT ---");
}

TEST_F(OptionsScreenTest, ChangedValuesStopAtTheirEndsAndYesNoItemsToggleEitherWay) {
  Press(-1, 0);
  EXPECT_EQ(ScreenRow(144), "BUTTON1         SHOT") << "left of SHOT";
  for (int k = 0; k < 4; ++k) Press(1, 0);
  EXPECT_EQ(ScreenRow(144), "BUTTON1         NONE");
  MenuY = 11;  // DRAW
  for (int k = 0; k < 5; ++k) Press(1, 0);
  EXPECT_EQ(ScreenRow(144), "DRAW             1/5");
  MenuY = 9;  // RANKINGCLEAR
  Press(1, 0);
  EXPECT_EQ(ScreenRow(144), "RANKINGCLEAR     YES");
  Press(1, 0);
  EXPECT_FALSE(RankingClear) << "right again";
  Press(-1, 0);
  EXPECT_TRUE(RankingClear);
}

TEST_F(OptionsScreenTest, SwitchingMusicStopsAndStartsTheTuneAtOnce) {
  MenuY = 7;
  platform.MusicLog.clear();
  Press(-1, 0);
  EXPECT_EQ(ScreenRow(144), "MIDI             OFF");
  Press(1, 0);
  EXPECT_TRUE(MusicOn);
  EXPECT_EQ((std::vector<std::string>{platform.MusicLog.begin(), platform.MusicLog.end()}),
            (std::vector<std::string>{"stop", "play"}));
}

TEST_F(OptionsScreenTest, OnlyExitLeaves) {
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
