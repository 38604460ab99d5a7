// Stage 4, headless from `--play 4`: one frame of its boss's busiest attack,
// the drone waves, drawn and not drawn; the whole stage to the all clear,
// skipping the drawing; and the allocations of that whole stage. Run from
// the game directory (for example build/game) so the sheets are drawn;
// elsewhere they are blank and only the logic is measured. Either way it
// plays in a scratch copy, leaving the player's files alone.
//
//   cd build/game && ../bench/stage4_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "counting_new.h"  // every allocation is counted
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "scratch_game.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "stage_input.h"

namespace omb {
namespace {

constexpr int32_t Stage4 = 4;
constexpr int32_t DroneWaves = 7;  // the boss's last life

int CountDrones() {
  int n = 0;
  for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) n += j != BossState.Slot;
  return n;
}

// The boss's last life below a third of its gauge, so that its waves are of
// four drones, twenty frames into a wave: every drone firing backward while
// it turns, the ship under the boss firing with the barrier up, and every
// bullet slot and effect slot taken.
void DroneWavesFrame(benchmark::State& state, bool draw) {
  InputScript s;
  s.Words.assign(30000, 16 + 64);  // shot and barrier held
  BenchGame game(std::move(s), ModeTheater, Stage4);
  for (int f = 0; f < 6000 && !BossState.Present; ++f) game.Frame(false);
  // Each life cut short, to the last.
  for (int f = 0; f < 5000 && BossState.Attack != DroneWaves; ++f) {
    if (BossState.Wait == 0) Enemy(BossState.Slot).Hp = 0;
    game.Frame(false);
  }
  Enemy(BossState.Slot).Hp = 2500;
  for (int f = 0; f < 400 && (ObjectTable[BossState.Slot].Age % 160 != 20 || f < 100); ++f) game.Frame(false);
  FillPools(0);
  RepeatMoment(state, game, draw);
  if (BossState.Attack != DroneWaves) state.SkipWithError("the drone waves were not reached");
  state.counters["drones"] = CountDrones();
}

void BM_DroneWavesFrameDrawn(benchmark::State& state) { DroneWavesFrame(state, true); }
void BM_DroneWavesFrameNotDrawn(benchmark::State& state) { DroneWavesFrame(state, false); }

// Stage 4 from its first frame to the end of the all clear, not drawn.
void BM_WholeStage4NotDrawn(benchmark::State& state) {
  PlayNotDrawn(state, WholeStage(), Stage4, [] { return !AllClear; }, [] { return AllClear; });
}

// The whole of stage 4, its boss's seven lives and the end of the game.
void BM_AllocationsInWholeStage4(benchmark::State& state) {
  CountPlayAllocations(state, WholeStage(), Stage4, [] { return GameOverTimer < 100; }, [] { return AllClear; });
}

BENCHMARK(BM_DroneWavesFrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DroneWavesFrameNotDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeStage4NotDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllocationsInWholeStage4)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
