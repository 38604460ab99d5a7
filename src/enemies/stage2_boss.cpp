// Stage 2's boss: three lives, of 20000, 16000 and 16000. The first comes
// down between its two parts and goes round rings from its wings (attack 1),
// a storm of aimed pairs under two turning streams (2) and aimed bursts from
// a gun picked at random (3); the parts join 1 and 3, and every part shot down
// makes those two fiercer. The second life sweeps arrowheads (4), throws
// ellipses while it darts about (5) and pulses rings (6); the third circles,
// its curtains thickening as its gauge empties (7).
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/stages.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

enum : int32_t {
  Entry = 0,
  WingRings = 1,  // the parts join in
  PairsAndStreams = 2,
  AimedBursts = 3,  // the parts join in
  SweepingArrows = 4,
  DartingEllipses = 5,
  PulsingRings = 6,
  Circling = 7,
  Death = 8,
};

constexpr BossLife Lives[] = {
    //  Hp  time limit  wait  first attack
    {20000, 4000, 0, Entry},
    {16000, 3500, 200, SweepingArrows},  // 50 when no part is left
    {16000, 4500, 80, Circling},
};
static_assert(FirstLifeFits(Lives, Stage2Kinds[stage2::KindBoss]));

// Shooting both parts down before the first life ends brings the second on
// sooner.
int32_t LifeWait(const BossLife& life, int32_t parts) {
  return life.Attack == SweepingArrows && parts == 0 ? 50 : life.Wait;
}

// The parts census as the boss's frame found it: the parts, spawned before
// the boss into lower slots, have counted themselves this frame, and the
// census is cleared only as the boss's frame ends.
int32_t PartsLeft() { return BossState.Parts; }

// The boss's guns: four mirrored pairs along its wings, and the nose.
constexpr Gun Guns[] = {
    {8, 143, 152},
    {20, 119, 156},
    {38, 84, 130},
    {48, 64, 150},
    {80, 0, 148},  // the nose
};

// Gun k, the left one of its pair for s = 0, the right one for s = 1.
Point BossMuzzle(int32_t k, int32_t s) { return GunAt(BossState.Slot, Guns[k], s); }

// Every 20 frames rings of 12 from alternate wings, two of them, or three
// once no part is left, faster and further apart for every part shot down.
// With no part left, also four turning rings of 8 from the nose every 40.
void WingRingsAttack(int, int32_t t) {
  const int32_t parts = PartsLeft();
  if (t % 20 == 0) {
    const Point m = BossMuzzle(2, (t / 20) % 2);
    const int32_t a = Random(1024);
    const int32_t more = parts == 0 ? 1 : 0;
    const int32_t down = 2 - parts;
    const int32_t first = 2000 + 2 * t + 600 * down;
    const int32_t step = 100 + 25 * down * down;
    for (int32_t k = 0; k <= more + 1; ++k) FireRing(m.X, m.Y, 12, 0, 0, 0, a, first - step * k, 3 + 2 * more);
  }
  if (parts == 0 && t % 40 == 0) {
    const Point m = BossMuzzle(4, 0);
    int32_t a = Random(1024);
    const int32_t turn = (t / 5) % 41 - 20;
    for (int32_t k = 0; k < 4; ++k) {
      FireRing(m.X, m.Y, 8, 0, 0, 0, a, 5000 - 4 * t - 200 * k, 6);
      a = WrapAngle(a + turn);
    }
  }
  if (t == 680) NextBossAttack(60, PairsAndStreams);
}

// At its start fifteen aimed pairs from the nose, narrow and wide, at
// falling speeds; then two streams from the wing tips turning away from that
// aim in opposite directions, solid or not by turns.
void PairsAndStreamsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) {
    const Point m = BossMuzzle(4, 0);
    const int32_t aim = AimFrom(m);
    for (int32_t k = 0; k < 15; ++k) {
      FireFan(m.X, m.Y, 2, 0, 0, 60, 0, aim, 5000 - 300 * k, 4);
      FireFan(m.X, m.Y, 2, 0, 0, 180, 0, aim, 5000 - 300 * k, 5);
    }
    boss.Work[0] = aim;
  }
  if (t % 4 == 0) {
    const int32_t r = WrapAngle(boss.Work[0] + 9 * t);
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t a = WrapAngle(r * (2 * s - 1) + 1024);
      const int32_t type = (t < 160 ? 4 : 6) + (t / 4 + s) % 2;
      const Point m = BossMuzzle(0, s);
      FireSeries(m.X, m.Y, 5, 0, 0, 0, -400, a, 6000, type);
    }
  }
  if (t == 320) NextBossAttack(50, AimedBursts);
}

// An aimed line and fan from a gun picked at random, every 60 frames with
// both parts, 40 with one, 20 with none; without parts twice the bullets.
void AimedBurstsAttack(int, int32_t t) {
  const int32_t parts = PartsLeft();
  if (t % (20 + 20 * parts) == 0) {
    const int32_t s = Random(2);
    const int32_t k = Random(5);
    const Point m = BossMuzzle(k, s);
    const int32_t aim = AimFrom(m);
    const int32_t q = (t / 30) % 2;
    if (parts >= 1) {
      FireSeries(m.X, m.Y, 4, 0, 0, 0, -400, aim, 4000, 4 + q);
      FireFan(m.X, m.Y, 6, 0, 0, 32, 0, aim, 3600, 5 - q);
    } else {
      FireSeries(m.X, m.Y, 8, 0, 0, 0, -200, aim, 4000, 2 + q);
      FireFan(m.X, m.Y, 12, 0, 0, 16, 0, aim, 3600, 3 - q);
    }
  }
  if (t == 600) NextBossAttack(50, WingRings);
}

// Arrowheads from its nine guns in turn, their heading turning 12 a volley,
// and from 400 a mirrored second arrowhead as the turn runs back. A ship
// that comes within 200 meets accelerating shots from the nose. The boss
// bobs down and up 100 pixels.
void SweepingArrowsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) boss.Work[0] = 0;
  if (t % 6 == 0) {
    const int32_t i = (t / 6) % 9;
    const Point m = BossMuzzle(i / 2, i % 2);
    const int32_t speed = 2500 + Random(2500);
    const int32_t spread = 4 + Random(6);
    FireArrow(m.X, m.Y, 5, 0, 0, spread, speed / 10, boss.Work[0], speed, 3);
    if (t >= 400) {
      FireArrow(m.X, m.Y, 5, 0, 0, spread, speed / 10, WrapAngle(1536 - boss.Work[0]), speed, 2);
      boss.Work[0] = WrapAngle(boss.Work[0] - 12);
    } else {
      boss.Work[0] = WrapAngle(boss.Work[0] + 12);
    }
  }
  if (t % 4 == 0 && DistanceBetween(slot, PlayerSlot) < 200) {
    const Point m = BossMuzzle(4, 0);
    const int32_t a = WrapAngle(AimFrom(m) + RandomFrom(128, -64));
    const int32_t speed = Random(1000);
    FireSeries(m.X, m.Y, 1, 0, 70, 0, 0, a, speed, 9);
  }
  ObjectRecord& o = ObjectTable[slot];
  if (t % 200 == 0) o.VelY = 1000;
  if (t % 200 == 100) o.VelY = -1000;
  if (t == 800) NextBossAttack(50, DartingEllipses);
}

// For the first 16 frames of every 40, four ellipses from one wing, turned
// from the aim a step further each time (their bullet count growing with t);
// for the other 24 it darts toward a point drawn on alternate sides, and
// between two darts keeps the velocity the last one gave it.
void DartingEllipsesAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t u = t % 40;
  if (t % 4 == 0 && u < 16) {
    if (u == 0) {
      boss.Work[0] = AngleBetween(slot, PlayerSlot);
      boss.Work[1] = 18 + Random(t / 60);  // Random(0) too: the draw still counts
      if (t == 0) boss.Work[2] = Random(2);
    }
    const int32_t h = (t / 40) % 2;
    const Point m = BossMuzzle(2, h);
    FireEllipse(m.X, m.Y, boss.Work[1], 0, 0, boss.Work[0], 2000, 2800, 3);
    boss.Work[0] = WrapAngle(boss.Work[0] + 8 * (2 * ((boss.Work[2] + h) % 2) - 1));
  }
  if (u >= 16) {
    if (u == 16) {
      const int32_t x = 240 + Random(120) * (2 * ((t / 40) % 2) - 1);
      const int32_t y = 60 + Random(100);
      boss.Work[0] = x;
      boss.Work[1] = y;
    }
    AimVel(slot, boss.Work[0], boss.Work[1], 100);
  }
  if (t == 500) NextBossAttack(50, PulsingRings);
}

// Small rings of four from both wing tips, turning opposite ways, their
// speed pulsing wider as t grows; every sixth volley left out. It settles
// toward (240, 150).
void PulsingRingsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) boss.Work[0] = Random(1024);
  if (t % 4 == 0 && (t / 4) % 6 != 0) {
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t a = WrapAngle(WrapAngle(boss.Work[0] + 3 * t) * (2 * s - 1) + 1024);
      const int32_t speed = SinMul(WrapAngle(9 * t), t + 300) + 2000;
      const Point m = BossMuzzle(0, s);
      FireRing(m.X, m.Y, 4, 0, 0, 0, a, speed, 4 + s);
    }
  }
  AimVel(slot, 240, 150, 10);
  if (t == 500) NextBossAttack(50, SweepingArrows);
}

// Two accelerating curtains from the nose, curling out to either side, of 3
// bullets at a full gauge growing to 12 at an empty one, every 15 frames and
// every 10 below 40 %; every 50, three aimed fans from each wing tip, wider
// every fourth time. It circles (240, 100) at a radius of 100.
void CirclingAttack(int slot, int32_t t) {
  const int32_t interval = BossGaugeShare(100) >= 40 ? 15 : 10;
  if (t % interval == 5) {
    const int32_t n = 12 - BossGaugeShare(9);
    const Point m = BossMuzzle(4, 0);
    for (int32_t s = -1; s <= 1; s += 2) {
      FireSeries(m.X, m.Y, n, 0, 30, 40 * s, 0, WrapAngle(768 + 32 * s), 3000, s == -1 ? 8 : 9);
    }
  }
  if (t % 50 == 0) {
    const int32_t j = (t / 50) % 4 == 3 ? 1 : 0;
    const int32_t spread = 50 - 10 * j + Random(15);
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(0, s);
      const int32_t a = WrapAngle(AimFrom(m) + RandomFrom(17, -8));
      int32_t speed = 2500 + Random(500);
      for (int32_t k = 0; k < 3; ++k) {
        speed -= 200;
        FireFan(m.X, m.Y, 5 + 2 * j, 0, 0, spread, 0, a, speed, 7 - j - 2 * k);
      }
    }
  }
  const int32_t r = WrapAngle(5 * t);
  AimVel(slot, 240 + CosMul(r, 100), 100 + SinMul(r, 100), 50);
}

void Attack(int slot, int32_t t) {
  switch (BossState.Attack) {
    case Entry: BossEntry(slot, t); break;  // down from y = -160 at 2 pixels a frame
    case WingRings: WingRingsAttack(slot, t); break;
    case PairsAndStreams: PairsAndStreamsAttack(slot, t); break;
    case AimedBursts: AimedBurstsAttack(slot, t); break;
    case SweepingArrows: SweepingArrowsAttack(slot, t); break;
    case DartingEllipses: DartingEllipsesAttack(slot, t); break;
    case PulsingRings: PulsingRingsAttack(slot, t); break;
    case Circling: CirclingAttack(slot, t); break;
    default: break;
  }
}

constexpr BossFigures Figures{.Lives = Lives, .DeathAttack = Death, .Attack = Attack, .LifeWait = LifeWait};

}  // namespace

// Down from above the field at 2 pixels a frame, with its two parts.
void Stage2BossStart(int slot) {
  SetVel(slot, 0, 2000);
  ObjectTable[slot].Clip = false;  // a boss leaves the field only by dying
  BeginBoss(slot, Lives[0].TimeLimit, 2);
}

void Stage2Boss(int slot) { RunBoss(slot, Figures); }

}  // namespace omb
