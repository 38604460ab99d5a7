#include "generated.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace assetgen_test {
namespace {

std::vector<std::filesystem::path>& Scratch() {
  static std::vector<std::filesystem::path> dirs;
  static bool registered = [] {
    std::atexit([] {
      std::error_code ec;
      for (auto& d : Scratch()) std::filesystem::remove_all(d, ec);
    });
    return true;
  }();
  (void)registered;
  return dirs;
}

std::filesystem::path Binary() {
  if (const char* dir = std::getenv("OMBREZZA_BINARY_DIR"))
    return std::filesystem::path(dir) / "tools" / "assetgen" / "assetgen";
  // Without the variable: the test program lives in BUILD/tests.
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return self.parent_path().parent_path() / "tools" / "assetgen" / "assetgen";
}

}  // namespace

std::filesystem::path ScratchDir(const std::string& tag) {
  std::string pattern = (std::filesystem::temp_directory_path() / ("assetgen-" + tag + "-XXXXXX")).string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const char* made = mkdtemp(buf.data());
  if (!made) return {};
  Scratch().push_back(made);
  return made;
}

int RunAssetgen(const std::string& args) {
  std::string cmd = "'" + Binary().string() + "' " + args;
  int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::filesystem::path& GameDir() {
  static std::filesystem::path dir = [] {
    std::filesystem::path d = ScratchDir("game");
    if (d.empty() || RunAssetgen("--out '" + d.string() + "'") != 0) return std::filesystem::path();
    return d;
  }();
  if (dir.empty())
    ADD_FAILURE() << "could not run " << Binary() << " (is the assetgen target built?)";
  return dir;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace assetgen_test
