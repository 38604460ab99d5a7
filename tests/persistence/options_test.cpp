#include "persistence/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game_test.h"
#include "persistence/ranking.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;

// The file's lines, CR LF ended, as a line list.
std::string Lines(const V& values, const char* end = "\r\n") {
  std::string text;
  for (int32_t v : values) text += std::to_string(v) + end;
  return text;
}

class OptionsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    std::filesystem::create_directory("midi");
    WriteFile("midi/midi.txt", "t.mid\r\n1.mid\r\nb1.mid\r\n2.mid\r\nb2.mid\r\n3.mid\r\nb3.mid\r\n4.mid\r\nb4.mid\r\n");
  }
  V Values() const { return V(OptionValues.begin(), OptionValues.end()); }
};

TEST_F(OptionsTest, TheDefaultFileReadsAsTheDefaultOptions) {
  WriteDefaultOptions();
  EXPECT_EQ(ReadFile("option.txt"), Lines({0, 1, 2, 3, 3, 3, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0}));
  WaitOn = false;
  FrameSkip = 3;
  LoadOptions(true);
  EXPECT_EQ(ButtonFunction, DefaultButtonFunction);
  EXPECT_EQ((V{MusicOn, GameMode, WaitOn, FrameSkip, FrameSkipOn, BulletStyle}), (V{1, 0, 1, 1, 0, 0}));
  EXPECT_EQ(MidiName[0], "t.mid");
  EXPECT_EQ(MidiName[8], "b4.mid");
  EXPECT_TRUE(Told.empty());
}

TEST_F(OptionsTest, OnlyAStartUpTakesWaitAndDrawFromTheFile) {
  // LF ends; music and pacing are on only for exactly 1, and 2 is a legal off.
  WriteFile("option.txt", Lines({3, 2, 1, 0, 0, 0, 2, 4, 2, 3, 2, 0, 0, 0, 0, 0}, "\n"));
  WaitOn = true;
  FrameSkip = 1;
  LoadOptions(false);
  EXPECT_EQ(ButtonFunction, (std::array<int32_t, 6>{3, 2, 1, 0, 0, 0}));
  EXPECT_EQ((V{MusicOn, GameMode, WaitOn, FrameSkip, FrameSkipOn, BulletStyle}), (V{0, 4, 1, 1, 0, 2}));
  LoadOptions(true);
  EXPECT_EQ((V{WaitOn, FrameSkip, FrameSkipOn}), (V{0, 3, 1}));
  EXPECT_TRUE(Told.empty());
}

TEST_F(OptionsTest, EveryDamagedLineTakesItsDefaultAndIsToldOnce) {
  const struct {
    std::string file;
    V values;
    std::size_t messages;
    const char* first;
  } cases[] = {
      {"", {0, 1, 2, 3, 3, 3, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0}, 1,
       "option.txt: the file ends after line 0; lines 1 to 16 take their defaults"},
      {Lines({3, 3, 3, 3, 3, 3, 0, 2, 0, 4, 1}), {3, 3, 3, 3, 3, 3, 0, 2, 0, 4, 1, 0, 0, 0, 0, 0}, 1,
       "option.txt: the file ends after line 11; lines 12 to 16 take their defaults"},
      {"2\r\n\r\n x \r\n1\r\n99999999999\r\n3\r\n1\r\n0\r\n1\r\n1\r\n0\r\n5\r\n5\r\n5\r\n5\r\n5\r\n",
       {2, 1, 2, 1, 3, 3, 1, 0, 1, 1, 0, 5, 5, 5, 5, 5}, 3, "option.txt line 2 is blank; using the default 1"},
      {Lines({9, -1, 0, 0, 0, 0, 1, 7, 1, 0, 5, -9, 0, 0, 0, 0}), {3, 0, 0, 0, 0, 0, 1, 4, 1, 1, 4, -9, 0, 0, 0, 0}, 5,
       "option.txt line 1: button 1 9 is outside 0 to 3; using 3"},
      {Lines({0, 0, 0, 0, 0, 0, 1, -1, 1, 9, 0, 0, 0, 0, 0, 0}), {0, 0, 0, 0, 0, 0, 1, 0, 1, 5, 0, 0, 0, 0, 0, 0}, 2,
       "option.txt line 8: game mode -1 is outside 0 to 4; using 0"},
  };
  for (const auto& c : cases) {
    WriteFile("option.txt", c.file);
    Told.clear();
    LoadOptions(true);
    EXPECT_EQ(Values(), c.values) << c.first;
    ASSERT_EQ(Told.size(), c.messages) << c.first;
    EXPECT_EQ(Told[0], c.first);
    // Play never sees a value it cannot handle.
    EXPECT_TRUE(FrameSkip >= 1 && FrameSkip <= 5 && GameMode >= 0 && GameMode <= 4) << c.first;
    LoadOptions(false);  // the next entry into the title
    EXPECT_EQ(Told.size(), c.messages) << "the same problems are not told again";
  }
}

TEST_F(OptionsTest, ASaveWritesAWellFormedFileAndKeepsTheUnusedLines) {
  WriteFile("option.txt", "0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n0\r\n1\r\nx\r\n0\r\n7\r\n-8\r\n9\r\n10\r\n");
  LoadOptions(true);
  ButtonFunction[5] = 2;
  GameMode = 3;
  MusicOn = false;
  FrameSkip = 0;  // a value F1 never makes, held within range all the same
  BulletStyle = 6;
  SaveOptions();
  EXPECT_EQ(ReadFile("option.txt"), Lines({0, 1, 2, 3, 3, 2, 0, 3, 1, 1, 4, 7, -8, 9, 10, 0}));
  EXPECT_FALSE(std::filesystem::exists("option.txt.tmp"));
}

TEST_F(OptionsTest, RankingClearResetsTheTablesOnceAndIsNeverStored) {
  WriteDefaultOptions();
  LoadOptions(true);
  Ranking[2][0] = 123456;
  RankingClear = true;
  SaveOptions();
  EXPECT_EQ(Ranking[2][0], 10000);
  EXPECT_EQ(ReadFile("ranking.txt").substr(0, 7), "10000\r\n") << "and on disk";
  EXPECT_FALSE(RankingClear);
  EXPECT_EQ(ReadFile("option.txt"), Lines({0, 1, 2, 3, 3, 3, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0}));
  Ranking[2][0] = 123456;
  SaveOptions();
  EXPECT_EQ(Ranking[2][0], 123456);
}

TEST_F(OptionsTest, AnUnreadableFileKeepsTheOptionsInMemory) {
  WriteFile("option.txt", Lines({1, 1, 1, 1, 1, 1, 0, 2, 1, 1, 3, 0, 0, 0, 0, 0}));
  LoadOptions(true);
  std::filesystem::remove("option.txt");
  std::filesystem::create_directory("option.txt");  // cannot be read nor replaced
  LoadOptions(false);
  EXPECT_EQ((V{ButtonFunction[0], GameMode, BulletStyle}), (V{1, 2, 3}));
  ASSERT_EQ(Told.size(), 1u);
  SaveOptions();
  EXPECT_EQ(Told.size(), 2u) << "the failed save is told too";
  EXPECT_TRUE(std::filesystem::is_directory("option.txt"));
}

TEST_F(OptionsTest, AMissingMusicListMeansNoTunesAndOneMessage) {
  std::filesystem::remove("midi/midi.txt");
  WriteDefaultOptions();
  LoadOptions(true);
  LoadOptions(false);
  ASSERT_EQ(Told.size(), 1u);
  EXPECT_EQ(Told[0].rfind("midi/midi.txt: cannot read it", 0), 0u) << Told[0];
  EXPECT_EQ(MidiName[0], "");
  WriteFile("midi/midi.txt", "a tune.mid\r\n");
  LoadOptions(false);
  EXPECT_EQ(MidiName[0], "a tune.mid") << "spaces are part of the name";
  EXPECT_EQ(Told.back(), "midi/midi.txt names 1 of the 9 tunes; the others are silent");
}

}  // namespace
}  // namespace omb
