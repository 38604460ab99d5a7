// A pause holds the game still: no frame runs, the next one starts a fresh
// period, and a game paused half-way ends exactly as one played straight.
#include <string>
#include <vector>

#include "counting_new.h"
#include "gameplay/game_fixture.h"
#include "persistence/replay.h"
#include "shell/dump.h"
#include "shell_fixture.h"

namespace omb {
namespace {

// The headless platform with a pause switch: set by hand, or for a stretch
// of the loop's turns. Resting moves the virtual clock as long as asked.
struct PausingPlatform : HeadlessPlatform {
  bool Pause = false;
  int64_t PauseFrom = -1;  // the turn (PumpEvents call, from 1) the stretch begins
  int64_t PauseTurns = 0;
  int64_t Rests = 0;

  bool Paused() override { return Pause || (Frame >= PauseFrom && Frame < PauseFrom + PauseTurns); }
  void RestPaused(uint32_t ms) override {
    Clock += ms;
    ++Rests;
  }
};

class PauseTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ThePlatform = &pausing;
  }

  // One turn of the program's loop.
  void Turn() {
    ShellEvents sink;
    pausing.PumpEvents(sink);
    if (!RestIfPaused()) IdleFrame();
  }

  PausingPlatform pausing;
};

TEST_F(PauseTest, NoFrameRunsWhilePausedAndTheNextStartsAFreshPeriod) {
  InputScript script;
  std::string error;
  ASSERT_TRUE(script.Parse("10 0\nkey F1\n", error)) << error;  // F1 arrives in the pause
  pausing.SetScript(std::move(script));
  LastTick = pausing.Clock = 1000;
  for (int k = 0; k < 10; ++k) Turn();
  ASSERT_EQ(FrameCount, 10);
  ASSERT_EQ(LastTick, 1200u);
  const int64_t presents = pausing.Presents;

  pausing.Pause = true;
  Allocations = 0;
  CountAllocations = true;
  for (int k = 0; k < 50; ++k) Turn();  // five seconds
  CountAllocations = false;
  EXPECT_EQ(pausing.Rests, 50);
  EXPECT_EQ(pausing.Clock, 6200u);
  EXPECT_EQ(FrameCount, 10) << "no frame ran";
  EXPECT_EQ(pausing.Presents, presents) << "nothing new presented";
  EXPECT_EQ(pausing.Polls, 10) << "no input sampled";
  EXPECT_EQ(pausing.Caption, "Flame 1/2  :  Waiting  :  Flame 0  :  Paused") << "the shell's keys still work";
  EXPECT_EQ(Allocations, 0) << "a paused turn allocates nothing";

  pausing.Pause = false;
  Turn();  // the 11th frame, which measures the rate
  EXPECT_EQ(FrameCount, 11);
  EXPECT_EQ(LastTick, 6220u) << "the frame waited a full period from the end of the pause";
  EXPECT_EQ(MeasuredFps, 50) << "the pause is not taken for one long frame";
  EXPECT_EQ(pausing.Caption, "Flame 1/2  :  Waiting  :  Flame 0");
}

TEST_F(PauseTest, FullScreenLeavesTheCaptionAlone) {
  Turn();
  FullScreen = true;
  pausing.Caption = "as it was";
  pausing.Pause = true;
  Turn();
  EXPECT_EQ(pausing.Rests, 1);
  EXPECT_EQ(pausing.Caption, "as it was");
}

// Weaving, shooting, the barrier and a bomb, from the first play frame.
constexpr const char* Opening =
    "1 0\n"
    "60 20\n"
    "40 17\n"
    "80 84\n"
    "5 32\n"
    "100 24\n"
    "300 86\n";

struct Outcome {
  std::vector<std::string> States;  // after every frame
  std::array<int32_t, ReplayInputLength> Recorded;
  int64_t Rests;
};

Outcome PlayStageOne(int64_t pauseFrom, int64_t pauseTurns) {
  HeadlessGameOn<PausingPlatform> game(Opening, 1);
  SkipDrawing = true;  // the state is the same, drawn or not
  game.platform.PauseFrom = pauseFrom;
  game.platform.PauseTurns = pauseTurns;
  Outcome out;
  for (int k = 0; k < 500; ++k) {
    game.Frames(1);
    out.States.push_back(DumpState());
  }
  out.Recorded = ReplayInput;
  out.Rests = game.platform.Rests;
  return out;
}

// The first frame whose state differs, or -1.
int FirstDifference(const Outcome& a, const Outcome& b) {
  for (std::size_t k = 0; k < a.States.size(); ++k) {
    if (a.States[k] != b.States[k]) return static_cast<int>(k);
  }
  return -1;
}

TEST(PausedGameTest, APauseInTheMiddleChangesNothingOfTheGameOrItsReplay) {
  const Outcome straight = PlayStageOne(-1, 0);
  ASSERT_NE(straight.States.back().find("\"GameState\": 10"), std::string::npos) << "in play";
  // From the first play frame, mid-barrier, and eleven turns in a row, one of
  // which resumes on a frame that measures the rate the HUD shows.
  std::vector<int64_t> starts = {2, 301};
  for (int64_t from = 150; from <= 160; ++from) starts.push_back(from);
  for (const int64_t from : starts) {
    const Outcome paused = PlayStageOne(from, 250);
    EXPECT_EQ(paused.Rests, 250);
    EXPECT_EQ(FirstDifference(paused, straight), -1) << "paused from turn " << from;
    EXPECT_TRUE(paused.Recorded == straight.Recorded) << "paused from turn " << from;
  }
}

}  // namespace
}  // namespace omb
