#include "persistence/replay.h"
#include "screen_fixture.h"

namespace omb {
namespace {

using Rows = std::vector<std::string>;

// Slot 3 holds a game started on stage 2 and lost on stage 3; its summary is
// in memory, which LoadReplayInfo puts into the game variables.
class ReplaySelectTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Enter(StateReplaySelect);
    ReplaySlotUsed[3] = true;
    ReplaySys[SysScore] = Score = 123450;
    ReplaySys[SysGameMode] = GameMode = ModeTechnical;
    ReplaySys[SysBulletStyle] = BulletStyle = 2;
    ReplaySys[SysSubShot] = SubShot = SubCurve;
    ReplaySys[SysSpecialWeapon] = SpecialWeapon = SpecialAim;
    const int32_t fields[] = {2026, 3, 7, 9, 5, 8, 42, 2, 3, 1499, 777, 0, 0, 0, 1299, 3, 2};
    std::copy(std::begin(fields), std::end(fields), ReplaySys.begin() + SysDate);
  }
  const Rows summary = {"SCORE  123450", "MODE  TECHNICAL-BIG", "WEAPON  CURVE", "OMBREZZA  AIM",
                        "STAGE  2>>3",   "2026/3/7 9:05-08.042", "PLAYTIME  29sec", "BULLET  777",
                        "DAMAGE  12%",   "USE BOMB  3",          "NO BOMB  2"};
};

TEST_F(ReplaySelectTest, ChoosingWrapsThePagesShowsTheSlotsDataAndLeavesOnlyByExit) {
  Frame();
  EXPECT_EQ(ScreenRows({32, 80, 96, 240, 288}), (Rows{"REPLAY SELECT", "EXIT", "No.0", "No.9", ""}));
  Press(-1, 0);
  Press(0, -1);
  int32_t left = 0;
  EXPECT_EQ(ScreenRow(240, &left), "No.149") << "left on page 0, then up on EXIT";
  EXPECT_EQ(ScreenRows({96, 288, 368}), (Rows{"No.140", "FILE DATA", "NO DATA"}));
  EXPECT_EQ((std::vector<int32_t>{Sprites.Sprite(400).X, Sprites.Sprite(400).Y}),
            (std::vector<int32_t>{left - 24, 240}))
      << "beside the line, as beside EXIT";
  Press(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{GameState, ScreenPhase}), (std::vector<int32_t>{StateReplaySelect, 0}))
      << "a free slot";

  Press(1, 0);
  for (int k = 0; k < 5; ++k) Press(0, 1);
  EXPECT_EQ(ScreenRows({320, 336, 352, 368, 384, 400, 416, 432, 448}), Rows(summary.begin(), summary.end() - 2));
  ReplaySys[SysStartStage] = 1;
  ReplaySys[SysGameCleared] = 1;
  Frame();
  EXPECT_EQ(ScreenRow(384), "STAGE  ALL");
  Press(0, 0, 1);
  EXPECT_EQ(ScreenPhase, 0) << "its replay files are not there to play";
  EXPECT_FALSE(ReplayPlaying);

  Press(0, 1);
  EXPECT_EQ(ScreenRows({320, 368}), (Rows{"", "NO DATA"})) << "nothing left of slot 3's lines";
  for (int k = 0; k < 6; ++k) Press(0, 1);
  EXPECT_EQ(ScreenRow(288), "");
  Frame(0, 0, 1);
  EXPECT_EQ((std::vector<int32_t>{GameState, MenuX, MenuY}), (std::vector<int32_t>{StateTitle, 0, 0}));
}

TEST_F(ReplaySelectTest, ThePresentationRevealsARegisterAFrameAndPlaysOnItsTwoHundredFiftiethFrame) {
  ScreenPhase = 1;
  ScreenFrame = 1;  // as the confirm frame, the presentation's frame 0, leaves it
  int total = 0;
  for (const std::string& line : summary) total += static_cast<int>(line.size());
  Frame(0, 0, 1);
  EXPECT_EQ(CountShownText(), 0);
  for (int k = 2; k <= 14; ++k) Frame(1, 1, k % 2);
  EXPECT_EQ(ScreenRows({80, 112}), (Rows{"SCORE  123450", ""}));
  Frame();
  EXPECT_EQ(ScreenRow(112), "G") << "then the next line, from its end";
  for (int k = 16; k < 250; ++k) {
    Frame(-1, -1, k % 2);
    ASSERT_EQ(CountShownText(), std::min(k - 1, total)) << "frame " << k;
  }
  EXPECT_EQ((std::vector<int32_t>{GameState, MenuX, MenuY}), (std::vector<int32_t>{StateReplaySelect, 0, 0}))
      << "no input is read";
  Frame();
  EXPECT_EQ(GameState, StatePlay);
  EXPECT_EQ(ScreenRows({80, 112, 144, 176, 208, 240, 272, 304, 336, 368, 400}), summary);
}

}  // namespace
}  // namespace omb
