// The bullet pool at its fullest: UpdateBullets over 400 bullets, and one
// whole play frame (ship held firing, shots, bullets) with the pool full.
//
//   build/bench/bullets_bench --benchmark_min_time=1
#include <benchmark/benchmark.h>

#include <string_view>

#include "gameplay/player.h"
#include "media/debuglog.h"
#include "objects/bullets.h"
#include "objects/objects.h"
#include "platform/headless/headless_platform.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "scratch_game.h"

namespace {

using namespace omb;

// 400 bullets on a 20 x 20 grid over the field, every type from 2 to 9, each
// turning on a small circle so that none ever leaves: the pool stays full
// however long the benchmark runs.
void FillPool() {
  for (int k = 0; k < 400; ++k) {
    FirePolar(40 + 20 * (k % 20), 40 + 20 * (k / 20), 1000, k * 37, 2 + k % 8, 0, 16);
  }
}

int LiveBullets() {
  int n = 0;
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) ++n;
  return n;
}

void BM_UpdateBullets_FullPool(benchmark::State& state) {
  ResetAllVariables();
  Sprites.Create();
  LoadShapes();
  FillPool();
  for (auto _ : state) {
    UpdateBullets();
    benchmark::DoNotOptimize(BulletCount);
  }
  state.counters["bullets"] = LiveBullets();
}
BENCHMARK(BM_UpdateBullets_FullPool);

void BM_PlayFrame_FullPool(benchmark::State& state) {
  // A game entered on stage 1 as `--play 1` does it; no game directory, so
  // the sheets and waves are missing, which costs a play frame nothing.
  HeadlessPlatform platform;
  ThePlatform = &platform;
  SetFailureSinkForTests([](std::string_view) {});
  FormCreate();
  ScreenInit();
  DirectPlayRequest = {true, 1, SubWave, SpecialLaser, ModeTheater};  // the ship lives on
  IdleFrame();
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  FillPool();
  for (auto _ : state) {
    PadNow = 16;  // the shot button held: a volley every fourth frame
    PlayFrame();
  }
  state.counters["bullets"] = LiveBullets();
  state.counters["state"] = GameState;
  FormDestroy();
  ThePlatform = nullptr;
  SetFailureSinkForTests(nullptr);
}
BENCHMARK(BM_PlayFrame_FullPool);

}  // namespace

OMBREZZA_BENCHMARK_MAIN()
