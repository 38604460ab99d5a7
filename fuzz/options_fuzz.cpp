// The option file and music list readers: whatever "option.txt" holds, the
// options come out within the ranges play can handle.
#include <stdlib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "media/debuglog.h"
#include "persistence/options.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace {

void Put(const char* path, const uint8_t* data, size_t size) {
  FILE* f = std::fopen(path, "wb");
  if (f == nullptr) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

bool In(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

// The game reads its files from the working directory; the fuzzer's own
// paths are relative to where it was started. Each run steps into a scratch
// directory and back.
int HomeDir = -1, WorkDir = -1;
std::string WorkPath;

void RemoveWorkDir() {
  for (const char* f : {"option.txt", "midi/midi.txt", "midi"}) {
    ::unlinkat(WorkDir, f, f[0] == 'm' && f[4] == '\0' ? AT_REMOVEDIR : 0);
  }
  ::rmdir(WorkPath.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // In memory where there is such a place: the files are written every run.
  std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  dir += "/ombrezza_fuzz_options_XXXXXX";
  HomeDir = ::open(".", O_RDONLY | O_DIRECTORY);
  if (HomeDir < 0 || ::mkdtemp(dir.data()) == nullptr) std::abort();
  WorkDir = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (WorkDir < 0 || ::mkdirat(WorkDir, "midi", 0700) != 0) std::abort();
  WorkPath = dir;
  std::atexit(RemoveWorkDir);
  omb::SetFailureSinkForTests([](std::string_view) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace omb;
  if (::fchdir(WorkDir) != 0) std::abort();
  Put("option.txt", data, size);
  Put("midi/midi.txt", data, size);
  FrameSkip = 1;
  LoadOptions(true);
  if (::fchdir(HomeDir) != 0) std::abort();
  for (const int32_t f : ButtonFunction) {
    if (!In(f, 0, 3)) std::abort();
  }
  if (!In(GameMode, 0, 4) || !In(FrameSkip, 1, 5) || !In(BulletStyle, 0, 4)) std::abort();
  if (FrameSkipOn != (FrameSkip != 1)) std::abort();
  for (const std::string& name : MidiName) {
    if (name.size() > 255) std::abort();  // always fits the music command
  }
  return 0;
}
