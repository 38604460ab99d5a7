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

// An installed program with a home and an XDG_DATA_HOME.
LayoutInputs Installed() {
  LayoutInputs in;
  in.ExeDir = "/opt/omb/bin";
  in.SharedAssetsExist = true;
  in.XdgDataHome = "/home/p/data";
  in.Home = "/home/p";
  return in;
}

TEST(ChooseLayoutTest, AGameDirectoryHoldsEverything) {
  GameLayout layout;
  std::string error;
  LayoutInputs in = Installed();
  in.ExeDirHasAssets = true;  // build/game/: the program beside cg.qda
  ASSERT_TRUE(ChooseLayout(in, layout, error));
  EXPECT_FALSE(layout.Installed);
  EXPECT_EQ(layout.DataDir, fs::path("/opt/omb/bin"));
  EXPECT_EQ(layout.AssetDir, layout.DataDir);

  in = Installed();
  in.DirOption = "games/here";  // --dir wins over an installation
  ASSERT_TRUE(ChooseLayout(in, layout, error));
  EXPECT_FALSE(layout.Installed);
  EXPECT_EQ(layout.DataDir, fs::path("games/here"));
  EXPECT_EQ(layout.AssetDir, layout.DataDir);

  // No assets anywhere: the program's own directory, as before installations.
  in = Installed();
  in.SharedAssetsExist = false;
  ASSERT_TRUE(ChooseLayout(in, layout, error));
  EXPECT_FALSE(layout.Installed);
  EXPECT_EQ(layout.DataDir, fs::path("/opt/omb/bin"));
}

TEST(ChooseLayoutTest, AnInstalledGameReadsTheSharedAssetsAndKeepsThePlayersFilesInTheirDataHome) {
  GameLayout layout;
  std::string error;
  ASSERT_TRUE(ChooseLayout(Installed(), layout, error)) << error;
  EXPECT_TRUE(layout.Installed);
  EXPECT_EQ(layout.AssetDir, fs::path("/opt/omb/share/ombrezza"));
  EXPECT_EQ(layout.DataDir, fs::path("/home/p/data/ombrezza"));

  // An unset, empty or relative XDG_DATA_HOME falls back on the home's.
  for (const char* xdg : {"", "data", "./data"}) {
    LayoutInputs in = Installed();
    in.XdgDataHome = xdg;
    ASSERT_TRUE(ChooseLayout(in, layout, error)) << xdg;
    EXPECT_EQ(layout.DataDir, fs::path("/home/p/.local/share/ombrezza")) << '"' << xdg << '"';
    EXPECT_EQ(layout.AssetDir, fs::path("/opt/omb/share/ombrezza"));
  }

  // With neither, there is no place for the player's files.
  LayoutInputs in = Installed();
  in.XdgDataHome = "";
  in.Home = "";
  EXPECT_FALSE(ChooseLayout(in, layout, error));
  EXPECT_NE(error.find("HOME"), std::string::npos) << error;
  in.Home = "relative/home";
  error.clear();
  EXPECT_FALSE(ChooseLayout(in, layout, error));
  EXPECT_FALSE(error.empty());
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
  EXPECT_EQ(std::string(GameFilePath("cg.qda").c_str()), assets + "/cg.qda");
  EXPECT_EQ(std::string(GameFilePath("wave/hit01.wav").c_str()), assets + "/wave/hit01.wav");
  EXPECT_EQ(std::string(GameFilePath("midi/midi.txt").c_str()), assets + "/midi/midi.txt");
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
