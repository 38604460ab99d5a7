#include "persistence/replay.h"
#include "screen_fixture.h"

namespace omb {
namespace {

using Rows = std::vector<std::string>;

// A game started on stage 2 and lost on stage 3.
class ResultTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Score = 98760;
    GameMode = ModeNonBarrier;
    BulletStyle = 4;
    SubShot = SubWave;
    ReplaySys[SysStartStage] = 2;
    Stage = 3;
    Enter(StateResult);
  }
  std::vector<int32_t> CursorAt() { return {Sprites.Sprite(400).X, Sprites.Sprite(400).Y}; }
};

TEST_F(ResultTest, AskingThenChoosingASlotWithinItsRangeAndCancelAsksAgain) {
  Frame(0, 0, 2);
  EXPECT_EQ(ScreenRows({96, 144, 160, 208, 240, 256, 272, 288, 304}),
            (Rows{"SAVE YOUR REPLAY?", "YES", "NO", "YOUR RESULT", "SCORE  98760", "MODE  NON-BARRIER-HUGE",
                  "WEAPON  WAVE", "OMBREZZA  LASER", "STAGE  2>>3"}));
  EXPECT_EQ(ScreenPhase, 0) << "button 1 is not used";
  Press(0, 0, 1);
  EXPECT_EQ(ScreenRows({96, 112, 160, 208, 240, 288}),
            (Rows{"CHOOSE A REPLAYFILE NUMBER", "No.0", "AUTO", "+100", "CANCEL", "THIS FILE IS EMPTY."}));
  EXPECT_EQ(CursorAt(), (std::vector<int32_t>{248, 160}));

  Press(0, 1);
  Press(-1, 0);
  Press(0, 1);
  for (int k = 0; k < 8; ++k) Press(1, 0);
  EXPECT_EQ(ScreenRow(112), "No.80") << "+1 stopped at 0, +10 went on";
  Press(0, 1);
  Press(1, 0);
  EXPECT_EQ(ReplaySlot, 149);
  ReplaySlot = 80;
  Press(-1, 0);
  EXPECT_EQ(ReplaySlot, 0);

  ReplaySlotUsed[100] = true;
  const int32_t fields[] = {2026, 3, 7, 9, 5, 8, 42, 1, 4, 0, 0, 1};
  std::copy(std::begin(fields), std::end(fields), ReplaySys.begin() + SysDate);
  Press(1, 0);
  EXPECT_EQ(ScreenRows({112, 288, 304, 368, 384}),
            (Rows{"No.100", "FILE DATA", "SCORE  98760", "STAGE  1>>4", "2026/3/7 9:5:8.42"}))
      << "nothing padded, and no ALL";
  Press(0, 1);
  Press(0, 1);
  Press(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{ScreenPhase, MenuY}), (std::vector<int32_t>{0, 0})) << "CANCEL";
  EXPECT_EQ(ScreenRows({96, 240, 384}), (Rows{"SAVE YOUR REPLAY?", "SCORE  98760", ""}));
  Press(0, 1);
  Frame(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{GameState, MenuY}), (std::vector<int32_t>{StateTitle, 0})) << "NO";
}

TEST_F(ResultTest, TheConfirmationWarnsOfAUsedSlotAndNoGoesBackToChoosing) {
  ReplaySlotUsed[0] = true;
  Press(0, 0, 1);
  for (int k = 0; k < 4; ++k) Press(0, 1);
  Press(0, 0, 1);
  EXPECT_EQ(ScreenRows({96, 112, 160, 176, 224, 240}),
            (Rows{"OVERWRITE OK?", "No.0", "YES", "NO", "OLD DATA", "SCORE  98760"}));
  EXPECT_EQ(CursorAt(), (std::vector<int32_t>{280, 160}));
  Press(0, 1);
  Press(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{ScreenPhase, MenuY}), (std::vector<int32_t>{1, 0})) << "NO";

  ReplaySlot = 57;
  Press(0, 0, 1);
  EXPECT_EQ(ReplaySlot, 0) << "AUTO, no replay stored";
  ReplaySlot = 9;
  Press(0, -1);
  Press(0, -1);
  Press(0, 0, 1);
  EXPECT_EQ(ScreenRows({96, 112, 224}), (Rows{"OK?", "No.9", "YOUR DATA"}));
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateTitle) << "YES";
}

}  // namespace
}  // namespace omb
