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
  for (int k = 0; FindFree(BulletFirst, BulletLast) != -1; ++k) {
    FirePolar(20 + 23 * (k % 20), 20 + 22 * (k / 20 % 20), 1000, k * 37, 2 + k % 8, 0, 16);
  }
  for (int k = 0; FindFree(EnemyFirst, EnemyLast) != -1; ++k) SpawnEnemy(k % 6, 20 + 15 * k, 100, false);
  while (FindFree(EffectFirst, EffectLast) != -1) Explosion(Random(480), Random(480));
  Moment busiest;
  busiest.Take();
  for (auto _ : state) {
    state.PauseTiming();
    busiest.Put();
    state.ResumeTiming();
    game.Frame(draw);
  }
  state.counters["bullets"] = BulletCount + BonusCount;
  if (BossState.Attack != 6) state.SkipWithError("the boss left its curtain");
}

void BM_BossBurstFrameDrawn(benchmark::State& state) { BossBurst(state, true); }
void BM_BossBurstFrameNotDrawn(benchmark::State& state) { BossBurst(state, false); }

// Stage 3 from its first frame to the first frame of stage 4, not drawn.
void BM_WholeStage3NotDrawn(benchmark::State& state) {
  int64_t frames = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      BenchGame game(ShootingAndCapturing(), ModeTheater, 3);
      state.ResumeTiming();
      while (Stage == 3 && GameState == StatePlay) {
        game.Frame(false);
        ++frames;
      }
      state.PauseTiming();
      if (Stage != 4) state.SkipWithError("the stage was not cleared");
    }
    state.ResumeTiming();
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
  state.counters["frames"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}

// Every play frame of stage 3, its boss, parts and drones, its clear and the
// start of stage 4.
void BM_AllocationsInStage3(benchmark::State& state) {
  long counted = 0;
  for (auto _ : state) {
    BenchGame game(ShootingAndCapturing(), ModeTheater, 3);
    game.Frame(false);
    Allocations = 0;
    CountAllocations = true;
    while (Stage == 3 && GameState == StatePlay) game.Frame(false);
    game.Frame(false);
    CountAllocations = false;
    counted = Allocations;
    if (Stage != 4) state.SkipWithError("the stage was not cleared");
  }
  state.counters["allocations"] = static_cast<double>(counted);
}

BENCHMARK(BM_BossBurstFrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BossBurstFrameNotDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeStage3NotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsInStage3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
