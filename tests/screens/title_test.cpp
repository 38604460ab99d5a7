#include "screen_fixture.h"

namespace omb {
namespace {

class TitleTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Enter(StateTitle);
  }
};

TEST_F(TitleTest, TheMenuIsCentredWithTheCursorBesideTheItem) {
  Frame();
  int32_t left = 0;
  EXPECT_EQ(ScreenRow(252, &left), "<STAGE:1>");
  EXPECT_EQ(left, 320 - 8 * 8);
  EXPECT_EQ(ScreenRow(300, &left), "GAMESTART");
  EXPECT_EQ(left, 256);
  EXPECT_EQ(ScreenRow(320), "REPLAY");
  EXPECT_EQ(ScreenRow(340), "RANKING");
  EXPECT_EQ(ScreenRow(360), "OPTION");
  EXPECT_EQ(ScreenRow(380, &left), "EXIT");
  EXPECT_EQ(left, 320 - 8 * 3);
  EXPECT_EQ(ScreenRow(448, &left).size(), 16u);
  EXPECT_EQ(left, 200);
  EXPECT_EQ(CountShownText(), 9 + 9 + 6 + 7 + 6 + 4 + 16);
  EXPECT_EQ((std::array<int32_t, 2>{Sprites.Sprite(400).X, Sprites.Sprite(400).Y}), (std::array<int32_t, 2>{240, 300}));
  Frame(0, 1);
  Frame(0, 0);
  Frame(0, 1);
  EXPECT_EQ(Sprites.Sprite(400).Y, 340) << "on RANKING";
}

TEST_F(TitleTest, LeftOnStageOneWrapsToFourAndTheChosenItemStartsThere) {
  Frame(-1, 0);
  EXPECT_EQ(ScreenRow(252), "<STAGE:4>") << "in the same frame";
  EXPECT_TRUE(SoundRequest[0]);
  Frame(0, 1);
  Frame(0, 0);
  Frame(0, 1);
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateRanking);
  EXPECT_EQ(Stage, 4);
  EXPECT_EQ(MenuX, 0);
  EXPECT_EQ(MenuY, 0);
  EXPECT_TRUE(SoundRequest[1]);
}

TEST_F(TitleTest, EachItemLeadsToItsState) {
  const int32_t targets[5] = {StateWeaponSelect, StateReplaySelect, StateRanking, StateOptions, StateQuit};
  for (int32_t item = 0; item < 5; ++item) {
    GameState = StateTitle;
    MenuY = item;
    Frame(0, 0, 1);
    EXPECT_EQ(GameState, targets[item]) << "item " << item;
    Frame();
  }
}

TEST_F(TitleTest, UpOnGameStartWrapsToExit) {
  Frame(0, -1);
  EXPECT_EQ(MenuY, 4);
  EXPECT_TRUE(SoundRequest[0]);
  EXPECT_EQ(Sprites.Sprite(400).Y, 380);
  Frame(0, -1, 1);
  EXPECT_EQ(GameState, StateQuit) << "a held direction does not hinder the button";
}

TEST_F(TitleTest, ButtonsThatDecideNothingLeaveTheTitle) {
  Frame(0, 0, 1 | 2);
  EXPECT_EQ(GameState, StateTitle) << "both buttons at once";
  Frame(0, 0, 2);
  Frame(0, 0, 0);
  Frame(0, 0, 2);
  EXPECT_EQ(GameState, StateTitle) << "cancel";
}

TEST_F(TitleTest, TheCreditLineStepsEveryFifteenFramesAndWrapsAfterFortyFour) {
  Frame();
  const std::string first = ScreenRow(448);
  EXPECT_EQ(MarqueeOffset, 1) << "frame 0 is a multiple of 15";
  Frame();
  EXPECT_EQ(ScreenRow(448).substr(0, 15), first.substr(1)) << "one character on";
  for (int k = 0; k < 13; ++k) Frame();
  EXPECT_EQ(MarqueeOffset, 1);
  Frame();
  EXPECT_EQ(MarqueeOffset, 2) << "after frame 15";
  FrameCount = 1;
  MarqueeOffset = 44;
  Frame();
  EXPECT_EQ(ScreenRow(448), first);
}

TEST_F(TitleTest, LeftoverGlyphsAreHiddenButNothingBeyondTheTitlesRegisters) {
  for (int r = 1; r <= 120; ++r) Sprites.Show(r);
  Frame();
  EXPECT_EQ(CountShownText(), 57 + (120 - 109)) << "registers 110 to 120 are not the title's";
  EXPECT_FALSE(Sprites.Sprite(58).Visible);
  EXPECT_FALSE(Sprites.Sprite(109).Visible);
}

}  // namespace
}  // namespace omb
