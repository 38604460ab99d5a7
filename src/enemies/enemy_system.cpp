// The stage script read against the stage clock, spawning, the enemy kinds
// of a stage, and the per-frame enemy update.
#include "enemies/enemies.h"

#include "enemies/script.h"
#include "gameplay/collision.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

int32_t Look() { return Stage >= 1 && Stage <= static_cast<int32_t>(StageLook.size()) ? StageLook[Stage - 1] : 0; }

// The spawn code of each stage look's boss.
constexpr int32_t BossSpawnCode[4] = {4, 9, 8, 5};

// A boss entry is never lost: should all 30 slots be taken, or a hold have
// stopped the reader at its frame, the boss comes on the first frame the
// reader can spawn it. Without it the stage could never end.
bool IsBossEntry(const ScriptEntry& e) {
  const int32_t look = Look();
  return look >= 1 && look <= 4 && e.Time >= 0 && e.Spawn == BossSpawnCode[look - 1];
}

int32_t StageSpawn(int slot, int32_t spawn) {
  switch (Look()) {
    case 1: return Stage1Spawn(slot, spawn);
    case 2: return Stage2Spawn(slot, spawn);
    case 3: return Stage3Spawn(slot, spawn);
    case 4: return Stage4Spawn(slot, spawn);
    default:
      ObjectTable[slot].Kind = 0;
      return 0;
  }
}

void StageBehaviour(int slot) {
  switch (Stage) {
    case 1: Stage1Behaviour(slot); break;
    case 2: Stage2Behaviour(slot); break;
    case 3: Stage3Behaviour(slot); break;
    case 4: Stage4Behaviour(slot); break;
    default: break;
  }
}

// A large enemy below 1000 Hp smokes every sixth frame of its age, from a
// random point of its picture's box widened by 16 pixels on each side.
void Smoke(int slot) {
  const EnemyRecord& e = Enemy(slot);
  if (!e.Smokes || e.Hp >= 1000 || EnemyAge % 6 != 0) return;
  const SpriteRegister& s = Sprites.Sprite(slot);
  const int32_t y = RandomFrom(Sprites.DrawHeight(slot) + 32, s.Y - 16);
  const int32_t x = RandomFrom(Sprites.DrawWidth(slot) + 32, s.X - 16);
  EmitSmoke(x, y);
}

}  // namespace

void ResetBossState() { BossState = BossStateRecord{}; }

void ResetEnemies() {
  EnemyTable.fill(EnemyRecord{});
  EnemyKinds.fill(EnemyKind{});
  ResetBossState();
  SpawnArgs.fill(0);
  EnemyAge = 0;
}

void RunStageScript() {
  if (ScriptHold) {
    ScriptHold = false;  // a holding enemy sets it again next frame if alive
    return;
  }
  while (ScriptPos >= 0 && ScriptPos < ScriptCapacity) {
    const ScriptEntry& e = StageScript[ScriptPos];
    const int32_t time = e.Time;
    if (time == StageFrame || (time < StageFrame && IsBossEntry(e))) {
      const int slot = SpawnEnemy(e.Spawn, e.X, e.Y, false);
      if (slot == -1 && IsBossEntry(e)) return;  // again next frame
      ++ScriptPos;
    } else if (time == ScriptWarning) {
      ShowBanner(BannerWarning, 200);
      ++ScriptPos;
    } else if (time == ScriptEnd || time > StageFrame) {
      return;
    } else {
      ++ScriptPos;  // its frame passed during a hold: dropped, not delayed
    }
  }
}

int SpawnEnemy(int32_t spawn, int32_t x, int32_t y, bool fromTop) {
  const int slot = fromTop ? FindFreeFromTop(EnemyFirst, EnemyLast) : FindFree(EnemyFirst, EnemyLast);
  if (slot == -1) return -1;
  Activate(slot, x, y);
  EnemyRecord& e = Enemy(slot);
  e.Phase = 0;
  e.Bounty = 0;
  e.Work.fill(0);
  ApplyEnemyKind(slot, StageSpawn(slot, spawn));
  if (slot == BossState.Slot) {
    BossState.GaugeHp = e.Hp;
    BossState.GaugeShown = 0;
    BossState.Clock = -1;
    BossState.Aux1 = 0;
    BossState.Loops = 0;
    e.Bounty = e.Hp;
    e.Smokes = false;
    PlayMidi(2 * Stage);  // the boss's tune
  }
  return slot;
}

void ApplyEnemyKind(int slot, int32_t kind) {
  // A kind the stage does not define is the empty one.
  const EnemyKind k = kind >= 0 && kind < EnemyKindCapacity ? EnemyKinds[kind] : EnemyKind{};
  SpriteRegister& s = Sprites.Sprite(slot);
  s.Shape = k.Shape;
  s.FirstFrame = k.FirstFrame;
  s.LastFrame = k.LastFrame;
  s.PingPong = k.PingPong;
  ObjectTable[slot].HitScale = k.HitScale;
  EnemyRecord& e = Enemy(slot);
  e.Hp = k.Hp;
  e.ExplosionSize = k.ExplosionSize;
  e.AnimEvery = k.AnimEvery;
  e.Smokes = k.Hp >= 1000;
}

void SetEnemyTag(int slot, int32_t variant) { Enemy(slot).Variant = variant; }

void UpdateEnemies() {
  for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) {
    Move(j);
    ClipToField(j);  // a released enemy still acts this frame
    Accelerate(j);
    LastHitX = CenterX(j);
    LastHitY = CenterY(j);
    EnemyAge = ObjectTable[j].Age;
    Smoke(j);
    StageBehaviour(j);
    // The age is read again: a behaviour may have restarted it. A tilting
    // behaviour has set the frame already; the step applies on top.
    const int32_t every = Enemy(j).AnimEvery;
    if (every > 0 && ObjectTable[j].Age % every == 0) Sprites.NextFrame(j);
  }
}

void BuildEnemyKinds() {
  const int32_t look = Look();
  EnemyKinds.fill(EnemyKind{});
  if (look < 1 || look > 4) return;
  for (int slot = 7; slot <= 9; ++slot) LoadSheet(slot, StageSheetImages[look - 1][slot - 7]);
  CutShapes(StageShapeRuns(look));
  const auto kinds = StageKinds(look);
  for (std::size_t k = 0; k < kinds.size(); ++k) EnemyKinds[k] = kinds[k];
}

}  // namespace omb
