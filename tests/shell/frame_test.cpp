#include <filesystem>
#include <string>

#include "objects/motion.h"
#include "shell/state_entry.h"
#include "shell_fixture.h"

namespace omb {
namespace {

TEST_F(ShellTest, FrameWaitKeepsTwentyMillisecondsAndCatchesNothingUp) {
  LastTick = platform.Clock = 1000;
  platform.Clock += 5;  // a frame whose work took 5 ms
  FrameWait(20);
  EXPECT_EQ(LastTick, 1020u);
  platform.Clock += 30;  // a slow frame
  FrameWait(20);
  EXPECT_EQ(LastTick, 1050u) << "a 30 ms frame is followed at once, not made up for";
  platform.Clock += 1;
  FrameWait(20);
  EXPECT_EQ(LastTick, 1070u);
  LastTick = platform.Clock = 0xFFFFFFF0u;  // the tick counter wraps
  FrameWait(20);
  EXPECT_EQ(LastTick, 0x00000004u);
}

TEST_F(ShellTest, FrameWaitWithoutWaitingAndMeasuredFps) {
  WaitOn = false;
  LastTick = platform.Clock = 500;
  FrameCount = 11;
  platform.Clock += 25;
  FrameWait(20);
  EXPECT_EQ(LastTick, 525u) << "No Wait does not wait";
  EXPECT_EQ(MeasuredFps, 40);
  FrameWait(20);  // no time passed on a multiple of 11: the rate is kept
  EXPECT_EQ(MeasuredFps, 40);
  FrameCount = 12;
  platform.Clock += 10;
  FrameWait(20);
  EXPECT_EQ(MeasuredFps, 40) << "refreshed on every 11th frame only";
}

TEST_F(ShellTest, FrameSkipDrawsEveryThirdFrameButRunsEveryFrame) {
  FrameSkip = 3;
  FrameSkipOn = true;
  for (int i = 0; i < 7; ++i) Frame();
  EXPECT_EQ(FrameCount, 7);
  EXPECT_EQ(platform.Presents, 3) << "frames 0, 3 and 6 are drawn";
  FrameSkip = 0;  // from a file: below one it must not divide by zero
  Frame();
  EXPECT_EQ(platform.Presents, 4);
}

TEST_F(ShellTest, SkipDrawingRunsTheFrameButLeavesThePictureAlone) {
  const uint32_t back = Screen.BackColor;
  Screen.BackColor = 0x123456;
  Frame();
  ASSERT_EQ(platform.Presents, 1);
  Screen.BackBuffer()[0] = 0xABCDEF;  // whatever the last drawn frame left
  SkipDrawing = true;
  FrameSkip = 2;
  FrameSkipOn = true;  // frame 2 would be drawn
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(FrameCount, 4);
  EXPECT_EQ(platform.Presents, 1) << "nothing presented";
  EXPECT_EQ(Screen.BackBuffer()[0], 0xABCDEFu) << "the back buffer was not cleared";
  EXPECT_EQ(platform.Caption, "Flame 1/2  :  Waiting  :  Flame 0") << "the rest of the frame ran";
  EXPECT_EQ(LastTick, 80u) << "and waited as always";
  SkipDrawing = false;
  Frame();
  EXPECT_EQ(platform.Presents, 2);
  EXPECT_EQ(Screen.BackBuffer()[0], 0x123456u);
  Screen.BackColor = back;
}

TEST_F(ShellTest, F1CyclesFrameSkipAndF2TogglesWaitingInTheCaption) {
  const int expected[] = {2, 3, 4, 5, 1};
  for (int skip : expected) {
    FormKeyDown(KeyF1);
    EXPECT_EQ(FrameSkip, skip);
    EXPECT_EQ(FrameSkipOn, skip != 1);
  }
  Frame();
  EXPECT_EQ(platform.Caption, "Flame 1/1  :  Waiting  :  Flame 0");
  FormKeyDown(KeyF1);
  FormKeyDown(KeyF2);
  StageFrame = 1234;
  Frame();
  EXPECT_EQ(platform.Caption, "Flame 1/2  :  No Wait  :  Flame 1234");
}

TEST_F(ShellTest, FullScreenLeavesTheCaptionAloneUntilBackInAWindow) {
  Frame();
  FormKeyDown(KeyF5);
  EXPECT_TRUE(FullScreen);
  EXPECT_TRUE(platform.FullScreen);
  FormKeyDown(KeyF2);
  Frame();
  EXPECT_EQ(platform.Caption, "Flame 1/1  :  Waiting  :  Flame 0");
  FormKeyDown(KeyF5);
  EXPECT_FALSE(platform.FullScreen);
  Frame();
  EXPECT_EQ(platform.Caption, "Flame 1/1  :  No Wait  :  Flame 0");
}

TEST_F(ShellTest, EscapeReturnsToTheTitleWhoseEntryRunsInTheSameFrame) {
  GameState = PrevGameState = 5;  // a state without a handler just runs
  Sprites.Show(300);
  Frame();
  EXPECT_EQ(GameState, 5);
  RandSeed = 1234;
  FormKeyDown(KeyEscape);
  EXPECT_EQ(GameState, StateTitle);
  EXPECT_FALSE(TerminateRequested);
  Frame();
  EXPECT_EQ(PrevGameState, StateTitle);
  EXPECT_EQ(RandSeed, 0) << "EnterTitle ran in the frame that saw the change";
  EXPECT_FALSE(Sprites.Sprite(300).Visible) << "every slot is released on a state change";
}

TEST_F(ShellTest, EscapeOnTheTitleOrTheQuitStateEndsTheProgram) {
  FormKeyDown(KeyEscape);
  EXPECT_TRUE(TerminateRequested);
  TerminateRequested = false;
  GameState = StateQuit;
  Frame();
  EXPECT_TRUE(TerminateRequested);
  EXPECT_EQ(FrameCount, 1) << "after the rest of the frame";
}

TEST_F(ShellTest, TheSoundServiceRestartsASoundAtMostEveryThirdFrame) {
  for (int i = 0; i < 3; ++i) Frame();  // long enough since start-up
  for (int i = 0; i < 3; ++i) {
    SoundRequest[4] = true;
    Frame();
  }
  ASSERT_EQ(platform.Sounds.size(), 1u);
  EXPECT_EQ(platform.Sounds[0].Frame, 4) << "three requests in a row play once, on the first";
  for (int i = 0; i < 6; ++i) {
    SoundRequest[4] = true;
    SoundRequest[7] = true;
    Frame();
  }
  // Frames 7 to 12: both sounds start on 7 and again on 10.
  std::vector<std::pair<int64_t, int>> got;
  for (const auto& s : platform.Sounds) got.emplace_back(s.Frame, s.Channel);
  const std::vector<std::pair<int64_t, int>> want = {{4, 4}, {7, 4}, {7, 7}, {10, 4}, {10, 7}};
  EXPECT_EQ(got, want);
  EXPECT_FALSE(SoundRequest[4]) << "a dropped request is not kept for later";
}

// The loop check looks for the tune's file, in the test's own directory.
class MusicTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    std::filesystem::create_directory("midi");
    WriteFile("midi/title.mid", "");
    MidiName[0] = "title.mid";
  }
};

TEST_F(MusicTest, WithMusicOffPlayMidiOpensButNeverPlays) {
  PlayMidi(0);
  EXPECT_EQ(MidiFileName, "midi/title.mid");
  for (int i = 0; i < 120; ++i) Frame();
  const std::vector<std::string> want = {"close", "open midi/title.mid"};
  EXPECT_EQ(MusicLog(), want);
}

TEST_F(MusicTest, AStoppedTuneRestartsOnTheNextFiftiethFrame) {
  MusicOn = true;
  PlayMidi(0);
  EXPECT_TRUE(platform.TunePlaying);
  platform.MusicLog.clear();
  for (int i = 0; i < 50; ++i) Frame();
  EXPECT_TRUE(platform.MusicLog.empty()) << "a playing tune is left alone";
  platform.TunePlaying = false;  // the tune ended
  for (int i = 0; i < 49; ++i) Frame();
  EXPECT_TRUE(platform.MusicLog.empty());
  Frame();
  const std::vector<std::string> want = {"seek", "play"};
  EXPECT_EQ(MusicLog(), want);
}

TEST_F(MusicTest, TheTitleRestartsItsTuneOnlyAfterAnother) {
  MidiName[1] = "stage1.mid";
  EnterTitle();
  EXPECT_EQ(MidiFileName, "midi/title.mid");
  const std::size_t opened = platform.MusicLog.size();
  EnterTitle();
  EXPECT_EQ(platform.MusicLog.size(), opened) << "the title tune is already current";
  PlayMidi(1);
  EnterTitle();
  EXPECT_EQ(platform.MusicLog.back(), "open midi/title.mid");
}

}  // namespace
}  // namespace omb
