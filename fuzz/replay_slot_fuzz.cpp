// Loading a replay slot: the summary, the stage lengths and a stage file all
// come from one input (split at the first two form feeds). Whatever they
// hold, loading and checking the slot stay within the game's tables, and a
// slot said to be playable has its settings in range.
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
#include "persistence/replay.h"
#include "shell/game_vars.h"

namespace {

int HomeDir = -1, WorkDir = -1;
std::string WorkPath;

// Straight through the system: no stream buffer to allocate every run.
void Put(const char* path, std::string_view bytes) {
  const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::close(fd);
}

// The next part of the input, up to a form feed.
std::string_view Next(std::string_view& rest) {
  const std::size_t end = rest.find('\f');
  const std::string_view part = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return part;
}

bool In(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  dir += "/ombrezza_fuzz_replay_XXXXXX";
  HomeDir = ::open(".", O_RDONLY | O_DIRECTORY);
  if (HomeDir < 0 || ::mkdtemp(dir.data()) == nullptr) std::abort();
  WorkDir = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (WorkDir < 0 || ::mkdirat(WorkDir, "replay", 0700) != 0) std::abort();
  WorkPath = dir;
  std::atexit([] {
    for (const char* f : {"replay/Replay5_sys.rep", "replay/Replay5_0.rep", "replay/Replay5_1.rep",
                          "replay/Replay5_2.rep", "replay/Replay5_3.rep", "replay/Replay5_4.rep"}) {
      ::unlinkat(WorkDir, f, 0);
    }
    ::unlinkat(WorkDir, "replay", AT_REMOVEDIR);
    ::rmdir(WorkPath.c_str());
  });
  omb::SetFailureSinkForTests([](std::string_view) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace omb;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  if (::fchdir(WorkDir) != 0) std::abort();
  Put("replay/Replay5_sys.rep", Next(rest));
  Put("replay/Replay5_0.rep", Next(rest));
  const std::string_view stage = Next(rest);
  for (const char* f : {"replay/Replay5_1.rep", "replay/Replay5_2.rep", "replay/Replay5_3.rep",
                        "replay/Replay5_4.rep"}) {
    Put(f, stage);
  }
  LoadReplayInfo(5, true);
  const bool playable = ReplaySlotPlayable(5);
  if (playable) {
    for (const int32_t f : ButtonFunction) {
      if (!In(f, 0, 3)) std::abort();
    }
    if (!In(SubShot, 0, 2) || !In(SpecialWeapon, 0, 2) || !In(GameMode, 0, 4) || !In(BulletStyle, 0, 4)) std::abort();
  }
  ReplaySlot = 5;
  for (Stage = 1; Stage <= 4; ++Stage) LoadStageInput();
  if (::fchdir(HomeDir) != 0) std::abort();
  return 0;
}
