// A whole game, headless: THEATER with the shot held from stage 1's first
// frame through the four stages until the all clear. Not drawn, in frames
// per second; drawn, the most expensive frame, and the
// most expensive of the boss fights with the attack it was; and the
// allocations of its play frames. Run it from build/game so the sheets are
// drawn:
//
//   cd build/game && ../bench/game_bench
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench_game.h"
#include "counting_new.h"  // every allocation is counted
#include "scratch_game.h"

namespace omb {
namespace {

InputScript ShotHeld() {
  InputScript s;
  s.Words.assign(60000, 16);
  return s;
}

constexpr int FrameLimit = 60000;

void BM_WholeGameNotDrawn(benchmark::State& state) {
  PlayNotDrawn(state, ShotHeld(), 1, [] { return !AllClear; }, [] { return AllClear; });
}

// The dearest drawn frame of all, and the dearest of the boss fights with the
// attack it was. A stage's first frame writes the last stage's replay file.
void BM_WholeGameDearestDrawnFrame(benchmark::State& state) {
  double dearest = 0, dearestBoss = 0;
  int32_t stage = 0, frame = 0, bossStage = 0, attack = -1;
  for (auto _ : state) {
    BenchGame game(ShotHeld(), ModeTheater);
    for (int k = 0; k < FrameLimit && !AllClear; ++k) {
      const auto start = std::chrono::steady_clock::now();
      game.Frame(true);
      const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
      if (us > dearest) dearest = us, stage = Stage, frame = StageFrame;
      if (BossState.Present && us > dearestBoss) dearestBoss = us, bossStage = Stage, attack = BossState.Attack;
    }
  }
  state.counters["dearest_us"] = dearest;
  state.counters["its_stage"] = stage;
  state.counters["its_stage_frame"] = frame;
  state.counters["dearest_boss_us"] = dearestBoss;
  state.counters["boss_stage"] = bossStage;
  state.counters["boss_attack"] = attack;
}

void BM_WholeGameAllocations(benchmark::State& state) {
  CountPlayAllocations(state, ShotHeld(), 1, [] { return !AllClear; }, [] { return AllClear; });
}

BENCHMARK(BM_WholeGameNotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeGameDearestDrawnFrame)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeGameAllocations)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
