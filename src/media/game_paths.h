// Where the game's files live.
//
// A game directory - the program beside cg.qda, as the build assembles it in
// build/game/, or any directory given with --dir - holds everything: the
// assets and the player's files. An installed program, PREFIX/bin/ombrezza,
// reads its assets from PREFIX/share/ombrezza and keeps the player's files
// (option.txt, ranking.txt, replay/, screenshots/) in $XDG_DATA_HOME/ombrezza,
// or ~/.local/share/ombrezza.
//
// Every reader and writer names its file as in a game directory. At start the
// program makes the data folder its working directory, so the player's files
// are found where they are named; the assets ("cg.qda", "wave/...", "midi/...")
// are opened through GameFilePath, which puts the asset folder in front of
// them when that is not the working directory.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace omb {

// What the choice of folders depends on: the file system and the environment
// as ProbeLayout finds them.
struct LayoutInputs {
  std::filesystem::path ExeDir;        // the program's own directory, absolute
  std::string DirOption;               // --dir DIR; empty when not given
  bool ExeDirHasAssets = false;        // ExeDir/cg.qda exists
  bool SharedAssetsExist = false;      // ExeDir/../share/ombrezza is a directory
  std::string XdgDataHome;             // $XDG_DATA_HOME, empty when unset
  std::string Home;                    // $HOME, or the password database's
};

struct GameLayout {
  bool Installed = false;
  std::filesystem::path DataDir;   // the player's files: the working directory
  std::filesystem::path AssetDir;  // cg.qda, wave/, midi/
};

// --dir wins; then the program's own directory when it holds cg.qda; then the
// installed layout when ../share/ombrezza is there; else the program's own
// directory, whose missing assets the game reports. False with a reason when
// an installed game has no home for the player's files.
bool ChooseLayout(const LayoutInputs& in, GameLayout& out, std::string& error);

// The inputs of this process; false when the program cannot find itself.
bool ProbeLayout(const std::string& dirOption, LayoutInputs& out, std::string& error);

// Makes the data folder the working directory, creating it first for an
// installed game, and creates replay/ in it; sets the asset folder for
// GameFilePath. Nothing already there is touched. False with a reason when
// the data folder cannot be made or entered; a replay/ that cannot be made
// is only reported, as the game still plays without it.
bool EnterDataDirectory(const GameLayout& layout, std::string& error);

// The folder GameFilePath puts in front of asset names; empty for the
// working directory.
void SetAssetDirectory(std::string_view dir);

// Whether `name` is one of the game's assets rather than a player's file.
bool IsAssetName(std::string_view name);

// The path to open for a file the game names as in a game directory. Builds
// it in place, without allocating, so the music check during play may use it.
class GameFilePath {
 public:
  explicit GameFilePath(const char* name);
  GameFilePath(const GameFilePath&) = delete;
  GameFilePath& operator=(const GameFilePath&) = delete;

  const char* c_str() const { return path_; }

 private:
  const char* path_;
  char buffer_[4096];
};

}  // namespace omb
