#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "counting_new.h"
#include "gameplay/player.h"
#include "game_test.h"
#include "persistence/replay.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

namespace fs = std::filesystem;
using V = std::vector<int32_t>;

std::string Lines(const V& values) {
  std::string text;
  for (int32_t v : values) text += std::to_string(v) + "\r\n";
  return text;
}
std::size_t LineCount(const char* path) {
  const std::string text = ReadFile(path);
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}
std::set<std::string> ReplayFiles() {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator("replay")) names.insert(e.path().filename().string());
  return names;
}

class ReplayFilesTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    fs::create_directory("replay");
  }

  // A whole, playable slot n: stages 2 to 3 of 5 and 7 frames.
  void WriteSlot(int n) {
    const std::string base = "replay/Replay" + std::to_string(n);
    V sys(31, 0);
    sys[SysButtons + 1] = 1;
    sys[SysStartStage] = 2;
    sys[SysLastStage] = 3;
    sys[SysScore] = 4321;
    WriteFile((base + "_sys.rep").c_str(), Lines(sys));
    WriteFile((base + "_0.rep").c_str(), Lines({0, 0, 5, 7, 0}));
    WriteFile((base + "_2.rep").c_str(), Lines({16, 16, 16, 16, 16, 0}));
    WriteFile((base + "_3.rep").c_str(), Lines({1, 2, 4, 8, 1, 2, 4, 9}));
  }
};

TEST_F(ReplayFilesTest, ALiveGameWritesEachStageWithItsLengthAndOneWordMore) {
  ReplayInput[3000] = 77;  // the word just after the record goes along
  Stage = 2;  // stage 2 begins: stage 1 is complete
  ReplayFrame = 3000;
  ReplayStageLength = {0, 0, 11, 22, 33};  // an earlier game's
  SaveStageReplay(0);
  ReplayFrame = 1200;
  SaveStageReplay(1);  // the game ends on stage 2
  EXPECT_EQ(ReadFile("replay/Rep0.rep"), Lines({0, 3000, 1200, 22, 33}));
  EXPECT_EQ(LineCount("replay/Rep1.rep"), 3001u);
  EXPECT_EQ(LineCount("replay/Rep2.rep"), 1201u);
  EXPECT_EQ(ReadFile("replay/Rep1.rep").substr(ReadFile("replay/Rep1.rep").size() - 4), "77\r\n");

  // A game started on stage 3 writes stage 2 as an empty record.
  fs::remove("replay/Rep2.rep");
  Stage = 3;
  ReplayFrame = 0;
  SaveStageReplay(0);
  EXPECT_EQ(LineCount("replay/Rep2.rep"), 1u);
  // Playback writes nothing.
  fs::remove("replay/Rep2.rep");
  ReplayPlaying = true;
  SaveStageReplay(0);
  WriteReplaySettings();
  EXPECT_FALSE(fs::exists("replay/Rep2.rep"));
  EXPECT_FALSE(fs::exists("replay/Repsys.rep"));
}

// A stage's end and start come in the middle of play frames.
TEST_F(ReplayFilesTest, WritingAndReadingAStageAllocatesNothing) {
  WriteSlot(2);
  Stage = 2;
  ReplayFrame = 25000;
  Allocations = 0;
  CountAllocations = true;
  SaveStageReplay(0);
  ReplayPlaying = true;
  ReplaySlot = 2;
  ReplayStageLength[2] = 5;
  LoadStageInput();
  CountAllocations = false;
  EXPECT_EQ(Allocations, 0);
  EXPECT_EQ(LineCount("replay/Rep1.rep"), 25001u);
  EXPECT_EQ(ReplayInput[0], 16);
}

TEST_F(ReplayFilesTest, TheSummaryHoldsTheSettingsFromTheStartAndTheResultFromTheEnd) {
  ButtonFunction = {2, 0, 1, 3, 3, 3};
  SubShot = 1;
  GameMode = 4;
  Stage = 2;
  WriteReplaySettings();
  Score = 98765;
  Stage = 3;
  Bombs.NoBombStreak = 2;
  StageFrame = 1234;
  PlayEndStateHash = 56789;
  WriteReplayResult();  // dated by the headless platform's clock
  V expected(31, 0);
  expected[SysDate] = 2026, expected[SysDate + 1] = expected[SysDate + 2] = 1;
  expected[0] = 2, expected[2] = 1, expected[3] = expected[4] = expected[5] = 3;
  expected[SysSubShot] = 1, expected[SysGameMode] = 4, expected[SysStartStage] = 2;
  expected[SysScore] = 98765, expected[SysLastStage] = 3, expected[SysNoBombStreak] = 2;
  expected[SysEndFrame] = 1234, expected[SysStateHash] = 56789;
  EXPECT_EQ(ReadFile("replay/Repsys.rep"), Lines(expected));
  // Without a summary written at the start, the result writes no file.
  fs::remove("replay/Repsys.rep");
  WriteReplayResult();
  EXPECT_FALSE(fs::exists("replay/Repsys.rep"));
}

TEST_F(ReplayFilesTest, SavingMovesTheSixFilesInAndLeavesNothingOfTheOldSlot) {
  WriteSlot(7);
  WriteFile("replay/Replay7_4.rep", "1\r\n");  // a stage the new game will not reach
  for (const char* f : {"replay/Repsys.rep", "replay/Rep0.rep", "replay/Rep1.rep"}) WriteFile(f, "0\r\n");
  SaveReplay(7);
  EXPECT_EQ(ReplayFiles(), (std::set<std::string>{"Replay7_sys.rep", "Replay7_0.rep", "Replay7_1.rep"}));
  EXPECT_TRUE(Told.empty());
}

TEST_F(ReplayFilesTest, AutoTakesTheLowestFreeSlotOrZero) {
  EXPECT_EQ(AutoReplaySlot(), 0);
  for (int n = 0; n < 5; ++n) WriteFile(("replay/Replay" + std::to_string(n) + "_sys.rep").c_str(), "");
  EXPECT_EQ(AutoReplaySlot(), 5);
  for (int n = 5; n < 150; ++n) WriteFile(("replay/Replay" + std::to_string(n) + "_sys.rep").c_str(), "");
  EXPECT_EQ(AutoReplaySlot(), 0);
  FindUsedReplaySlots();
  EXPECT_TRUE(ReplaySlotUsed[149]);
}

TEST_F(ReplayFilesTest, ASummaryIsAppliedEvenWhenItsFilesAreMissing) {
  WriteSlot(3);
  LoadReplayInfo(3, true);
  EXPECT_EQ((V{Score, ButtonFunction[1], ReplayStageLength[3], ReplaySys[SysStartStage]}), (V{4321, 1, 7, 2}));
  Score = 0;
  ButtonFunction[1] = 3;
  LoadReplayInfo(9, true);  // no such slot: the record in memory again
  EXPECT_EQ((V{Score, ButtonFunction[1], ReplayStageLength[3]}), (V{4321, 1, 7}));
  EXPECT_TRUE(Told.empty());
}

TEST_F(ReplayFilesTest, OnlyAWholeSlotWithinRangeCanBePlayed) {
  const struct {
    const char* file;
    std::string content;
  } damage[] = {
      {"replay/Replay1_3.rep", ""},                                       // missing below
      {"replay/Replay1_3.rep", Lines({1, 2, 4})},                         // cut short
      {"replay/Replay1_2.rep", "16\r\n16\r\nxx\r\n16\r\n16\r\n0\r\n"},    // not a number
      {"replay/Replay1_0.rep", Lines({0, 0, 5, 25001, 0})},               // longer than a record holds
      {"replay/Replay1_0.rep", Lines({0, 0, -1, 7, 0})},
      {"replay/Replay1_0.rep", ""},
      {"replay/Replay1_sys.rep", Lines({0, 1, 2, 3, 3, 3, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 2, 3})},
  };
  WriteSlot(1);
  EXPECT_TRUE(ReplaySlotPlayable(1));
  for (const auto& d : damage) {
    WriteSlot(1);
    if (d.content.empty()) {
      fs::remove(d.file);
    } else {
      WriteFile(d.file, d.content);
    }
    Told.clear();
    EXPECT_FALSE(ReplaySlotPlayable(1)) << d.file << " " << d.content;
    ASSERT_FALSE(Told.empty());
    EXPECT_NE(Told.back().find("cannot be played"), std::string::npos) << Told.back();
  }
  const struct {
    int field;
    int32_t value;
  } ranges[] = {{SysStartStage, 9}, {SysGameMode, 7}, {SysSubShot, -1}, {SysButtons + 5, 4},
                {SysBulletStyle, 5}, {SysLastStage, 1}};
  for (const auto& r : ranges) {
    WriteSlot(1);
    V sys(31, 0);
    sys[SysStartStage] = 2, sys[SysLastStage] = 3;
    sys[r.field] = r.value;
    WriteFile("replay/Replay1_sys.rep", Lines(sys));
    EXPECT_FALSE(ReplaySlotPlayable(1)) << "field " << r.field << " = " << r.value;
  }
}

TEST_F(ReplayFilesTest, PlaybackReadsAStageWithinTheRecordEvenForAnAbsurdLength) {
  WriteSlot(4);
  ReplaySlot = 4;
  ReplayStageLength = {0, 0, 5, 99999, 0};
  Stage = 3;
  ReplayInput.fill(-1);
  LoadStageInput();
  EXPECT_EQ((V{ReplayInput[0], ReplayInput[7], ReplayInput[8], ReplayInput[25000]}), (V{1, 9, -1, -1}));
  EXPECT_FALSE(Told.empty()) << "the file is shorter than its length says";
}

}  // namespace
}  // namespace omb
