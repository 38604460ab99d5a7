// Stage 4's boss: seven lives, each with an attack of its own. It descends,
// then sweeps crossing rings (attack 1), blooms flowers and spins pairs from
// its nose (2), throws bombs that burst into streams (3), chases the ship
// with bursts (4), scatters single bullets and gapped walls (5), jumps about
// firing curling streams (6), and last sends out waves of drones (7). Its
// bombs and drones burst the moment it loses a life.
#include <algorithm>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/stages.h"
#include "gameplay/collision.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

enum : int32_t {
  Entry = 0,
  SweepingRings = 1,
  FlowersAndSpinner = 2,
  BombThrow = 3,
  ChasingBursts = 4,
  ScatterAndWalls = 5,
  CurlingStreams = 6,
  DroneWaves = 7,
  Death = 8,
};

// The boss's children, spawn codes of the stage.
enum : int32_t { SpawnBomb = 3, SpawnDrone = 4 };

constexpr BossLife Lives[] = {
    //  Hp  time limit  wait  first attack
    {10000, 2000, 0, Entry},
    {8000, 2000, 50, FlowersAndSpinner},
    {10000, 2000, 50, BombThrow},
    {12000, 3500, 50, ChasingBursts},
    {11000, 3000, 50, ScatterAndWalls},
    {10000, 3000, 50, CurlingStreams},
    {12000, 4000, 50, DroneWaves},
};
static_assert(FirstLifeFits(Lives, Stage4Kinds[stage4::KindBoss]));

// It banks against its sideways motion, the other way from the small craft.
void FrameStart(int slot) { Sprites.Sprite(slot).Frame = BankFrame(slot, 2, -500); }

// Each life starts from clean working values.
void Depleted(int slot) { Enemy(slot).Work.fill(0); }

// Where some lives first head for.
void NewLife(int slot, int32_t depletion) {
  EnemyRecord& boss = Enemy(slot);
  switch (depletion) {
    case 1: boss.Work[0] = 240; boss.Work[1] = 70; break;
    case 4: boss.Work[0] = 240; break;
    case 5: boss.Work[0] = 240; boss.Work[1] = 140; break;
    default: break;
  }
}

// A gun of the boss, from its top left: k = 0 the wing tips, 1 and 2 the
// inner wing guns, 3 the nose, 4 the top; s picks left (0) or right (1).
Point BossMuzzle(int slot, int32_t k, int32_t s) {
  constexpr Gun Guns[5] = {{14, 97, 108}, {36, 54, 87}, {44, 38, 94}, {63, 0, 116}, {63, 0, 9}};
  return GunAt(slot, Guns[k], s);
}

// The shown gauge in percent.
int32_t Gauge() { return BossGaugeShare(100); }

// Rings of three and single bullets sweeping from the wing tips in mirror,
// and slower crossing rings of four; it sinks as its gauge empties.
void SweepingRingsAttack(int slot) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t g = Gauge();
  if (g < 40) AimVel(slot, 240, 240 - 40 * (g / 8), 10);
  if (EnemyAge % 8 == 0 && EnemyAge % 64 < 40) {
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 0, s);
      const int32_t a = WrapAngle(1280 - (2 * s - 1) * WrapAngle(boss.Work[0]));
      FireRing(m.X, m.Y, 3, 0, 0, 0, a, 4200, 5);
      FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, WrapAngle(a + 512), 4200, 4);
    }
  }
  if (EnemyAge % 4 == 0 && EnemyAge % 40 > 16) {
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t a = WrapAngle((2 * s - 1) * WrapAngle(static_cast<int32_t>(1.5 * boss.Work[0] + 256)) + 1024);
      const Point m = BossMuzzle(slot, 0, s);
      FireRing(m.X, m.Y, 4, 0, 0, 0, a, 2200, 7);
      FireRing(m.X, m.Y, 4, 0, 0, 0, WrapAngle(a + 128), 2200, 6);
    }
  }
  ++boss.Work[0];
}

// In every 170 frames: flowers of 23 from the wing guns (more of them as the
// attack goes on), then it moves over the ship and spins pairs from its nose.
void FlowersAndSpinnerAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  AimVel(slot, boss.Work[0], boss.Work[1], 40);
  const int32_t u = t % 170;
  const int32_t n = std::min((t / 170) / 2 + 3, 5);
  if (u == 30) {
    int32_t r = Random(1024);
    for (int32_t i = 0; i <= n; ++i) {
      const int32_t sp = 1450 + Random(300);
      const int32_t amp = 500 + Random(250);
      const Point m = BossMuzzle(slot, i / 2, i % 2);
      FireFlower(m.X, m.Y, 23, 0, 0, 3, amp, r, sp, 7);
      r = WrapAngle(r + 205);
    }
  }
  if (u == 70) {
    boss.Work[0] = CenterX(PlayerSlot);
    boss.Work[1] = 90 + Random(40);
    boss.Work[2] = 0;
  }
  if (u % 2 == 0 && u >= 128) {
    const int32_t h = (u / 2) % 2;
    const Point m = BossMuzzle(slot, 3, 0);
    for (int32_t k = 0; k < 3; ++k) {
      FireFan(m.X, m.Y, 2, 0, 0, WrapAngle(boss.Work[2]), 0, WrapAngle(k * 1024 / 3 + 256), 4000 - 1200 * h, 5 - h);
    }
    boss.Work[2] += 16;
  }
}

// Weaves about the upper field throwing bombs that burst into spirals (and,
// below 60 %, bombs that burst into crosses), with pairs from its inner guns.
void BombThrowAttack(int slot) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t A = EnemyAge;
  AimVel(slot, 240 + CosMul(WrapAngle(8 * A), 100), 140 + SinMul(WrapAngle(5 * A), 40), 45);
  boss.Work[0] += SinMul(WrapAngle(static_cast<int32_t>(2.2 * A)), 12) + 28;
  if (boss.Work[0] > 1000) {
    boss.Work[0] -= 1000;
    SpawnArgs[0] = 0;
    SpawnArgs[1] = 2500 + Random(1200);
    SpawnArgs[2] = 704 + Random(128);
    SpawnEnemy(SpawnBomb, LastHitX, LastHitY, false);
  }
  if (Gauge() < 60 && A % 77 == 0) {
    boss.Work[0] -= 1000;
    SpawnArgs[0] = 1;
    SpawnArgs[1] = -1000 + Random(1500);
    SpawnArgs[2] = 256;
    SpawnEnemy(SpawnBomb, LastHitX, LastHitY, false);
  }
  if (A % 48 < 20 && (A % 48) % 4 == 0) {
    const int32_t r = WrapAngle((7 * A) / 2);
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 2, s);
      FireSeries(m.X, m.Y, 2, 0, 0, 0, -200, WrapAngle((2 * s - 1) * CosMul(r, 150) + 256), 3000, 4);
    }
  }
}

// Follows the ship sideways at the height of 120, bursting into rings of
// 20 to 40 bullets, fuller and faster as its gauge empties. A burst's last
// bullet goes the way of its first.
void ChasingBurstsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  ObjectRecord& o = ObjectTable[slot];
  const int32_t px = CenterX(PlayerSlot);
  if (LastHitX != px) o.VelX = LastHitX >= px ? std::max(o.VelX - 40, -3000) : std::min(o.VelX + 40, 3000);
  if (LastHitX < 80 || LastHitX >= 401) o.VelX = static_cast<int32_t>(o.VelX * 0.94);
  o.VelY = LastHitY > 120 ? -800 : (LastHitY < 120 ? 800 : 0);
  if (t == 0) boss.Work[0] = 0;
  const int32_t f = 60 - BossGaugeShare(60);
  boss.Work[0] += f / 15 + 5;
  if (boss.Work[0] < 51) return;
  boss.Work[0] -= 50;
  const int32_t r = Random(1024);
  const int32_t n = f / 5 + 20 + Random(f / 20 + 5);
  const Point m = BossMuzzle(slot, 3, 0);
  for (int32_t i = 0; i <= n; ++i) {
    const int32_t sp = 4200 + 20 * f + Random(500);
    FireSeries(m.X, m.Y, 1, 0, -15, 0, 0, WrapAngle(i * 1024 / n + r), sp, 5 - (i % 3) / 2);
  }
}

// Drifts between random points near the top, scattering single bullets
// from one wing tip (the other every 90 frames); every 80 frames a sweep
// of twenty columns from its nose, one in four left out.
void ScatterAndWallsAttack(int slot) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t A = EnemyAge;
  if (A % 50 == 1) {
    boss.Work[0] = 240 + RandomFrom(241, -120);
    boss.Work[1] = 30 + Random(50);
  }
  AimVel(slot, boss.Work[0], boss.Work[1], 20);
  if (A % 3 == 0) {
    const int32_t s = (A / 90) % 2;
    const Point m = BossMuzzle(slot, 0, s);
    for (int32_t k = 0; k < 2; ++k) {
      const int32_t d = RandomFrom(321, -160);
      const int32_t sp = 1100 + Random(1200);
      const int32_t type = 3 + 2 * Random(2) - k;
      FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, WrapAngle(1280 - (2 * s - 1) * d), sp, type);
    }
  }
  if (A % 80 != 60) return;
  int32_t a = WrapAngle(RandomFrom(160, -80));
  const int32_t n = (A / 80) % 4 == 3 ? 7 : 5;
  const int32_t step = 20 + Random(10);
  int32_t c = Random(4);
  const Point m = BossMuzzle(slot, 3, 0);
  for (int k = 0; k < 20; ++k) {
    if (c != 0) FireSeries(m.X, m.Y, n, 0, 0, 0, -400, a, 5000, 7);
    a = WrapAngle(a + step);
    c = (c + 1) % 4;
  }
}

// A stream's angle and turn share one working value: angle + 10000 * turn.
int32_t PackStream(int32_t a, int32_t w) { return a + 10000 * w; }

// In every 80 frames: a jump to a random point (wider as its gauge empties)
// with fast rings from the top below 70 %, then six streams of pairs that
// start near the ship's direction and curl, one way on even cycles, the
// other on odd ones.
void CurlingStreamsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t g = Gauge();
  if (t == 1) {
    boss.Work[0] = 240;
    boss.Work[1] = 100;
    boss.Work[2] = Random(1024);
    boss.Work[3] = Random(1024);
  }
  const int32_t u = t % 80;
  if (u >= 5 && u < 40) {
    if (u == 5) {
      const int32_t R = (100 - g) / 2 + 81;
      boss.Work[0] = 240 + RandomFrom(R, -(R / 2));
      boss.Work[1] = 140 + RandomFrom(R, -(R / 2));
      boss.Work[2] = Random(1024);
      boss.Work[3] = Random(1024);
    }
    AimVel(slot, boss.Work[0], boss.Work[1], 60);
    if (g < 70 && t % 18 == 0) {
      const Point m = BossMuzzle(slot, 4, 0);
      for (int32_t k = 0; k < 2; ++k) FireRing(m.X, m.Y, 14, 0, 0, 0, boss.Work[2], 9000 - 40 * g - 400 * k, 7);
    }
  }
  if (u < 40) return;
  if (u == 40) {
    for (int32_t i = 0; i < 6; ++i) {
      const int32_t a = WrapAngle(AngleBetween(slot, PlayerSlot) + RandomFrom(100, 100 * (i - 3)));
      const int32_t w = Random(6);
      boss.Work[i] = PackStream(a, w);
    }
  }
  if (t % 2 != 0) return;
  const int32_t h = (t / 80) % 2;
  for (int32_t i = 0; i < 6; ++i) {
    int32_t a = boss.Work[i] % 10000;
    const int32_t w = boss.Work[i] / 10000;
    const Point m = BossMuzzle(slot, i / 2, (h + i) % 2);
    FireSeries(m.X, m.Y, 2, w * (2 * h - 1), 65 + i, 80 - 3 * i, 0, a, 3500, 4 + i % 2);
    // Wrapped both ways: an angle below 0 would be read back as the next
    // turn's angle, the stream jumping and its turn lost.
    a = h == 0 ? WrapAngle(a + 3) : WrapAngle(a - 5);
    boss.Work[i] = PackStream(a, w);
  }
}

// Waves of drones every 160 frames, in rows by its gauge. Even waves draw a
// drone mode unlike the last even wave's; an odd wave flies that mode's
// other half, its own draw unused.
void DroneWavesAttack(int slot) {
  EnemyRecord& boss = Enemy(slot);
  AimVel(slot, 240, 240, 40);
  if (EnemyAge % 160 != 0) return;
  const int32_t r = Random(1024);
  const int32_t h = (EnemyAge / 160) % 2;
  int32_t k = Random(3);
  if (h == 0) {
    while (k == boss.Work[0]) k = Random(3);
    boss.Work[0] = k;
  }
  const int32_t mode = 2 * boss.Work[0] + h;
  const int32_t g = Gauge();
  const int32_t rows = g >= 31 && g < 66 ? 2 : 1;
  const int32_t per = g < 31 ? 4 : (g < 66 ? 2 : 3);
  for (int32_t j = 0; j < rows; ++j) {
    for (int32_t i = 0; i < per; ++i) {
      SpawnArgs[0] = mode;
      SpawnArgs[1] = 2000;
      SpawnArgs[2] = WrapAngle(i * 1024 / per + r);
      SpawnArgs[3] = 40;
      SpawnArgs[4] = 3 * (2 * ((h + j) % 2) - 1);
      SpawnEnemy(SpawnDrone, LastHitX - 4, LastHitY - 16, false);
    }
  }
}

void Attack(int slot, int32_t t) {
  switch (BossState.Attack) {
    case Entry: BossEntry(slot, t); break;  // down from y = -128 at 2 pixels a frame
    case SweepingRings: SweepingRingsAttack(slot); break;
    case FlowersAndSpinner: FlowersAndSpinnerAttack(slot, t); break;
    case BombThrow: BombThrowAttack(slot); break;
    case ChasingBursts: ChasingBurstsAttack(slot, t); break;
    case ScatterAndWalls: ScatterAndWallsAttack(slot); break;
    case CurlingStreams: CurlingStreamsAttack(slot, t); break;
    case DroneWaves: DroneWavesAttack(slot); break;
    default: break;
  }
}

constexpr BossFigures Figures{.Lives = Lives,
                              .DeathAttack = Death,
                              .Attack = Attack,
                              .FrameStart = FrameStart,
                              .Depleted = Depleted,
                              .NewLife = NewLife};

}  // namespace

// Down from above the field at 2 pixels a frame; it stays when it leaves
// the field.
void Stage4BossStart(int slot) {
  SetVel(slot, 0, 2000);
  ObjectTable[slot].Clip = false;
  BeginBoss(slot, Lives[0].TimeLimit, 6);
}

void Stage4Boss(int slot) { RunBoss(slot, Figures); }

}  // namespace omb
