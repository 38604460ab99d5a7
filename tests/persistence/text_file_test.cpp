#include "persistence/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "media/game_paths.h"
#include "scratch_dir.h"

namespace omb {
namespace {

using V = std::vector<int32_t>;
using S = std::vector<LineState>;



TEST(ParseIntegerTest, OnlyADecimal32BitIntegerIsANumber) {
  const struct {
    const char* line;
    LineState state;
    int32_t value;
  } cases[] = {
      {"12", LineState::Good, 12},
      {" -7\t", LineState::Good, -7},  // spaces around are forgiven
      {"007", LineState::Good, 7},
      {"2147483647", LineState::Good, INT32_MAX},
      {"-2147483648", LineState::Good, INT32_MIN},
      {"2147483648", LineState::TooLarge, 0},
      {"-2147483649", LineState::TooLarge, 0},
      {"99999999999999999999999", LineState::TooLarge, 0},
      {"99999999999999999999999x", LineState::NotANumber, 0},
      {"", LineState::Blank, 0},
      {"   ", LineState::Blank, 0},
      {"-", LineState::NotANumber, 0},
      {"+3", LineState::NotANumber, 0},
      {"1 2", LineState::NotANumber, 0},
      {"0x10", LineState::NotANumber, 0},
  };
  for (const auto& c : cases) {
    int32_t value = 0;
    EXPECT_EQ(ParseInteger(c.line, value), c.state) << '"' << c.line << '"';
    EXPECT_EQ(value, c.value) << '"' << c.line << '"' << " (a bad line leaves the value alone)";
  }
}

class TextFileTest : public ::testing::Test {
 protected:
  ScratchDirectory dir;
  std::string error;
};

TEST_F(TextFileTest, LinesEndInLfOrCrLfAndBadOrMissingOnesKeepTheirDefaults) {
  WriteFile("f.txt", "1\r\n2\nabc\r\n\r\n" + std::string(100000, '7') + "\n-6");
  std::array<int32_t, 8> values;
  values.fill(-1);
  std::array<LineState, 8> states{};
  ASSERT_TRUE(ReadIntegerLines("f.txt", values, states, error));
  EXPECT_EQ(V(values.begin(), values.end()), (V{1, 2, -1, -1, -1, -6, -1, -1}));
  EXPECT_EQ(S(states.begin(), states.end()),
            (S{LineState::Good, LineState::Good, LineState::NotANumber, LineState::Blank, LineState::NotANumber,
               LineState::Good, LineState::Missing, LineState::Missing}))
      << "a 100,000-character line is one bad line; the next is read as usual";
}

TEST_F(TextFileTest, WhatIsNotARegularFileIsNotRead) {
  std::array<int32_t, 2> values{5, 5};
  std::array<LineState, 2> states{};
  EXPECT_FALSE(ReadIntegerLines("absent.txt", values, states, error));
  EXPECT_FALSE(error.empty());
  std::filesystem::create_directory("dir.txt");
  EXPECT_FALSE(ReadIntegerLines("dir.txt", values, states, error));
  ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);
  EXPECT_FALSE(ReadIntegerLines("pipe.txt", values, states, error)) << "and does not hang waiting for a writer";
  EXPECT_EQ(V(values.begin(), values.end()), (V{5, 5}));
}

TEST_F(TextFileTest, AWriteReplacesTheFileWholeInCrLfLinesAndLeavesNoTemporaryFile) {
  WriteFile("o.txt", "old");
  const std::array<int32_t, 3> values{0, -12, INT32_MIN};
  ASSERT_TRUE(WriteIntegerLines("o.txt", values, error)) << error;
  EXPECT_EQ(ReadFile("o.txt"), "0\r\n-12\r\n-2147483648\r\n");
  EXPECT_FALSE(std::filesystem::exists("o.txt.tmp"));

  // Enough lines to fill the write buffer several times over.
  std::vector<int32_t> many(25001);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<int32_t>(i * 977);
  ASSERT_TRUE(WriteIntegerLines("big.txt", many, error)) << error;
  std::vector<int32_t> back(many.size(), -1);
  std::vector<LineState> states(many.size());
  ASSERT_TRUE(ReadIntegerLines("big.txt", back, states, error));
  EXPECT_EQ(back, many);
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileAndSaysWhy) {
  const std::array<int32_t, 1> values{1};
  EXPECT_FALSE(WriteIntegerLines("no/such/folder.txt", values, error));
  EXPECT_FALSE(error.empty());
  std::filesystem::create_directories("taken.txt/inside");  // a folder where the file should go
  error.clear();
  EXPECT_FALSE(WriteIntegerLines("taken.txt", values, error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_directory("taken.txt/inside"));
  EXPECT_FALSE(std::filesystem::exists("taken.txt.tmp"));
}

TEST_F(TextFileTest, NameLinesAreTakenWholeWithoutTheirLineEnds) {
  WriteFile("m.txt", "title.mid\r\n my tune.mid \n\nlast.mid");
  std::array<std::string, 5> names{"x", "x", "x", "x", "x"};
  EXPECT_EQ(ReadTextLines("m.txt", names, error), 4);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()),
            (std::vector<std::string>{"title.mid", " my tune.mid ", "", "last.mid", ""}));
  WriteFile("long.txt", std::string(5000, 'a') + "\nb\n");
  EXPECT_EQ(ReadTextLines("long.txt", names, error, 255), 2);
  EXPECT_EQ(names[0].size(), 255u);
  EXPECT_EQ(names[1], "b");
  EXPECT_EQ(ReadTextLines("absent.txt", names, error), -1);
}

// An installed game: the music list and the tunes are the assets', the
// player's files the working directory's, under the same names as ever.
TEST_F(TextFileTest, AssetNamesAreReadFromTheAssetFolderAndThePlayersFilesWhereTheGameRuns) {
  std::filesystem::create_directories("share/midi");
  std::filesystem::create_directories("midi");
  WriteFile("share/midi/midi.txt", "title.mid\n");
  WriteFile("share/midi/title.mid", "MThd");
  WriteFile("midi/midi.txt", "wrong.mid\n");  // a player's stray copy is not read
  WriteFile("option.txt", "3\n");
  WriteFile("share/option.txt", "4\n");
  struct AssetFolder {
    explicit AssetFolder(const std::string& d) { SetAssetDirectory(d); }
    ~AssetFolder() { SetAssetDirectory(""); }
  };
  std::optional<AssetFolder> installed(std::in_place, (dir.Path() / "share").string());

  std::array<std::string, 1> names;
  EXPECT_EQ(ReadTextLines("midi/midi.txt", names, error), 1);
  EXPECT_EQ(names[0], "title.mid");
  EXPECT_TRUE(FileExists("midi/title.mid"));
  std::array<int32_t, 1> values{0};
  std::array<LineState, 1> states{};
  ASSERT_TRUE(ReadIntegerLines("option.txt", values, states, error));
  EXPECT_EQ(values[0], 3);
  ASSERT_TRUE(WriteIntegerLines("option.txt", values, error));
  EXPECT_EQ(ReadFile("share/option.txt"), "4\n") << "a save never goes among the assets";
  installed.reset();
  EXPECT_FALSE(FileExists("midi/title.mid"));
}

}  // namespace
}  // namespace omb
