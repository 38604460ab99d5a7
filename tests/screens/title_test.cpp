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

TEST_F(TitleTest, TheMenuIsCentredAndOldGlyphsUpToItsLimitAreHidden) {
  for (int r = 1; r <= 120; ++r) Sprites.Show(r);  // as if a longer text had been there
  Frame();
  EXPECT_EQ(ScreenRows({252, 300, 340, 380}),
            (std::vector<std::string>{"<STAGE:1>", "GAMESTART", "RANKING", "EXIT"}));
  int32_t left[3] = {};
  ScreenRow(252, &left[0]);
  ScreenRow(380, &left[1]);
  EXPECT_EQ(ScreenRow(448, &left[2]).size(), 16u);
  EXPECT_EQ((std::vector<int32_t>(left, left + 3)), (std::vector<int32_t>{320 - 8 * 8, 320 - 8 * 3, 200}));
  EXPECT_EQ(CountShownText(), 57 + (120 - 109)) << "registers past 109 are not the title's to hide";
}

TEST_F(TitleTest, BothCursorsWrapAndTheChosenItemStartsFromTheChosenStage) {
  Frame(-1, -1);
  EXPECT_EQ(ScreenRow(252), "<STAGE:4>") << "left on stage 1, in the same frame";
  EXPECT_EQ(Sprites.Sprite(400).Y, 380) << "up on GAMESTART: EXIT";
  EXPECT_TRUE(SoundRequest[0]);
  Frame(0, -1);
  EXPECT_EQ(MenuY, 4) << "held: no repeat";
  Frame(0, 0);
  Frame(0, -1);
  Frame(0, 0);
  Frame(0, -1, 1 | 2);
  EXPECT_EQ(GameState, StateTitle) << "both buttons at once decide nothing";
  Frame(0, 0, 0);
  Frame(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{GameState, Stage, MenuX, MenuY}), (std::vector<int32_t>{StateRanking, 4, 0, 0}));
  EXPECT_TRUE(SoundRequest[1]);
}

TEST_F(TitleTest, TheCreditLineStepsEveryFifteenFramesAndWrapsAfterFortyFour) {
  Frame();
  const std::string first = ScreenRow(448);
  Frame();
  EXPECT_EQ(ScreenRow(448).substr(0, 15), first.substr(1)) << "frame 0 is a multiple of 15";
  for (int k = 0; k < 13; ++k) Frame();
  EXPECT_EQ(MarqueeOffset, 1);
  Frame();
  EXPECT_EQ(MarqueeOffset, 2) << "after frame 15";
  FrameCount = 1;
  MarqueeOffset = 44;
  Frame();
  EXPECT_EQ(ScreenRow(448), first);
}

}  // namespace
}  // namespace omb
