// Stage 2, headless from `--play 2`: one frame of its boss at its busiest,
// drawn and not drawn, the whole stage skipping the drawing, and the
// allocations of the whole stage. Run from the game directory (for example
// build/game) so the sheets are drawn; elsewhere they are blank and only the
// logic is measured. Either way it plays in a scratch copy, leaving the
// player's files alone.
//
//   cd build/game && ../bench/stage2_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "counting_new.h"  // every allocation is counted
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "platform/headless/headless_platform.h"
#include "scratch_game.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

// The shot held from the first frame to the last: stage 2 is cleared with it.
InputScript ShotHeld(int frames, int32_t word = 16) {
  InputScript s;
  s.Words.assign(frames, word);
  return s;
}

// The boss in its first life with both parts, on the frame that opens
// attack 2 (fifteen aimed pairs from the nose and the first of two streams,
// the most bullets one frame of it fires); the ship under it holding the
// barrier and firing, every bullet slot taken, the other enemy slots filled
// with craft, and the effect pool full.
void BossFight(benchmark::State& state, bool draw) {
  BenchGame game(ShotHeld(20000, 16 + 64), ModeTheater, 2);
  for (int f = 0; f < 12000 && !(BossState.Attack == 2 && BossState.Wait == 0 && BossState.Clock == 0); ++f) {
    game.Frame(false);
  }
  if (BossState.Attack != 2 || BossState.Depletions != 0) state.SkipWithError("the boss never opened attack 2");
  FillPools(7);
  RepeatMoment(state, game, draw);
  state.counters["enemies"] = 30 - (FindFree(EnemyFirst, EnemyLast) == -1 ? 0 : 1);
}

void BM_BossFightFrameDrawn(benchmark::State& state) { BossFight(state, true); }
void BM_BossFightFrameNotDrawn(benchmark::State& state) { BossFight(state, false); }

// Stage 2 from its first frame to the first frame of stage 3, not drawn.
void BM_WholeStageNotDrawn(benchmark::State& state) {
  PlayNotDrawn(state, ShotHeld(20000), 2, [] { return Stage == 2; }, [] { return Stage == 3; });
}

// Every allocation from the stage's first play frame to stage 3's first.
void BM_AllocationsInTheWholeStage(benchmark::State& state) {
  CountPlayAllocations(state, ShotHeld(20000), 2, [] { return Stage == 2; }, [] { return Stage == 3; });
}

BENCHMARK(BM_BossFightFrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BossFightFrameNotDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeStageNotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsInTheWholeStage)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
