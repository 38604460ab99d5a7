// The stage script read against the stage clock, spawning, the enemy kinds
// of a stage, and the per-frame enemy update.
#include "enemies/enemies.h"

#include "enemies/boss.h"
#include "enemies/script.h"
#include "enemies/stages.h"
#include "gameplay/collision.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/start_values.h"

namespace omb {
namespace {

// Every script closes with its boss right before the end marker. A boss
// entry is never lost: should all 30 slots be taken, or a hold have stopped
// the reader at its frame, the boss comes on the first frame the reader can
// spawn it. Without it the stage could never end.
bool IsBossEntry(int pos) {
  return StageScript[pos].Time >= 0 && pos + 1 < ScriptCapacity && StageScript[pos + 1].Time == ScriptEnd;
}

// The spawn set-up of the stage's look: the behaviour, the start, the
// variant; returns the kind. A code the table lacks makes an idle craft of
// kind 0.
int32_t SetUpSpawn(int slot, int32_t spawn) {
  const StageRow* stage = RowOfLook(LookOf(Stage));
  const std::span<const SpawnRow> table = stage != nullptr ? stage->Spawns() : std::span<const SpawnRow>();
  const bool known = spawn >= 0 && spawn < static_cast<int32_t>(table.size());
  const SpawnRow row = known ? table[spawn] : SpawnRow{0, 0, nullptr};
  ObjectTable[slot].Kind = row.Behaviour;
  if (row.Start != nullptr) row.Start(slot);
  SetEnemyTag(slot, row.Variant);
  return row.Kind;
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

void ResetEnemies() {
  EnemyTable.fill(EnemyRecord{});
  EnemyKinds.fill(EnemyKind{});
  ResetBossState();
  RestoreStartValues<SpawnArgs, EnemyAge>();
}

void RunStageScript() {
  if (ScriptHold) {
    ScriptHold = false;  // a holding enemy sets it again next frame if alive
    return;
  }
  while (ScriptPos >= 0 && ScriptPos < ScriptCapacity) {
    const ScriptEntry& e = StageScript[ScriptPos];
    const int32_t time = e.Time;
    if (time == StageFrame || (time < StageFrame && IsBossEntry(ScriptPos))) {
      const int slot = SpawnEnemy(e.Spawn, e.X, e.Y, false);
      if (slot == -1 && IsBossEntry(ScriptPos)) return;  // again next frame
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
  ApplyEnemyKind(slot, SetUpSpawn(slot, spawn));
  if (slot == BossState.Slot) BossArrives(slot);  // the set-up has just made it the boss
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
  const StageRow* stage = RowOfStage(Stage);
  for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) {
    Move(j);
    ClipToField(j);  // a released enemy still acts this frame
    Accelerate(j);
    LastHitX = CenterX(j);
    LastHitY = CenterY(j);
    EnemyAge = ObjectTable[j].Age;
    Smoke(j);
    if (stage != nullptr) stage->Behaviour(j);
    // The age is read again: a behaviour may have restarted it. A tilting
    // behaviour has set the frame already; the step applies on top.
    const int32_t every = Enemy(j).AnimEvery;
    if (every > 0 && ObjectTable[j].Age % every == 0) Sprites.NextFrame(j);
  }
}

void BuildEnemyKinds() {
  EnemyKinds.fill(EnemyKind{});
  const StageRow* stage = RowOfLook(LookOf(Stage));
  if (stage == nullptr) return;
  for (int slot = 7; slot <= 9; ++slot) LoadSheet(slot, stage->Art.SheetImages[slot - 7]);
  CutShapes(stage->Art.Shapes);
  const auto kinds = stage->Art.Kinds;
  for (std::size_t k = 0; k < kinds.size(); ++k) EnemyKinds[k] = kinds[k];
}

void NextPhase(int slot) {
  ObjectTable[slot].Age = 0;
  ++Enemy(slot).Phase;
}

void Tilt(int slot) { Sprites.Sprite(slot).Frame = BankFrame(slot, 2, 1000); }

int32_t Jittered(int32_t angle) { return WrapAngle(angle + RandomFrom(31, -15)); }

Point GunAt(int slot, const Gun& gun, int32_t s) {
  const SpriteRegister& sprite = Sprites.Sprite(slot);
  return {sprite.X + gun.X + gun.MirrorX * s, sprite.Y + gun.Y};
}

int32_t AimFrom(Point p) { return AngleFromPoint(p.X, p.Y, PlayerSlot); }
int32_t Aim(int slot) { return AngleBetween(slot, PlayerSlot); }

}  // namespace omb
