// Play frames per second, headless, from `--play 1`: the whole frame routine
// with drawing, and with drawing skipped. Run from the game directory (for
// example build/game) so the sheets are drawn; elsewhere the sheets are blank
// and only the logic is measured.
#include <benchmark/benchmark.h>

#include "media/debuglog.h"
#include "platform/headless/headless_platform.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

// Weaving left and right while shooting and using the barrier, for ever.
InputScript Weaving() {
  InputScript s;
  for (int k = 0; k < 20000; ++k) s.Words.push_back((k / 60) % 2 == 0 ? 16 + 1 : 16 + 64 + 4);
  return s;
}

void RunPlay(benchmark::State& state, bool draw) {
  SetFailureSinkForTests([](std::string_view) {});
  HeadlessPlatform platform;
  platform.SetScript(Weaving());
  platform.Sounds.reserve(1 << 20);
  ThePlatform = &platform;
  FormCreate();
  ScreenInit();
  WaitOn = false;
  DirectPlayRequest = {true, 1, 0, 0, 0};
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  // Drawing skipped: only frame 0 of every 2^30 is drawn.
  FrameSkip = draw ? 1 : 1 << 30;
  FrameSkipOn = !draw;
  struct Sink : PlatformEvents {
    void KeyDown(Key) override {}
    void CloseRequested() override {}
  } sink;
  int64_t frames = 0;
  for (auto _ : state) {
    platform.PumpEvents(sink);
    IdleFrame();
    ++frames;
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
  FormDestroy();
  ThePlatform = nullptr;
  SetFailureSinkForTests(nullptr);
}

// From nothing to the first presented frame: the sheets read and expanded
// from the archive, the waves loaded, the tables filled, the title entered
// and drawn.
void BM_StartupToFirstFrame(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  struct Sink : PlatformEvents {
    void KeyDown(Key) override {}
    void CloseRequested() override {}
  } sink;
  for (auto _ : state) {
    HeadlessPlatform platform;
    ThePlatform = &platform;
    FormCreate();
    ScreenInit();
    platform.PumpEvents(sink);
    IdleFrame();
    benchmark::DoNotOptimize(platform.Presents);
    FormDestroy();
  }
  ThePlatform = nullptr;
  SetFailureSinkForTests(nullptr);
}

void BM_PlayFramesDrawn(benchmark::State& state) { RunPlay(state, true); }
void BM_PlayFramesNotDrawn(benchmark::State& state) { RunPlay(state, false); }

BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayFramesDrawn)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayFramesNotDrawn)->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace omb

BENCHMARK_MAIN();
