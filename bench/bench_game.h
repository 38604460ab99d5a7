// What the play benchmarks share: a game in this process as the program
// plays it, and a snapshot of what a frame changes, put back before every
// measured frame so that each one is the same moment.
#pragma once
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "counting_new.h"  // every allocation is counted
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "gameplay/player.h"
#include "objects/bullets.h"
#include "media/debuglog.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "platform/headless/headless_platform.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {

// A game started as `--play STAGE --mode N` would start it, paced by nothing.
class BenchGame {
 public:
  BenchGame(InputScript script, int32_t mode, int32_t stage = 1) {
    SetFailureSinkForTests([](std::string_view) {});
    platform.SetScript(std::move(script));
    platform.Sounds.reserve(1 << 20);
    ThePlatform = &platform;
    FormCreate();
    ScreenInit();
    WaitOn = false;
    DirectPlayRequest = {true, stage, SubWave, SpecialLaser, mode};
    Frame();
  }
  ~BenchGame() {
    FormDestroy();
    ThePlatform = nullptr;
    SetFailureSinkForTests(nullptr);
  }
  void Frame(bool draw = true) {
    platform.PumpEvents(sink);
    SkipDrawing = !draw;
    IdleFrame();
  }

  HeadlessPlatform platform;
  ShellEvents sink;
};

// What a frame changes, put back before every measured frame so that each
// one is the same busiest moment.
struct Moment {
  std::array<ObjectRecord, ObjectCount> Objects;
  SpriteManager Registers;
  std::array<EnemyRecord, 30> EnemyRecords;
  BossStateRecord Boss;
  PlayerRecord Ship;
  BombRecord Bomb;
  std::array<int32_t, 6> Args;
  uint32_t Seed;
  int32_t Frame, Stage, Clock, Barrier, Orbit, Pods, Meter, Volleys, Shield, Popups;

  void Take() {
    Objects = ObjectTable;
    Registers = Sprites;
    EnemyRecords = EnemyTable;
    Boss = BossState;
    Ship = Player;
    Bomb = Bombs;
    Args = SpawnArgs;
    Seed = RandSeed;
    Frame = FrameCount, Stage = StageFrame, Clock = BossState.Clock, Barrier = BarrierSize, Orbit = OrbitAngle;
    Pods = PodAngle, Meter = ShotMeter, Volleys = ShotFrame, Shield = Invuln, Popups = PopupCursor;
  }
  void Put() const {
    ObjectTable = Objects;
    Sprites = Registers;
    EnemyTable = EnemyRecords;
    BossState = Boss;
    Player = Ship;
    Bombs = Bomb;
    SpawnArgs = Args;
    RandSeed = Seed;
    FrameCount = Frame, StageFrame = Stage, BarrierSize = Barrier, OrbitAngle = Orbit;
    PodAngle = Pods, ShotMeter = Meter, ShotFrame = Volleys, Invuln = Shield, PopupCursor = Popups;
  }
};

// Every bullet slot, the free enemy slots (craft of spawn codes 0 to
// codes - 1; none when codes is 0) and every effect slot taken.
inline void FillPools(int32_t codes) {
  for (int k = 0; FindFree(BulletFirst, BulletLast) != -1; ++k) {
    FirePolar(20 + 23 * (k % 20), 20 + 22 * (k / 20 % 20), 1000, k * 37, 2 + k % 8, 0, 16);
  }
  for (int k = 0; codes > 0 && FindFree(EnemyFirst, EnemyLast) != -1; ++k) {
    SpawnEnemy(k % codes, 20 + 15 * k, 100, false);
  }
  while (FindFree(EffectFirst, EffectLast) != -1) Explosion(Random(480), Random(480));
}

// Each iteration runs one frame from the same moment: the one at hand.
inline void RepeatMoment(benchmark::State& state, BenchGame& game, bool draw) {
  Moment moment;
  moment.Take();
  for (auto _ : state) {
    state.PauseTiming();
    moment.Put();
    state.ResumeTiming();
    game.Frame(draw);
  }
  state.counters["bullets"] = BulletCount + BonusCount;
}

// A game from `--play stage` in THEATER, not drawn, while `going` holds:
// frames per second (the start-up is not timed). Fails unless `reached`
// holds after it.
template <class Going, class Reached>
void PlayNotDrawn(benchmark::State& state, const InputScript& input, int32_t stage, Going going, Reached reached) {
  int64_t frames = 0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      BenchGame game(input, ModeTheater, stage);
      state.ResumeTiming();
      for (; going() && GameState == StatePlay; ++frames) game.Frame(false);
      state.PauseTiming();
      if (!reached()) state.SkipWithError("the game did not get where it should");
    }
    state.ResumeTiming();
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
  state.counters["frames"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}

// The allocations of such a game from its first play frame.
template <class Going, class Reached>
void CountPlayAllocations(benchmark::State& state, const InputScript& input, int32_t stage, Going going,
                          Reached reached) {
  long counted = 0;
  for (auto _ : state) {
    BenchGame game(input, ModeTheater, stage);
    game.Frame(false);
    Allocations = 0;
    CountAllocations = true;
    while (going() && GameState == StatePlay) game.Frame(false);
    CountAllocations = false;
    counted = Allocations;
    if (!reached()) state.SkipWithError("the game did not get where it should");
  }
  state.counters["allocations"] = static_cast<double>(counted);
}

}  // namespace omb
