// Stage 1: small craft of three habits, the large craft that holds the
// script while it crosses the field, and (stage1_boss.cpp) the boss.
#include <iterator>

#include "enemies/enemies.h"
#include "enemies/script.h"
#include "enemies/stages.h"
#include "gameplay/collision.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

// Spawn codes of the script.
enum : int32_t { SpawnDiver = 0, SpawnRinger = 1, SpawnSwerver = 2, SpawnLargeCraft = 3, SpawnBoss = 4 };
// Behaviours.
enum : int32_t { Diver = 0, Ringer = 1, Swerver = 2, LargeCraft = 3, Boss = 4 };
// Kinds.
using stage1::KindSmall, stage1::KindBoss, stage1::KindLarge;

// From the left half it moves right, from the right half left.
void LargeCraftStart(int slot) {
  EnemyRecord& e = Enemy(slot);
  e.Work[5] = SideOf(Sprites.Sprite(slot).X);
  e.Work[6] = (e.Work[5] + 1) / 2;
  SetPolar(slot, 6000, 512 * (1 - e.Work[6]));
}

constexpr SpawnRow Spawns[] = {
    // behaviour  kind       start
    {Diver, KindSmall, [](int slot) { SetVel(slot, 0, 5000); }},    // SpawnDiver
    {Ringer, KindSmall, [](int slot) { SetVel(slot, 0, 5000); }},   // SpawnRinger
    {Swerver, KindSmall, [](int slot) { SetVel(slot, 0, 3500); }},  // SpawnSwerver
    {LargeCraft, KindLarge, LargeCraftStart},                       // SpawnLargeCraft
    {Boss, KindBoss, Stage1BossStart},                              // SpawnBoss
};
static_assert(std::size(Spawns) == SpawnBoss + 1);

// Three aimed pairs at once, then a fall slowing to 1.8 pixels a frame.
void DiverBehaviour(int slot) {
  if (EnemyAge == 35) {
    const int32_t aim = Aim(slot);
    for (int i = 0; i < 3; ++i) FireFan(LastHitX, LastHitY, 2, 0, 0, 10, 0, aim, 2100 - 100 * i, 2);
  }
  ObjectRecord& o = ObjectTable[slot];
  if (EnemyAge > 10) o.VelY = o.VelY - 30 < 1800 ? 1800 : o.VelY - 30;
}

// Nine rings of eight, each turned 4 further than the last.
void RingerBehaviour(int) {
  const int32_t a = WrapAngle(2 * (EnemyAge - 30) + 256);
  if (EnemyAge > 30 && EnemyAge < 50 && EnemyAge % 2 == 0) FireRing(LastHitX, LastHitY, 8, 0, 0, 0, a, 1500, 2);
}

// Banks by its sideways speed; at 40 it swerves across the middle and fires
// two aimed fans.
void SwerverBehaviour(int slot) {
  Tilt(slot);
  if (EnemyAge != 40) return;
  ObjectTable[slot].AccX = LastHitX >= 240 ? -90 : 90;
  const int32_t aim = Aim(slot);
  for (int i = 0; i < 2; ++i) FireFan(LastHitX, LastHitY, 4, 0, 0, 48, 0, aim, 2200 - 200 * i, 5);
}

// Drifts in from the side, turns its three guns' rings for 270 frames, then
// speeds away along its heading. The script waits while it lives.
void LargeCraftBehaviour(int slot) {
  ScriptHold = true;
  ObjectRecord& o = ObjectTable[slot];
  if (EnemyAge < 25) o.Speed = static_cast<int32_t>(o.Speed * 0.94);
  if (EnemyAge >= 30 && EnemyAge < 300 && EnemyAge % 5 == 0) {
    constexpr int32_t MuzzleX[3] = {64, 120, 177};
    constexpr int32_t MuzzleY[3] = {33, 34, 34};
    const int32_t p = (EnemyAge / 5) % 3;
    const int32_t a = WrapAngle(WrapAngle(7 * EnemyAge) - 20 * p);
    const SpriteRegister& s = Sprites.Sprite(slot);
    FireRing(s.X + MuzzleX[p], s.Y + MuzzleY[p], 6, 0, 0, 0, a, 3300, 4);
  }
  if (EnemyAge == 300) SetPolarAcc(slot, 30, 0);
}

}  // namespace

std::span<const SpawnRow> Stage1Spawns() { return Spawns; }

void Stage1Behaviour(int slot) {
  switch (ObjectTable[slot].Kind) {
    case Diver: DiverBehaviour(slot); break;
    case Ringer: RingerBehaviour(slot); break;
    case Swerver: SwerverBehaviour(slot); break;
    case LargeCraft: LargeCraftBehaviour(slot); break;
    case Boss: Stage1Boss(slot); break;
    default: break;
  }
}

void BuildStage1Script() {
  OpenScript();
  for (int k = 0; k < 21; ++k) { AddEntry(SpawnDiver, 116 + Random(200), -48); ScriptTime += 30; }
  // The pairs share the frame of the next step's first entry.
  for (int i = 0; i < 2; ++i) AddEntry(SpawnRinger, 48 + 336 * i, -48);
  for (int k = 0; k < 21; ++k) { AddEntry(SpawnDiver, 116 + Random(200), -48); ScriptTime += 20; }
  for (int i = 0; i < 2; ++i) AddEntry(SpawnSwerver, 48 + 336 * i, -48);
  for (int k = 0; k < 21; ++k) { AddEntry(SpawnDiver, 116 + Random(200), -48); ScriptTime += 15; }
  // Both large craft enter together, one from each side.
  ScriptTime += 100;
  for (int i = 0; i < 2; ++i) AddEntry(SpawnLargeCraft, -240 + 720 * i, 20 + 80 * i);
  ScriptTime += 100;
  for (int k = 0; k < 31; ++k) { AddEntry(SpawnDiver, 116 + Random(200), -48); ScriptTime += 15; }
  // Three widening pairs, 10 frames apart.
  for (int i = 0; i < 3; ++i) {
    AddEntry(SpawnSwerver, 216 - (40 + 60 * i), -48);
    AddEntry(SpawnSwerver, 216 + (40 + 60 * i), -48);
    ScriptTime += 10;
  }
  AddWarning();
  AddEntry(SpawnBoss, 152, -176);
  AddEnd();
}

}  // namespace omb
