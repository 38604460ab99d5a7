// Play frames, headless, from `--play 1`: start-up, whole frames drawn and not
// drawn, one frame of the stage 1 boss fight at its busiest, a whole stage
// skipping the drawing, and the allocations of 10,000 play frames. Run from
// the game directory (for example build/game) so the sheets are drawn;
// elsewhere they are blank and only the logic is measured. Either way it
// plays in a scratch copy, leaving the player's files alone.
//
//   cd build/game && ../bench/play_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include <string>

#include "counting_new.h"  // every allocation is counted
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "media/debuglog.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "platform/headless/headless_platform.h"
#include "stage_input.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "bench_game.h"
#include "scratch_game.h"

namespace omb {
namespace {

// Weaving left and right while shooting and using the barrier, for ever.
InputScript Weaving() {
  InputScript s;
  for (int k = 0; k < 40000; ++k) s.Words.push_back((k / 60) % 2 == 0 ? 16 + 1 : 16 + 64 + 4);
  return s;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  ShellEvents sink;
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

void RunWeaving(benchmark::State& state, bool draw) {
  BenchGame game(Weaving(), ModeTheater);
  int64_t frames = 0;
  for (auto _ : state) {
    game.Frame(draw);
    ++frames;
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}

void BM_PlayFramesDrawn(benchmark::State& state) { RunWeaving(state, true); }
void BM_PlayFramesNotDrawn(benchmark::State& state) { RunWeaving(state, false); }

// The boss of stage 1 in its second life, the ship under it holding the
// barrier and firing, every bullet slot taken, the other 29 enemy slots
// filled with craft and large craft, and the effect pool full.
void BossFight(benchmark::State& state, bool draw) {
  InputScript s;
  s.Words.assign(20000, 16 + 64);  // shot and barrier held
  BenchGame game(std::move(s), ModeTheater);
  for (int f = 0; f < 2600 && !BossState.Present; ++f) game.Frame(false);
  Enemy(BossState.Slot).Hp = 0;  // into the second life, the busiest
  for (int f = 0; f < 60; ++f) game.Frame(false);
  FillPools(4);
  RepeatMoment(state, game, draw);
  state.counters["enemies"] = 30 - (FindFree(EnemyFirst, EnemyLast) == -1 ? 0 : 1);
}

void BM_BossFightFrameDrawn(benchmark::State& state) { BossFight(state, true); }
void BM_BossFightFrameNotDrawn(benchmark::State& state) { BossFight(state, false); }

// Stage 1 from its first frame to the first frame of stage 2, not drawn.
void BM_WholeStageNotDrawn(benchmark::State& state) {
  PlayNotDrawn(state, WholeStage(), 1, [] { return Stage == 1; }, [] { return Stage == 2; });
}

// 10,000 play frames from the start of a game: stage 1 with its boss, the
// stage's clear and the start of stage 2.
void BM_AllocationsIn10000PlayFrames(benchmark::State& state) {
  int frames = 0;
  CountPlayAllocations(state, WholeStage(), 1, [&] { return ++frames <= 10000; }, [] { return Stage >= 2; });
}

BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayFramesDrawn)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayFramesNotDrawn)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BossFightFrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BossFightFrameNotDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeStageNotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsIn10000PlayFrames)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
