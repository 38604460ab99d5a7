// Stage 3: craft that stop and slide sideways, large craft with two pairs of
// muzzles, craft that rise from the side edges and fall back, craft that
// hunt the ship's column, and (stage3_boss.cpp) the boss with its orbiting
// parts and its drones, both of which live here as behaviours 6 and 7.
#include <algorithm>
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

namespace omb {
namespace {

// Spawn codes (6 and 7 are spawned by the boss).
enum : int32_t {
  SpawnSlider = 0,
  SpawnLargeCraft = 1,
  SpawnRiser = 2,
  SpawnQuietRiser = 3,
  SpawnHunter = 4,
  SpawnCrossingCraft = 5,
  SpawnOrbitingPart = 6,
  SpawnDrone = 7,
  SpawnBoss = 8,
};
// Behaviours (3 is never given).
enum : int32_t {
  Slider = 0,
  LargeCraft = 1,
  Riser = 2,
  Hunter = 4,
  CrossingCraft = 5,
  OrbitingPart = 6,
  Drone = 7,
  Boss = 8,
};
// Kinds.
using stage3::KindSmall, stage3::KindLarge, stage3::KindRiser, stage3::KindPart, stage3::KindBoss;

void SliderStart(int slot) { SetVel(slot, 0, 3500 + Random(1000)); }

// It rises from its edge toward the middle; the quiet one never bursts.
void RiserStart(int slot, int32_t quiet) {
  EnemyRecord& e = Enemy(slot);
  e.Work[5] = SideOf(Sprites.Sprite(slot).X);
  e.Work[6] = quiet;
  SetVel(slot, 1300 * e.Work[5], -5000);
}

// It makes for the ship's column as it was at the spawn, at a random height.
void HunterStart(int slot) {
  EnemyRecord& e = Enemy(slot);
  SetVel(slot, 0, 1000);
  e.Work[5] = CenterX(PlayerSlot);
  e.Work[6] = 100 + Random(100);
}

// Across the field at 1 pixel a frame, away from its own edge.
void CrossingCraftStart(int slot) { SetVel(slot, 1000 * SideOf(Sprites.Sprite(slot).X), 0); }

// The boss's children: SpawnArgs hold what the boss gives them.
void PartStart(int slot) {
  ObjectTable[slot].Clip = false;
  Enemy(slot).Work[9] = SpawnArgs[0];  // its place on the orbit
}

void DroneStart(int slot) {
  ObjectTable[slot].Clip = false;
  EnemyRecord& e = Enemy(slot);
  e.Work[8] = SpawnArgs[0];  // mode
  e.Work[9] = SpawnArgs[1];  // side
  // The hunting drone's heading is an aim from the boss, below 0 when the
  // ship is above it, and its first Move reads the tables with it before any
  // Accelerate could wrap it.
  SetPolar(slot, SpawnArgs[2], WrapAngle(SpawnArgs[3]));
  SetPolarAcc(slot, SpawnArgs[4], SpawnArgs[5]);
}

constexpr SpawnRow Spawns[] = {
    // behaviour  kind        start
    {Slider, KindSmall, SliderStart},                                  // SpawnSlider
    {LargeCraft, KindLarge, [](int slot) { SetVel(slot, 0, 1000); }},  // SpawnLargeCraft
    {Riser, KindRiser, [](int slot) { RiserStart(slot, 0); }},         // SpawnRiser
    {Riser, KindRiser, [](int slot) { RiserStart(slot, 1); }},         // SpawnQuietRiser
    {Hunter, KindSmall, HunterStart},                                  // SpawnHunter
    {CrossingCraft, KindLarge, CrossingCraftStart},                    // SpawnCrossingCraft
    {OrbitingPart, KindPart, PartStart},                               // SpawnOrbitingPart
    {Drone, KindPart, DroneStart},                                     // SpawnDrone
    {Boss, KindBoss, Stage3BossStart},                                 // SpawnBoss
};
static_assert(std::size(Spawns) == SpawnBoss + 1);

// The muzzles of the small craft (48 x 48), p = 0 to 4 from left to right.
Point SmallMuzzle(int slot, int32_t p) {
  constexpr Gun Guns[5] = {{3, 0, 36}, {12, 0, 40}, {23, 0, 42}, {35, 0, 40}, {44, 0, 36}};
  return GunAt(slot, Guns[p], 0);
}

// The muzzles of the large craft (96 x 96): k = 0 its wing tips, k = 1 its
// nose; s = 0 left, 1 right.
Point CraftMuzzle(int slot, int32_t k, int32_t s) {
  constexpr Gun Guns[2] = {{2, 90, 90}, {42, 10, 82}};
  return GunAt(slot, Guns[k], s);
}

// Falls, braking, and fires straight down from a random muzzle in bursts,
// every fifth shot a pair of solid bullets; once stopped it slides away
// sideways for good, silent.
void SliderBehaviour(int slot) {
  Tilt(slot);
  EnemyRecord& e = Enemy(slot);
  if (e.Work[0] != 0) return;
  ObjectRecord& o = ObjectTable[slot];
  o.VelY -= 30;
  if (o.VelY < 1) {
    e.Work[0] = 1;
    o.VelY = 0;
    o.AccX = LastHitX >= 240 ? -15 : 15;
  }
  if (EnemyAge % 6 != 0 || EnemyAge % 40 >= 32) return;
  const int32_t p = Random(5);
  const int32_t sp = 2500 + Random(1000);
  const Point m = SmallMuzzle(slot, p);
  const int32_t u = e.Work[1] / 4 + 2;
  if (u == 3) {
    FireSeries(m.X, m.Y, 2, 0, 0, 0, -sp / 40, 256, sp, 3);
  } else {
    FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, 256, sp, 2);
  }
  e.Work[1] = (e.Work[1] + 1) % 5;
}

// In cycles of 200 frames: two aimed streams from the nose with single
// bullets along them; in its first cycle also two sweeping fans from the
// wing tips.
void LargeCraftBehaviour(int slot) {
  EnemyRecord& e = Enemy(slot);
  const int32_t c = EnemyAge % 200;
  if (c > 0 && c < 80) {
    if (c == 8) {
      e.Work[0] = AngleFromPoint(LastHitX, LastHitY + 35, PlayerSlot);
      for (int32_t s = 0; s < 2; ++s) {
        const int32_t d = 25 * (1 - 2 * s);
        const Point m = CraftMuzzle(slot, 1, s);
        FireSeries(m.X, m.Y, 10, 0, 0, d, -180, WrapAngle(e.Work[0] + d), 3100, 6);
      }
    }
    if (EnemyAge % 8 == 0) {
      for (int32_t s = 0; s < 2; ++s) {
        const Point m = CraftMuzzle(slot, 1, s);
        FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, e.Work[0], 2300, 2);
      }
    }
  }
  if (c >= 140 && c < 180 && EnemyAge <= 200) {
    if (c == 140) e.Work[1] = 100;
    if (EnemyAge % 4 == 0) {
      for (int32_t s = 0; s < 2; ++s) {
        const Point m = CraftMuzzle(slot, 0, s);
        FireFan(m.X, m.Y, 3, 0, 0, 90, 0, WrapAngle(1280 - (2 * s - 1) * e.Work[1]), 2900, 5);
      }
      e.Work[1] = WrapAngle(e.Work[1] - 7);
    }
  }
}

// Rises from a side edge, slows, and falls back, firing a turning stream;
// the one from code 2 ends with an aimed burst of widening pairs.
void RiserBehaviour(int slot) {
  Tilt(slot);
  EnemyRecord& e = Enemy(slot);
  ObjectRecord& o = ObjectTable[slot];
  o.VelY = static_cast<int32_t>(o.VelY + 40 - o.VelY * 0.005);
  if (EnemyAge >= 30 && EnemyAge < 100) {
    if (EnemyAge == 30) e.Work[0] = Aim(slot);
    if (EnemyAge % 6 == 0) {
      FireSeries(LastHitX, LastHitY, 1, 0, 0, 0, 0, e.Work[0], 3000, 4 + e.Work[6]);
      e.Work[0] = WrapAngle(e.Work[0] - 9 * e.Work[5]);
    }
  }
  if (EnemyAge == 160 && e.Work[6] == 0) {
    const int32_t aim = Aim(slot);
    for (int32_t k = 0; k < 6; ++k) {
      FireFan(LastHitX, LastHitY, 2, 0, 0, static_cast<int32_t>(1.5 * (k * k)), 0, aim, 2000 - 80 * k, 2);
    }
  }
}

// Makes for its place, stops to fire a spread from all five muzzles, then an
// aimed volley, and leaves downward.
void HunterBehaviour(int slot) {
  Tilt(slot);
  const EnemyRecord& e = Enemy(slot);
  if (EnemyAge < 60) AimVel(slot, e.Work[5], e.Work[6], 40);
  if (EnemyAge >= 60 && EnemyAge < 80) {
    SetVel(slot, 0, 0);
    if (EnemyAge % 2 == 0) {
      int32_t a = 346;
      for (int32_t p = 0; p < 5; ++p) {
        const Point m = SmallMuzzle(slot, p);
        FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, a, 4000, 5);
        a = WrapAngle(a - 45);
      }
    }
  }
  if (EnemyAge >= 150 && EnemyAge < 171 && EnemyAge % 3 == 0) {
    for (int32_t p = 0; p < 5; ++p) {
      const Point m = SmallMuzzle(slot, p);
      FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, AimFrom(m), 6000, 4);
    }
  }
  if (EnemyAge == 200) SetAccel(slot, 0, 40);
}

// Crosses the field: first stacked aimed fans from its wing tips, later
// scattered aimed shots with a wide fan thrown the other way.
void CrossingCraftBehaviour(int slot) {
  if (EnemyAge < 160 && EnemyAge % 25 == 0) {
    const int32_t spread = 90 + 30 * ((EnemyAge / 25) % 2);
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = CraftMuzzle(slot, 0, s);
      for (int32_t k = 0; k < 3; ++k) FireFan(m.X, m.Y, 6, 0, 0, spread, 0, AimFrom(m), 3000 - 400 * k, 7);
    }
  }
  if (EnemyAge >= 220 && EnemyAge % 30 == 0) {
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = CraftMuzzle(slot, 0, s);
      int32_t a = AimFrom(m);
      for (int k = 0; k < 5; ++k) {
        const int32_t sp = 2500 + Random(1000);
        const int32_t j = RandomFrom(15, -7);
        FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, WrapAngle(a + j), sp, 8);
      }
      a = WrapAngle(a + 512);
      const int32_t sp = 2200 + Random(800);
      FireFan(m.X, m.Y, 13, 0, 0, 16, 0, a, sp, 8);
    }
  }
}

// A part fires with the boss's first-life attacks (numbers 1 to 3 of the
// boss's list), from its own centre; a is its angle on the orbit.
void PartVolley(int slot, int32_t a, int32_t t) {
  switch (BossState.Attack) {
    case 1:  // lengthening bursts along the orbit, a third bullet from the second loop
      if (t % 4 == 0 && t % 120 < t / 20 + 20) {
        const int32_t m = BossState.Loops < 2 ? 1 : 2;
        for (int32_t j = 0; j <= m; ++j) {
          FireSeries(LastHitX, LastHitY, 1, 0, 66 - 17 * j, 0, 0, WrapAngle(a + 256), 2000 + 400 * j, 4);
        }
      }
      break;
    case 2:  // turning pairs, outward on odd loops, inward on even ones
      if (t % 12 == 0) {
        const int32_t a2 = BossState.Loops % 2 == 1 ? a : WrapAngle(a + 512);
        int32_t w = WrapAngle(3 * t);
        FireFan(LastHitX, LastHitY, 2, 0, 0, w, 0, a2, 3000, 4);
        w = WrapAngle(w + 80);
        FireFan(LastHitX, LastHitY, 2, 0, 0, w, 0, a2, 3000, 5);
      }
      break;
    case 3:  // three aimed rings, slower as the attack goes on
      if (t % 130 == 20) {
        for (int32_t k2 = 0; k2 < 3; ++k2) FireRing(LastHitX, LastHitY, 6, 0, 0, 0, Aim(slot), 2600 - t - 150 * k2, 7);
      }
      break;
    default: break;
  }
}

// A part k keeps to its place on the boss's orbit, k sixths of a turn on
// from the orbit's rotation, and fires with the boss's first-life attacks;
// when that life ends it flies straight out and is let go at the edge.
void OrbitingPartBehaviour(int slot) {
  const EnemyRecord& e = Enemy(slot);
  const int32_t k = e.Work[9];
  const int32_t t = BossState.Clock;
  const int boss = BossState.Slot;
  const int32_t a = WrapAngle(k * 1024 / BossState.PartsMax + BossState.Aux1);
  const int32_t placeX = CenterX(boss) + CosMul(a, BossState.Aux0);
  const int32_t placeY = CenterY(boss) + SinMul(a, BossState.Aux0);
  BossState.Parts |= 1 << k;
  if (BossState.Depletions == 1) {
    // Only its polar motion is set: the last pull toward its place stays.
    const int32_t a2 = WrapAngle(AngleBetween(boss, slot));
    SetPolar(slot, 4000, a2);
    if (EnemyAge % 3 == 0) FireFan(LastHitX, LastHitY, 2, 0, 0, 180, 0, a2, 2800, 2);
    ObjectTable[slot].Clip = true;
    return;
  }
  AimVel(slot, placeX, placeY, 60);
  if (BossState.Wait == 0) PartVolley(slot, a, t);
}

// The drones of the boss's last life, each counting itself into the boss's
// census. Modes 0 and 1 cross the field down and up spraying curving
// bullets; mode 2 spirals out from the boss firing sideways; mode 3 lurches
// toward the ship, turning toward it a little at every lurch.
void DroneBehaviour(int slot) {
  ++BossState.Parts;
  ObjectRecord& o = ObjectTable[slot];
  const EnemyRecord& e = Enemy(slot);
  const int32_t t = BossState.Clock;
  const int32_t mode = e.Work[8];
  if (mode == 0 || mode == 1) {
    if (t % 2 == 0 && EnemyAge > 10 && EnemyAge < 80) {
      const int32_t s1 = 2 * mode - 1;
      const int32_t s2 = 2 * e.Work[9] - 1;
      const int32_t q = (EnemyAge / 2) % 10;
      FireCartesian(LastHitX, LastHitY, -(280 * q - 200) * s2, 20 * q * q * s1, mode + 2, q * s2, -(2 * q + 10) * s1);
      const int32_t j = RandomFrom(41, -20);
      const int32_t sp = 1000 + Random(1000);
      const int32_t acc = 30 + Random(10);
      FireSeries(LastHitX, LastHitY, 1, 0, acc, 0, 0, WrapAngle(1024 + j - 256 * s1), sp, 5 - mode);
    }
    o.Clip = true;
  } else if (mode == 2) {
    if (t % 4 == 0 && EnemyAge >= 61) {
      FirePolar(LastHitX, LastHitY, 2200, WrapAngle(o.Angle + 256), 5, t % 8 == 0 ? 0 : -30, 0);
    }
    if (EnemyAge > 450) o.Clip = true;
  } else if (mode == 3) {
    const int32_t r = WrapAngle(EnemyAge * 1024 / 80);
    o.Speed = std::max(0, SinMul(r, 2000) + 1000);
    if (r == 0) o.Angle = StepToward(o.Angle, WrapAngle(Aim(slot)), 16);
    o.Clip = true;
  }
}

}  // namespace

std::span<const SpawnRow> Stage3Spawns() { return Spawns; }

void Stage3Behaviour(int slot) {
  switch (ObjectTable[slot].Kind) {
    case Slider: SliderBehaviour(slot); break;
    case LargeCraft: LargeCraftBehaviour(slot); break;
    case Riser: RiserBehaviour(slot); break;
    case Hunter: HunterBehaviour(slot); break;
    case CrossingCraft: CrossingCraftBehaviour(slot); break;
    case OrbitingPart: OrbitingPartBehaviour(slot); break;
    case Drone: DroneBehaviour(slot); break;
    case Boss: Stage3Boss(slot); break;
    default: break;
  }
}

void BuildStage3Script() {
  OpenScript();
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnSlider, Random(432), -48); ScriptTime += 50; }
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnSlider, Random(432), -48); ScriptTime += 30; }
  ScriptTime += 50;
  AddEntry(SpawnLargeCraft, 192, -96);
  // Alternating down the left and right edges.
  for (int k = 0; k < 13; ++k) {
    AddEntry(SpawnSlider, Random(100), -48);
    ScriptTime += 30;
    AddEntry(SpawnSlider, 332 + Random(100), -48);
    ScriptTime += 30;
  }
  // Two columns closing in from the edges; each side has its own jitter.
  ScriptTime += 100;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnSlider, 40 * i + Random(32), -48);
    ScriptTime += 15;
    AddEntry(SpawnSlider, 432 - (40 * i + Random(32)), -48);
    ScriptTime += 15;
  }
  // y runs 250..295 and back to 250 on the eleventh pair.
  ScriptTime += 250;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnRiser, -48, 250 + 5 * (i % 10));
    AddEntry(SpawnRiser, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  ScriptTime += 250;
  AddEntry(SpawnLargeCraft, 102, -96);
  ScriptTime += 50;
  AddEntry(SpawnLargeCraft, 282, -96);
  ScriptTime += 200;
  AddEntry(SpawnLargeCraft, 192, -96);
  ScriptTime += 300;
  for (int i = 0; i < 5; ++i) {
    AddEntry(SpawnQuietRiser, -48, 250 + 40 * i);
    AddEntry(SpawnQuietRiser, 464, 250 + 40 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnQuietRiser, -48, 250 + 5 * (i % 10));
    AddEntry(SpawnQuietRiser, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  // A sweep from left to right, with a large craft cutting in after the
  // eleventh.
  ScriptTime += 150;
  for (int i = 0; i < 11; ++i) { AddEntry(SpawnSlider, 12 * i + Random(30), -48); ScriptTime += 25; }
  AddEntry(SpawnLargeCraft, 320, -96);
  for (int i = 11; i < 31; ++i) { AddEntry(SpawnSlider, 12 * i + Random(30), -48); ScriptTime += 25; }
  ScriptTime += 130;
  for (int i = 0; i < 7; ++i) {
    AddEntry(SpawnQuietRiser, -48, 400 - 20 * i);
    AddEntry(SpawnQuietRiser, 464, 400 - 20 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 50; }
  AddEntry(SpawnCrossingCraft, -96, 150);
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 50; }
  AddEntry(SpawnCrossingCraft, 480, 100);
  for (int k = 0; k < 18; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 30; }
  AddWarning();
  AddEntry(SpawnBoss, 160, -160);
  AddEnd();
}

}  // namespace omb
