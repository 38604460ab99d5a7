// Stage 3, headless from `--play 3`: one frame of the boss's busiest moment
// drawn and not drawn, the whole stage skipping the drawing, and the
// allocations of the whole stage. Run from the game directory (for example
// build/game) so the sheets are drawn; elsewhere they are blank and only the
// logic is measured. It plays in a scratch copy, leaving the player's files
// alone.
//
//   cd build/game && ../bench/stage3_bench --benchmark_min_time=1
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
#include "scratch_game.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

// Shooting throughout, the barrier taken up and let go in turn so that
// bullets are captured and fired back.
InputScript ShootingAndCapturing() {
  InputScript s;
  for (int k = 0; k < 40000; ++k) s.Words.push_back(k % 101 >= 60 && k % 101 < 100 ? 16 + 64 : 16);
  return s;
}

// The boss's busiest frame, t = 80 of attack 6 in its second life: 135
// bullets at once into a pool that is already full (each one a search of the
// whole pool), every other enemy slot holding a craft of the stage, and the
// effect pool full.
void BossBurst(benchmark::State& state, bool draw) {
  BenchGame game(ShootingAndCapturing(), ModeTheater, 3);
  for (int f = 0; f < 9000 && !BossState.Present; ++f) game.Frame(false);
  Enemy(BossState.Slot).Hp = 0;  // into the second life
  for (int f = 0; f < 60; ++f) game.Frame(false);
  BossState.Attack = 6;
  BossState.Wait = 0;
  BossState.Clock = 80;
  FillPools(6);
  RepeatMoment(state, game, draw);
  if (BossState.Attack != 6) state.SkipWithError("the boss left its curtain");
}

void BM_BossBurstFrameDrawn(benchmark::State& state) { BossBurst(state, true); }
void BM_BossBurstFrameNotDrawn(benchmark::State& state) { BossBurst(state, false); }

// Stage 3 from its first frame to the first frame of stage 4, not drawn.
void BM_WholeStage3NotDrawn(benchmark::State& state) {
  PlayNotDrawn(state, ShootingAndCapturing(), 3, [] { return Stage == 3; }, [] { return Stage == 4; });
}

// Every allocation from the stage's first play frame to stage 4's first.
void BM_AllocationsInStage3(benchmark::State& state) {
  CountPlayAllocations(state, ShootingAndCapturing(), 3, [] { return Stage == 3; }, [] { return Stage == 4; });
}

BENCHMARK(BM_BossBurstFrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BossBurstFrameNotDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeStage3NotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsInStage3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
