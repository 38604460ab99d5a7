// Replay verification, as `ombrezza --headless --verify-replay 0` does it,
// start-up included: of a THEATER game recorded live from stage 1's first
// frame until stage 2 has begun, and of a whole game to the all clear. Run it
// from build/game/.
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

// Plays from `--play 1` in THEATER until `done` holds, ends the game as the
// result screen would and saves it into slot 0; returns the frames recorded.
template <class Done>
int32_t Record(InputScript input, Done done) {
  HeadlessPlatform platform;
  platform.SetScript(std::move(input));
  ThePlatform = &platform;
  FormCreate();
  ScreenInit();
  WaitOn = false;
  SkipDrawing = true;
  DirectPlayRequest = {true, 1, SubWave, SpecialLaser, ModeTheater};
  ShellEvents sink;
  for (int k = 0; k < 60000 && !done(); ++k) {
    platform.PumpEvents(sink);
    IdleFrame();
  }
  // The game ends here, as if a press had led to the result screen.
  int32_t frames = ReplayFrame;
  for (int32_t s = 1; s < Stage; ++s) frames += ReplayStageLength[s];
  GameState = StateResult;
  EnterState(StateResult);
  SaveReplay(0);
  FormDestroy();
  ThePlatform = nullptr;
  return frames;
}

void Verify(benchmark::State& state, int32_t frames) {
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
}

// Stage 1 from its first frame until stage 2 has begun.
void BM_VerifyReplayOfStageOne(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  Verify(state, Record(WholeStage(), [] { return Stage > 1; }));
  SetFailureSinkForTests(nullptr);
}

// Four stages, the shot held from stage 1 until the all clear.
void BM_VerifyReplayOfAWholeGame(benchmark::State& state) {
  SetFailureSinkForTests([](std::string_view) {});
  InputScript shot;
  shot.Words.assign(60000, 16);
  Verify(state, Record(std::move(shot), [] { return AllClear; }));
  SetFailureSinkForTests(nullptr);
}

BENCHMARK(BM_VerifyReplayOfStageOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyReplayOfAWholeGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omb

OMBREZZA_BENCHMARK_MAIN()
