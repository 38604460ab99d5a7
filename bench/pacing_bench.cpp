// Frame pacing on the real clock: 1,000 frames of the title screen paced to
// 20 ms as the game paces them, with the periods measured between the ends of
// two waits on a fine clock, and the CPU time the process spends meanwhile.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "media/debuglog.h"
#include "media/pacing.h"
#include "platform/headless/headless_platform.h"
#include "shell/shell.h"
#include "scratch_game.h"

namespace omb {
namespace {

// The headless platform on the wall clock: a monotonic millisecond tick and
// the same sleep the window's platform uses.
class PacedPlatform final : public HeadlessPlatform {
 public:
  uint32_t GetTickCount() override { return MonotonicTicks(); }
  void Idle(uint32_t ms) override { NapFor(ms); }
};

double Seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_PacedFrames(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  PacedPlatform platform;
  ThePlatform = &platform;
  FormCreate();
  ScreenInit();
  ShellEvents sink;
  constexpr int Frames = 1000;
  std::vector<double> periods;
  periods.reserve(Frames);
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    periods.clear();
    LastTick = platform.GetTickCount();
    const double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID), wall0 = Seconds(CLOCK_MONOTONIC);
    double last = wall0;
    for (int k = 0; k < Frames; ++k) {
      platform.PumpEvents(sink);
      IdleFrame();  // ends in FrameWait(20)
      const double now = Seconds(CLOCK_MONOTONIC);
      periods.push_back((now - last) * 1000);
      last = now;
    }
    cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    wall = Seconds(CLOCK_MONOTONIC) - wall0;
  }
  periods.erase(periods.begin());  // the first wait starts at an arbitrary moment
  std::sort(periods.begin(), periods.end());
  state.counters["median_ms"] = periods[periods.size() / 2];
  state.counters["p99_ms"] = periods[periods.size() * 99 / 100];
  state.counters["max_ms"] = periods.back();
  state.counters["cpu_%"] = 100 * cpu / wall;
  FormDestroy();
  ThePlatform = nullptr;
  SetFailureSinkForTests(nullptr);
}

BENCHMARK(BM_PacedFrames)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
