// A fresh empty directory made the working directory while it lives. The game
// reads and writes "option.txt" and its other files where it runs, and test
// programs that run side by side must not share them.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace omb {

class ScratchDirectory {
 public:
  ScratchDirectory() : old_(std::filesystem::current_path()) {
    std::string name = (std::filesystem::temp_directory_path() / "ombrezza_test_XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::filesystem::filesystem_error("mkdtemp", std::error_code());
    path_ = name;
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path old_, path_;
};

// A whole file's bytes in and out.
inline void WriteFile(const char* path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
inline std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace omb
