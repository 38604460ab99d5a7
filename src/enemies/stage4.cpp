// Stage 4: three large craft riding their ellipse, small craft, diving and
// tilting craft, and (stage4_boss.cpp) the seven-life boss with the bombs and
// drones it throws. A (EnemyAge) times most patterns here: the craft's own
// age, not the boss's attack clock.
#include <iterator>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "enemies/stages.h"
#include "gameplay/collision.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// Spawn codes (3 and 4 are thrown by the boss).
enum : int32_t {
  SpawnLargeCraft = 0,
  SpawnSmallCraft = 1,
  SpawnDiver = 2,
  SpawnBomb = 3,
  SpawnDrone = 4,
  SpawnBoss = 5,
};
// Behaviours.
enum : int32_t { LargeCraft = 0, SmallCraft = 1, Diver = 2, Bomb = 3, Drone = 4, Boss = 5 };
// Kinds.
using stage4::KindLarge, stage4::KindBomb, stage4::KindDrone, stage4::KindSmall, stage4::KindDiver,
    stage4::KindBoss;

// Down from the top at 2 pixels a frame; the ellipse takes over at once.
void LargeCraftStart(int slot) {
  SetVel(slot, 0, 2000);
  Enemy(slot).Work[9] = 0;  // its place on the ellipse
}

// Falls fast, braking; fires once at an age of its own.
void SmallCraftStart(int slot) {
  SetVel(slot, 0, 6500);
  SetAccel(slot, 0, -(25 + Random(10)));
  Enemy(slot).Work[9] = 5 + Random(30);
}

// Heads for a point of the upper field. The kind is not applied yet: the
// aim is taken from the centre of the picture the slot still holds.
void DiverStart(int slot) {
  EnemyRecord& e = Enemy(slot);
  e.Work[8] = 216 + RandomFrom(181, -90);
  e.Work[9] = 30 + Random(81);
  AimVel(slot, e.Work[8], e.Work[9], 70);
}

// Thrown at speed SpawnArgs[1], angle SpawnArgs[2], then falling.
void BombStart(int slot) {
  Enemy(slot).Work[9] = SpawnArgs[0];  // its mode
  SetVel(slot, CosMul(SpawnArgs[2], SpawnArgs[1]), SinMul(SpawnArgs[2], SpawnArgs[1]));
  SetAccel(slot, 0, 80);
}

// Flies out on a heading that turns as it speeds up.
void DroneStart(int slot) {
  Enemy(slot).Work[9] = SpawnArgs[0];  // its mode
  SetPolar(slot, SpawnArgs[1], SpawnArgs[2]);
  SetPolarAcc(slot, SpawnArgs[3], SpawnArgs[4]);
}

constexpr SpawnRow Spawns[] = {
    // behaviour  kind       start
    {LargeCraft, KindLarge, LargeCraftStart},  // SpawnLargeCraft
    {SmallCraft, KindSmall, SmallCraftStart},  // SpawnSmallCraft
    {Diver, KindDiver, DiverStart},            // SpawnDiver
    {Bomb, KindBomb, BombStart},               // SpawnBomb
    {Drone, KindDrone, DroneStart},            // SpawnDrone
    {Boss, KindBoss, Stage4BossStart},         // SpawnBoss
};
static_assert(std::size(Spawns) == SpawnBoss + 1);

// A gun of the large craft, from its top left: k = 0 the outer guns of its
// lower edge, 1 the inner ones, 2 the nose, 3 the outer guns of its upper
// edge, 4 the inner ones; s picks left (0) or right (1).
Point CraftMuzzle(int slot, int32_t k, int32_t s) {
  constexpr Gun Guns[5] = {{7, 81, 80}, {20, 56, 94}, {47, 0, 82}, {7, 80, 18}, {32, 30, 12}};
  return GunAt(slot, Guns[k], s);
}

// Phase 0: every 10 frames a bullet from each lower inner gun, down and to
// the right at a random angle and speed.
void LargeCraftSpray(int slot) {
  if (EnemyAge % 10 != 0) return;
  for (int32_t s = 0; s < 2; ++s) {
    const int32_t a = 128 + Random(128);
    const int32_t sp = 1500 + Random(400);
    const int32_t type = 3 + 2 * Random(2);
    const Point m = CraftMuzzle(slot, 1, s);
    FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, a, sp, type);
  }
}

// Phase 1: from the four upper guns, two aimed 7-bullet fans each, all
// turned by one jitter.
void LargeCraftAimedFans(int slot) {
  if (EnemyAge % 100 != 50) return;
  const int32_t j = RandomFrom(31, -15);
  for (int32_t i = 0; i < 4; ++i) {
    const Point m = CraftMuzzle(slot, 3 + i / 2, i % 2);
    const int32_t a = WrapAngle(AimFrom(m) + j);
    for (int32_t k = 0; k < 2; ++k) FireFan(m.X, m.Y, 7, 0, 0, 40, 0, a, 4000 - 200 * k, 6);
  }
}

// Phase 2: six aimed rings of eight from the nose, slower ones speeding up
// harder.
void LargeCraftRings(int slot) {
  if (EnemyAge % 100 != 80) return;
  const Point m = CraftMuzzle(slot, 2, 0);
  const int32_t a = AimFrom(m);
  for (int32_t k = 0; k < 6; ++k) FireRing(m.X, m.Y, 8, 0, 25 + 8 * k, 0, a, 4000 - 600 * k, 9);
}

// Phase 3: bullets thrown upward from the wing tips, opening out, that
// slow, stop and fall back.
void LargeCraftFountain(int slot) {
  const int32_t m100 = EnemyAge % 100;
  if (EnemyAge % 4 != 0 || m100 >= 50) return;
  const int32_t d = 5 * m100 - 20;
  for (int32_t s = 0; s < 2; ++s) {
    const Point m = CraftMuzzle(slot, 3, s);
    FireSeries(m.X, m.Y, 1, 0, -30, 0, 0, WrapAngle(768 + d * (2 * s - 1)), 1500, 4);
  }
}

// Rides an ellipse around (240, 140) through four phases of 100 frames,
// holding the script from its 301st frame while it lives; from 2500 it
// leaves along its last heading, keeping the velocity of its last aim.
void LargeCraftBehaviour(int slot) {
  EnemyRecord& e = Enemy(slot);
  if (EnemyAge > 300) ScriptHold = true;
  int32_t phase = 4;
  if (EnemyAge < 2500) {
    if (EnemyAge % 100 >= 50) e.Work[9] = WrapAngle(e.Work[9] + 6);
    AimVel(slot, 240 + CosMul(e.Work[9], 160), 140 + SinMul(e.Work[9], 70), 100);
    phase = (EnemyAge / 100) % 4;
  }
  switch (phase) {
    case 0: LargeCraftSpray(slot); break;
    case 1: LargeCraftAimedFans(slot); break;
    case 2: LargeCraftRings(slot); break;
    case 3: LargeCraftFountain(slot); break;
    default:
      SetPolarAcc(slot, 30, 0);
      SetPolar(slot, ObjectTable[slot].Speed, e.Work[9]);
      break;
  }
}

// Once, at its own age Work[9]: three narrow pairs and three wide pairs,
// aimed, the wide ones faster.
void SmallCraftBehaviour(int slot) {
  if (EnemyAge != Enemy(slot).Work[9]) return;
  const int32_t a = WrapAngle(Aim(slot) + RandomFrom(11, -5));
  const int32_t sp = 1700 + Random(500);
  const int32_t w = 40 + Random(20);
  for (int32_t k = 0; k < 3; ++k) FireFan(LastHitX, LastHitY, 2, 0, 0, (w * k) / 6 + 20, 0, a, sp, 3);
  for (int32_t k = 0; k < 3; ++k) FireFan(LastHitX, LastHitY, 2, 0, 0, 3 * w, 0, a, (150 - 7 * k) * sp / 100, 4);
}

// Eases to its point for 70 frames, then dives at the ship behind an
// arrowhead of 17 bullets and a ring of 32.
void DiverBehaviour(int slot) {
  EnemyRecord& e = Enemy(slot);
  Tilt(slot);
  if (EnemyAge < 70) AimVel(slot, e.Work[8], e.Work[9], 70);
  if (EnemyAge != 70) return;
  const int32_t a = Aim(slot);
  // Stored wrapped: the next frame's move reads the tables with the heading
  // before the turn step would wrap it, and an aim upward is negative.
  SetPolar(slot, 0, WrapAngle(a));
  SetPolarAcc(slot, 30, 0);
  const OutlinePoint arrow[3] = {{2750, WrapAngle(a - 26)}, {4550, a}, {2750, WrapAngle(a + 26)}};
  FireOutline(LastHitX, LastHitY, 8, 0, true, arrow, 3, 4);
  FireRing(LastHitX, LastHitY, 32, 0, 0, 0, a, 2500, 5);
}

// Bombs and drones burst with a bang and are gone.
void Burst(int slot) {
  Release(slot);
  SoundRequest[4] = true;
}

// Bombs and drones burst, without firing, the frame they see that the boss
// has lost a life since the frame before; in their first frame they only
// take note. True when it burst.
bool BurstOnDepletion(int slot) {
  EnemyRecord& e = Enemy(slot);
  if (EnemyAge >= 2 && e.Work[8] != BossState.Depletions) {
    Burst(slot);
    return true;
  }
  e.Work[8] = BossState.Depletions;
  return false;
}

// Mode 0 bursts at 80 into three curved streams of two speeds that slow to
// a stop and come back; mode 1 at 60 into four; any other mode at once.
void BombBehaviour(int slot) {
  if (BurstOnDepletion(slot)) return;
  switch (Enemy(slot).Work[9]) {
    case 0: {
      if (EnemyAge != 80) return;
      const int32_t r = Random(1024);
      for (int32_t i = 0; i < 3; ++i) {
        const int32_t a = WrapAngle(i * 1024 / 3 + r);
        FireSeries(LastHitX, LastHitY, 8, 0, -50, 14, 0, a, 3500, 7);
        FireSeries(LastHitX, LastHitY, 8, 0, -48, 14, 0, a, 3500, 5);
      }
      break;
    }
    case 1: {
      if (EnemyAge != 60) return;
      const int32_t r = Random(1024);
      for (int32_t i = 0; i < 4; ++i) {
        FireSeries(LastHitX, LastHitY, 8, 0, -40, 12, -200, WrapAngle(i * 256 + r), 2300, 6);
      }
      break;
    }
    default: break;
  }
  Burst(slot);
}

// The drones fire backward along their heading b, each mode its own figure.
// Mode 0: fans of five, each bullet slower than the last.
void DroneFans(int32_t b) {
  if (EnemyAge % 6 != 0 || EnemyAge < 12 || EnemyAge >= 80) return;
  FireFan(LastHitX, LastHitY, 5, 0, 0, 80, -400, b, 4000, 5);
}

// Mode 1: a trail of single bullets, and every 20 frames eight accelerating
// pairs, four narrow and four wide.
void DroneTrail(int32_t b) {
  if (EnemyAge >= 80) return;
  if (EnemyAge % 4 == 0) FireSeries(LastHitX, LastHitY, 1, 0, 0, 0, 0, b, 2500, 4);
  if (EnemyAge % 20 != 0) return;
  for (int32_t k = 0; k < 4; ++k) FireFan(LastHitX, LastHitY, 2, 0, 20, 30 + 20 * k, 0, b, 2000, 7);
  for (int32_t k = 0; k < 4; ++k) FireFan(LastHitX, LastHitY, 2, 0, 20, 140 + 20 * k, 0, b, 2000, 7);
}

// Mode 2: in each 24 frames, bursts of 4-bullet fans that open wider each
// time.
void DroneOpeningFans(int32_t b) {
  const int32_t m = EnemyAge % 24;
  if (m % 3 != 0 || m < 9 || EnemyAge >= 72) return;
  FireFan(LastHitX, LastHitY, 4, 0, 20, 80 + 25 * (EnemyAge / 24), 0, b, 2000, 7);
}

// Mode 3: three rings of eight, then four bullets at rest that speed toward
// the ship.
void DroneRingsAndMines(int slot, int32_t b) {
  if (EnemyAge % 16 != 0 || EnemyAge >= 80) return;
  for (int32_t k = 0; k < 3; ++k) FireRing(LastHitX, LastHitY, 8, 0, 0, 0, b, 3700 - 150 * k, 5);
  const int32_t aim = Aim(slot);
  for (int32_t j = 0; j < 2; ++j) FireSeries(LastHitX, LastHitY, 2, 0, 38 - 3 * j, 0, 0, aim, 0, 6);
}

// Mode 4: pairs whose spread turns by the drone's age each time, three
// speeds, faster as it goes.
void DroneTurningPairs(int slot, int32_t b) {
  if (EnemyAge % 6 != 0 || EnemyAge >= 78) return;
  EnemyRecord& e = Enemy(slot);
  const int32_t sp = 3000 + 50 * EnemyAge;
  for (int32_t k = 0; k < 3; ++k) {
    FireFan(LastHitX, LastHitY, 2, 0, 0, e.Work[0], 0, b, static_cast<int32_t>((1 - 0.07 * k) * sp), 7 - 2 * k);
  }
  e.Work[0] = WrapAngle(e.Work[0] + EnemyAge);
}

// Mode 5: once, at 30, six wide fans of 10 or 11, slower ones speeding up
// harder.
void DroneWideFans(int32_t b) {
  if (EnemyAge != 30) return;
  for (int32_t k = 0; k < 6; ++k) {
    FireFan(LastHitX, LastHitY, 10 + k % 2, 0, 18 + 2 * k, 34 - 2 * k, 0, b, 3300 - 650 * k, 9 - (k / 2) % 2);
  }
}

// A drone fires by its mode, then its heading turns one step further (on
// top of the turn its acceleration gives it). A mode above 5 bursts.
void DroneBehaviour(int slot) {
  if (BurstOnDepletion(slot)) return;
  const int32_t mode = Enemy(slot).Work[9];
  if (mode > 5) {
    Burst(slot);
    return;
  }
  ObjectRecord& o = ObjectTable[slot];
  const int32_t b = WrapAngle(o.Angle + 512);
  switch (mode) {
    case 0: DroneFans(b); break;
    case 1: DroneTrail(b); break;
    case 2: DroneOpeningFans(b); break;
    case 3: DroneRingsAndMines(slot, b); break;
    case 4: DroneTurningPairs(slot, b); break;
    case 5: DroneWideFans(b); break;
    default: break;
  }
  o.Angle = WrapAngle(o.Angle + 1);
}

// Flank craft: a distance from the centre line, then a side.
void AddFlanker(int32_t base, int32_t spread) {
  const int32_t m = base + Random(spread);
  const int32_t s = 2 * Random(2) - 1;
  AddEntry(SpawnSmallCraft, 224 + m * s, -32);
}

}  // namespace

std::span<const SpawnRow> Stage4Spawns() { return Spawns; }

void Stage4Behaviour(int slot) {
  switch (ObjectTable[slot].Kind) {
    case LargeCraft: LargeCraftBehaviour(slot); break;
    case SmallCraft: SmallCraftBehaviour(slot); break;
    case Diver: DiverBehaviour(slot); break;
    case Bomb: BombBehaviour(slot); break;
    case Drone: DroneBehaviour(slot); break;
    case Boss: Stage4Boss(slot); break;
    default: break;
  }
}

void BuildStage4Script() {
  OpenScript();
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 700;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 40; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 30; }
  for (int k = 0; k < 30; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 15; }
  for (int k = 0; k < 20; ++k) { AddFlanker(100, 80); ScriptTime += 15; }
  // Each round a diving craft, then five flankers a frame quicker than the
  // round before.
  for (int i = 0; i < 6; ++i) {
    AddEntry(SpawnDiver, Random(432), -48);
    for (int k = 0; k < 5; ++k) { AddFlanker(140, 60); ScriptTime += 25 - i; }
  }
  for (int r = 0; r < 4; ++r) {
    for (int k = 0; k < 2; ++k) { AddEntry(SpawnDiver, Random(432), -48); ScriptTime += 5; }
    for (int k = 0; k < 4; ++k) { AddFlanker(140, 60); ScriptTime += 20; }
  }
  for (int k = 0; k < 6; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 10; }
  // A column down each side in turn, the right one 100 frames after the left.
  ScriptTime += 200;
  for (int side = 0; side < 2; ++side) {
    for (int j = 0; j < 6; ++j) { AddEntry(SpawnDiver, -48 + 528 * side, -20 + 60 * j); ScriptTime += 5; }
    ScriptTime += 100;
  }
  AddWarning();
  AddEntry(SpawnBoss, 176, -128);
  AddEnd();
}

}  // namespace omb
