// Which folders the game reads its assets from and keeps the player's files
// in, and what the first start of an installed game makes.
#include "media/game_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_dir.h"

namespace omb {
namespace {

namespace fs = std::filesystem;

TEST(ChooseLayoutTest, GameDirectoriesHoldEverythingAndInstallationsKeepThePlayersFilesInTheirDataHome) {
  const char* const bin = "/opt/omb/bin";
  const char* const share = "/opt/omb/share/ombrezza";
  const char* const local = "/home/p/.local/share/ombrezza";
  const struct {
    const char* Dir;  // --dir
    bool ExeDirHasAssets, SharedAssetsExist;
    const char *Xdg, *Home;
    bool Installed;
    const char *DataDir, *AssetDir;  // null when no layout is chosen
  } cases[] = {
      {"", true, true, "/home/p/data", "/home/p", false, bin, bin},  // build/game/: beside cg.qda
      {"games/here", false, true, "/home/p/data", "/home/p", false, "games/here", "games/here"},  // --dir wins
      {"", false, false, "/home/p/data", "/home/p", false, bin, bin},  // no assets anywhere
      {"", false, true, "/home/p/data", "/home/p", true, "/home/p/data/ombrezza", share},
      // An unset, empty or relative XDG_DATA_HOME falls back on the home's.
      {"", false, true, "", "/home/p", true, local, share},
      {"", false, true, "data", "/home/p", true, local, share},
      {"", false, true, "./data", "/home/p", true, local, share},
      // With neither, there is no place for the player's files.
      {"", false, true, "", "", true, nullptr, nullptr},
      {"", false, true, "", "relative/home", true, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Dir << ", xdg " << c.Xdg << ", home " << c.Home);
    const LayoutInputs in{bin, c.Dir, c.ExeDirHasAssets, c.SharedAssetsExist, c.Xdg, c.Home};
    GameLayout layout;
    std::string error;
    ASSERT_EQ(ChooseLayout(in, layout, error), c.DataDir != nullptr);
    if (c.DataDir == nullptr) {
      EXPECT_NE(error.find("HOME"), std::string::npos) << error;
      continue;
    }
    EXPECT_EQ(layout.Installed, c.Installed);
    EXPECT_EQ(layout.DataDir, fs::path(c.DataDir));
    EXPECT_EQ(layout.AssetDir, fs::path(c.AssetDir));
  }
}

class DataDirectoryTest : public ::testing::Test {
 protected:
  void TearDown() override { SetAssetDirectory(""); }
  ScratchDirectory scratch;
  std::string error;
};

TEST_F(DataDirectoryTest, TheFirstStartMakesThePlayersFolderAndLaterStartsKeepWhatIsInIt) {
  const fs::path root = scratch.Path();
  GameLayout layout{true, root / "xdg" / "ombrezza", root / "share" / "ombrezza"};
  ASSERT_TRUE(EnterDataDirectory(layout, error)) << error;
  EXPECT_EQ(fs::current_path(), layout.DataDir);
  EXPECT_TRUE(fs::is_directory(layout.DataDir / "replay"));

  WriteFile("option.txt", "1\r\n");
  WriteFile("replay/replay0.txt", "2\r\n");
  fs::current_path(root);
  ASSERT_TRUE(EnterDataDirectory(layout, error)) << error;
  EXPECT_EQ(ReadFile("option.txt"), "1\r\n");
  EXPECT_EQ(ReadFile("replay/replay0.txt"), "2\r\n");
  EXPECT_FALSE(fs::exists(layout.AssetDir)) << "nothing is made among the assets";
}

TEST_F(DataDirectoryTest, AGameDirectoryThatIsNotThereIsNotMade) {
  const fs::path missing = scratch.Path() / "nowhere";
  GameLayout layout{false, missing, missing};
  EXPECT_FALSE(EnterDataDirectory(layout, error));
  EXPECT_NE(error.find("nowhere"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(fs::current_path(), scratch.Path());
}

TEST_F(DataDirectoryTest, OnlyAssetNamesAreOpenedFromTheAssetFolder) {
  const fs::path root = scratch.Path();
  GameLayout installed{true, root / "data", root / "share" / "ombrezza"};
  ASSERT_TRUE(EnterDataDirectory(installed, error)) << error;
  const std::string assets = (root / "share" / "ombrezza").string();
  for (const char* asset : {"cg.qda", "wave/hit01.wav", "midi/midi.txt"})
    EXPECT_EQ(std::string(GameFilePath(asset).c_str()), assets + "/" + asset);
  for (const char* own : {"option.txt", "ranking.txt", "replay/replay3.txt", "screenshots/a.png", "cg.qda.tmp",
                          "/abs/cg.qda", "midi"}) {
    EXPECT_STREQ(GameFilePath(own).c_str(), own);
  }

  // A game directory reads its assets where it runs.
  GameLayout portable{false, root, root};
  ASSERT_TRUE(EnterDataDirectory(portable, error)) << error;
  EXPECT_STREQ(GameFilePath("cg.qda").c_str(), "cg.qda");
  EXPECT_STREQ(GameFilePath("midi/title.mid").c_str(), "midi/title.mid");

  // A folder too long to put in front leaves the name as it is.
  SetAssetDirectory("/" + std::string(5000, 'a'));
  EXPECT_STREQ(GameFilePath("cg.qda").c_str(), "cg.qda");
}

}  // namespace
}  // namespace omb
