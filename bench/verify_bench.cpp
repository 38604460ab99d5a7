// Replay verification of a whole stage-1 game: a THEATER game recorded live
// from the first frame until stage 2 has begun, saved into slot 0, then
// played back and checked as `ombrezza --headless --verify-replay 0` does,
// start-up included. Run it from build/game/.
#include <benchmark/benchmark.h>

#include <string>

#include "app/verify.h"
#include "media/debuglog.h"
#include "persistence/replay.h"
#include "platform/headless/headless_platform.h"
#include "stage_input.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "scratch_game.h"

namespace omb {
namespace {

// Plays stage 1 to its end and saves the game into slot 0; returns its
// recorded frames.
int32_t RecordStageOne() {
  HeadlessPlatform platform;
  platform.SetScript(WholeStage());
  ThePlatform = &platform;
  FormCreate();
  ScreenInit();
  WaitOn = false;
  SkipDrawing = true;
  DirectPlayRequest = {true, 1, SubWave, SpecialLaser, ModeTheater};
  ShellEvents sink;
  for (int k = 0; k < 20000 && Stage == 1; ++k) {
    platform.PumpEvents(sink);
    IdleFrame();
  }
  // The game ends here, as if the result screen had been reached.
  const int32_t frames = ReplayFrame;
  GameState = PrevGameState = StateResult;
  EnterState(StateResult);
  SaveReplay(0);
  FormDestroy();
  ThePlatform = nullptr;
  return ReplayStageLength[1] + frames;
}

void BM_VerifyReplayOfStageOne(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  const int32_t frames = RecordStageOne();
  int status = -1;
  for (auto _ : state) {
    ResetAllVariables();
    HeadlessPlatform platform;
    ThePlatform = &platform;
    status = VerifyReplay(0);
    ThePlatform = nullptr;
  }
  if (status != 0) state.SkipWithError("the replay did not verify");
  state.counters["frames"] = frames;
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
  SetFailureSinkForTests(nullptr);
}

BENCHMARK(BM_VerifyReplayOfStageOne)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
