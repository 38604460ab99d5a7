// The integer-line reader: whatever a file holds, every line comes out as a
// 32-bit number or as a reason, and a good line reads back as written.
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "persistence/text_file.h"

namespace {

std::string Path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where there is such a place: the file is written every run.
  std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  dir += "/ombrezza_fuzz_lines_XXXXXX";
  if (::mkdtemp(dir.data()) == nullptr) std::abort();
  Path = dir + "/lines.txt";
  std::atexit([] {
    ::unlink(Path.c_str());
    ::rmdir(Path.substr(0, Path.rfind('/')).c_str());
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = std::fopen(Path.c_str(), "wb");
  if (f == nullptr) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  std::array<int32_t, 40> values{};
  std::array<omb::LineState, 40> states{};
  std::string error;
  if (!omb::ReadIntegerLines(Path.c_str(), values, states, error)) std::abort();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (states[i] != omb::LineState::Good) {
      if (values[i] != 0) std::abort();  // a bad line leaves its value alone
      continue;
    }
    // A good line is the number it reads as, give or take spaces and zeros.
    int32_t again = 1;
    if (omb::ParseInteger(std::to_string(values[i]), again) != omb::LineState::Good || again != values[i]) std::abort();
  }
  return 0;
}
