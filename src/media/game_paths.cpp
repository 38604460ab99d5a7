#include "media/game_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace omb {
namespace fs = std::filesystem;
namespace {

constexpr const char* GameName = "ombrezza";

// Set once at start; read by every asset open.
std::string AssetDirectory;

std::string Environment(const char* name) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string() : std::string(v);
}

std::string HomeFromPasswordDatabase() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
      found->pw_dir == nullptr) {
    return {};
  }
  return found->pw_dir;
}

}  // namespace

bool ChooseLayout(const LayoutInputs& in, GameLayout& out, std::string& error) {
  out = GameLayout{};
  if (!in.DirOption.empty() || in.ExeDirHasAssets || !in.SharedAssetsExist) {
    out.DataDir = in.DirOption.empty() ? in.ExeDir : fs::path(in.DirOption);
    out.AssetDir = out.DataDir;
    return true;
  }
  out.Installed = true;
  out.AssetDir = (in.ExeDir / ".." / "share" / GameName).lexically_normal();
  // A relative XDG_DATA_HOME is to be ignored, as is one that is empty.
  const fs::path xdg(in.XdgDataHome);
  const fs::path home(in.Home);
  if (xdg.is_absolute()) {
    out.DataDir = xdg / GameName;
  } else if (home.is_absolute()) {
    out.DataDir = home / ".local" / "share" / GameName;
  } else {
    error = "no folder for the player's files: set HOME or XDG_DATA_HOME to an absolute path";
    return false;
  }
  return true;
}

bool ProbeLayout(const std::string& dirOption, LayoutInputs& out, std::string& error) {
  out = LayoutInputs{};
  out.DirOption = dirOption;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.parent_path().empty()) {
    error = "cannot find the program's own directory: " + (ec ? ec.message() : exe.string());
    return false;
  }
  out.ExeDir = exe.parent_path();
  out.ExeDirHasAssets = fs::exists(out.ExeDir / "cg.qda", ec);
  out.SharedAssetsExist = fs::is_directory(out.ExeDir / ".." / "share" / GameName, ec);
  out.XdgDataHome = Environment("XDG_DATA_HOME");
  out.Home = Environment("HOME");
  if (out.Home.empty()) out.Home = HomeFromPasswordDatabase();
  return true;
}

bool EnterDataDirectory(const GameLayout& layout, std::string& error) {
  std::error_code ec;
  if (layout.Installed) {
    fs::create_directories(layout.DataDir, ec);
    if (ec) {
      error = "cannot create the folder for the player's files " + layout.DataDir.string() + ": " + ec.message();
      return false;
    }
  }
  // An installed game's asset folder is absolute already; a game directory's
  // is the working directory.
  SetAssetDirectory(layout.AssetDir == layout.DataDir ? std::string() : fs::absolute(layout.AssetDir).string());
  if (chdir(layout.DataDir.c_str()) != 0) {
    error = std::string(layout.Installed ? "cannot enter the folder for the player's files " : "cannot enter the game directory ") +
            layout.DataDir.string();
    return false;
  }
  fs::create_directories("replay", ec);
  if (ec) std::fprintf(stderr, "ombrezza: cannot create replay/: %s\n", ec.message().c_str());
  return true;
}

void SetAssetDirectory(std::string_view dir) {
  AssetDirectory.assign(dir);
  while (AssetDirectory.size() > 1 && AssetDirectory.back() == '/') AssetDirectory.pop_back();
}

bool IsAssetName(std::string_view name) {
  return name == "cg.qda" || name.starts_with("wave/") || name.starts_with("midi/");
}

GameFilePath::GameFilePath(const char* name) : path_(name) {
  if (AssetDirectory.empty() || !IsAssetName(name)) return;
  const int n = std::snprintf(buffer_, sizeof buffer_, "%s/%s", AssetDirectory.c_str(), name);
  // A path too long to open is left as the bare name, which then is not found
  // and is reported as missing.
  if (n > 0 && static_cast<size_t>(n) < sizeof buffer_) path_ = buffer_;
}

}  // namespace omb
