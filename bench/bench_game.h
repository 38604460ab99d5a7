// What the play benchmarks share: a game in this process as the program
// plays it, and a snapshot of what a frame changes, put back before every
// measured frame so that each one is the same moment.
#pragma once
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/player.h"
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

}  // namespace omb
