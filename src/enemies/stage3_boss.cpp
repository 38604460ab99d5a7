// Stage 3's boss: three lives of 22000, 22000 and 26000. The first keeps up
// to six parts on an orbit around it, spawned from a stock of fifteen, and
// fires with them (attacks 1 to 3); when it ends the parts fly off. The second
// weaves a figure of eight and sweeps the field with rings, fans and curtains
// (attacks 4 to 6). The third sends out drones in four waves, holding its own
// stream while any drone lives (attack 7), and below 30 % of its gauge turns
// to its last attack (8).
#include <algorithm>
#include <bit>

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
  PartsAndFans = 1,
  RingsAndCurtains = 2,
  EightMuzzles = 3,
  FigureOfEight = 4,
  OpeningFans = 5,
  SpiralsAndBursts = 6,
  Drones = 7,
  LastStand = 8,
  Death = 9,
};

constexpr BossLife Lives[] = {
    //  Hp  time limit  wait  first attack
    {22000, 4000, 0, Entry},
    {22000, 5000, 50, FigureOfEight},
    {26000, 5000, 80, Drones},
};
static_assert(FirstLifeFits(Lives, Stage3Kinds[stage3::KindBoss]));

constexpr int32_t PartStock = 15;
constexpr int32_t SpawnOrbitingPart = 6, SpawnDrone = 7;

// The boss's muzzles (160 x 160): k = 0 and 1 its lower wings, 2 its belly,
// 3 its shoulders, s = 0 left and 1 right; k = 4 the one under its nose.
constexpr Gun Guns[] = {{27, 105, 147}, {37, 86, 138}, {64, 31, 148}, {59, 40, 64}, {78, 0, 157}};
Point BossMuzzle(int slot, int32_t k, int32_t s) { return GunAt(slot, Guns[k], s); }

// The parts alive as the frame found them: bits 0 to 5 of the census. The
// boss's own frame changes nothing in it before the final clear.
int32_t PartsAlive() { return std::popcount(static_cast<uint32_t>(BossState.Parts) & 63u); }

// New parts for the places left empty, while the stock lasts. A request
// that finds no free slot uses up its part all the same.
void ReplenishParts(int slot, bool spawn) {
  EnemyRecord& boss = Enemy(slot);
  if (!spawn || PartsAlive() >= BossState.PartsMax || boss.Work[9] <= 0) return;
  const int32_t found = BossState.Parts;
  for (int32_t k = 0; k < 6 && boss.Work[9] > 0; ++k) {
    if ((found & (1 << k)) != 0) continue;
    SpawnArgs[0] = k;
    SpawnEnemy(SpawnOrbitingPart, LastHitX - 24, LastHitY - 24, false);
    --boss.Work[9];
  }
}

// Down into the field; the orbit opens at 120 for the parts to come.
void EntryAttack(int slot, int32_t t) {
  BossEntry(slot, t);
  if (t == 100) BossState.Aux0 = 120;
}

// The parts turn clockwise. From the lower wings, alternating, aimed fans
// that narrow as the attack goes on; bare of parts the boss fires sooner,
// adds inner fans and throws arrowheads up and out.
void PartsAndFansAttack(int slot, int32_t t) {
  const int32_t c = PartsAlive();
  ReplenishParts(slot, true);
  BossState.Aux1 = WrapAngle(BossState.Aux1 + 4);
  BossState.Aux0 = StepToward(BossState.Aux0, 120, 2);
  EnemyRecord& boss = Enemy(slot);
  const int32_t st = c == 0 ? 12 : 30;
  if (t % 6 == 0 && t % 60 >= st) {
    const Point m = BossMuzzle(slot, 0, (t / 60) % 2);
    if (t % 60 == st) {
      boss.Work[0] = AimFrom(m);
      if (c == 0) boss.Work[0] += RandomFrom(13, -6);
    }
    FireFan(m.X, m.Y, 5 + (t / 6) % 2, 0, 0, 80 - t / 30, 0, boss.Work[0], 3300, 5);
    if (c == 0 && t % 60 >= 30) FireFan(m.X, m.Y, 3 + (t / 6) % 2, 0, 0, 80 - t / 30, 0, boss.Work[0], 3100, 2);
  }
  if (c == 0 && t % 14 == 2) {
    const int32_t r = WrapAngle(5 * t);
    const Point m = BossMuzzle(slot, 4, 0);
    for (int32_t s = 0; s < 2; ++s) FireArrow(m.X, m.Y, 3, 0, 0, 7, -150, WrapAngle(1792 - (2 * s - 1) * r), 2200, 4);
  }
  if (t == 600) NextBossAttack(c == 0 ? 90 : 60, RingsAndCurtains);
}

// The parts hold their places. Bare of parts, the boss fires rings from its
// nose, jittered then steady, that creep toward the ship; with or without,
// curtains of fan pairs from its lower wings.
void RingsAndCurtainsAttack(int slot, int32_t t) {
  const int32_t c = PartsAlive();
  EnemyRecord& boss = Enemy(slot);
  const Point nose = BossMuzzle(slot, 4, 0);
  if (t == 0) {
    boss.Work[0] = 256;
    boss.Work[1] = AimFrom(nose);
  }
  if (c == 0 && t % 2 == 0 && t % 60 < 20) {
    int32_t a = boss.Work[0], n = 3;
    if (t % 120 < 60) {
      a = WrapAngle(boss.Work[0] + RandomFrom(41, -20));
      n = 6;
    }
    FireRing(nose.X, nose.Y, n, 0, 0, 0, a, 3000 + 120 * (t % 60), 8);
    if (t % 60 == 0) boss.Work[1] = AimFrom(nose);
    if (t % 120 >= 60) boss.Work[0] = StepToward(boss.Work[0], boss.Work[1], 10);
  }
  if (t % 20 == 0) {
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t a = WrapAngle(1792 - (2 * s - 1) * WrapAngle(5 * t));
      const Point m = BossMuzzle(slot, 0, s);
      for (int32_t k = 0; k < 5; ++k) {
        const int32_t w = 120 + 18 * k;
        FireFan(m.X, m.Y, 2, 0, 0, w, 0, a, 3400, 5);
        FireFan(m.X, m.Y, 2, 0, 0, static_cast<int32_t>(0.7 * w), 0, a, 1800, 3);
      }
    }
  }
  if (t == 320) NextBossAttack(80, EightMuzzles);
}

// The parts turn back and the orbit widens. Eight muzzles fire aimed
// streams in turn, longer and slower while parts live; bare of parts the
// shoulders add triple rings.
void EightMuzzlesAttack(int slot, int32_t t) {
  const int32_t c = PartsAlive();
  ReplenishParts(slot, true);
  BossState.Aux1 = WrapAngle(BossState.Aux1 - 8);
  BossState.Aux0 = StepToward(BossState.Aux0, 160, 1);
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) {
    for (int32_t i = 0; i < 8; ++i) boss.Work[i] = AimFrom(BossMuzzle(slot, i / 2, i % 2));
  }
  const int32_t o = c != 0 ? 15 : 0;
  for (int32_t i = 0; i < 8; ++i) {
    const int32_t u = 10 * i + t;
    if (u % 3 != 0 || u % (o + 60) >= o + 15) continue;
    const Point m = BossMuzzle(slot, i / 2, i % 2);
    if (u % (o + 60) == 0) boss.Work[i] = Jittered(AimFrom(m));
    const int32_t type = c != 0 ? 5 - (u / 3) % 2 : 5 - ((u / 3) % 3) / 2;
    FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, boss.Work[i], 4000 - 4 * o, type);
  }
  if (c == 0 && t % 15 == 0) {
    const int32_t r = WrapAngle(2 * t);
    const int32_t g = (t / 5) % 2;
    const Point m = BossMuzzle(slot, 3, g);
    for (int32_t k = 0; k < 3; ++k) {
      FireRing(m.X, m.Y, 8, 0, 0, 0, r + (t / 40 + 8) * k, 3400 + 200 * (2 * g - 1) * k, 4);
    }
  }
  if (t == 500) NextBossAttack(50, PartsAndFans);
}

// On a figure of eight: paired triple rings turning opposite ways from the
// nose, denser with every loop, and now and then a fan whose bullets speed
// up one after another.
void FigureOfEightAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) boss.Work[3] = Random(1024);
  const int32_t ph = WrapAngle(static_cast<int32_t>(1.5 * t + boss.Work[3]));
  AimVel(slot, 240 + CosMul(ph, 120), 120 + SinMul(WrapAngle(2 * ph), 60), 40);
  const Point m = BossMuzzle(slot, 4, 0);
  if (t % 25 == 0) {
    if (t % 125 == 0) boss.Work[0] = AimFrom(m);
    const int32_t l = std::min(BossState.Loops, 2);
    for (int32_t s = 0; s < 2; ++s) {
      const int32_t a = WrapAngle((2 * s - 1) * boss.Work[0] + 1024);
      const int32_t sp = 1400 + Random(200);
      for (int32_t k = 0; k < 3; ++k) FireRing(m.X, m.Y, 3 + 4 * s + l, 0, 0, 0, a + 8 * k, sp, 4 + s);
    }
    boss.Work[0] = WrapAngle(boss.Work[0] + 32);
  }
  if (t % 160 >= 150) {
    if (t % 160 == 150) {
      boss.Work[1] = AimFrom(m);
      boss.Work[2] = 23;
    }
    const bool narrow = t % 320 < 161;
    FireFan(m.X, m.Y, narrow ? 4 : 6, 0, boss.Work[2], narrow ? 32 : 48, 0, boss.Work[1], 800, 7);
    boss.Work[2] += 6;
  }
  if (t == 820) NextBossAttack(50, OpeningFans);
}

// Four pairs of fans straight down from the wings, opening and speeding up;
// three times a spiral of turning rings from the nose, the spin reversed
// each time.
void OpeningFansAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) boss.Work[0] = 0;
  if (t % 4 == 0 && t < 230) {
    if (t >= 61 && t < 180) ++boss.Work[0];
    const int32_t sp = std::min(2000 + 100 * t, 8000);
    for (int32_t k = 0; k < 2; ++k) {
      for (int32_t s = 0; s < 2; ++s) {
        const Point m = BossMuzzle(slot, k, s);
        FireFan(m.X, m.Y, 2, 0, 0, boss.Work[0] + 80 * k, 0, WrapAngle(256 + 64 * (2 * s - 1)), sp, 5);
      }
    }
  }
  if (t == 200 || t == 300 || t == 400) {
    const Point m = BossMuzzle(slot, 4, 0);
    const int32_t g = 2 * ((t / 100) % 2) - 1;
    const int32_t l = std::min(BossState.Loops, 2);
    for (int32_t j = 0; j < 8; ++j) {
      for (int32_t k = 0; k <= l; ++k) {
        FireRing(m.X, m.Y, 8, g * j, 43 - 4 * j + 2 * k, 0, 8 * j * g + 4 * k, 2000 + 200 * j, 2);
      }
    }
  }
  if (t == 600) NextBossAttack(50, SpiralsAndBursts);
}

// Sweeping the field: two spirals from the shoulders every 130 frames, and
// every 100 an aimed burst of fans, half of them starting backwards.
void SpiralsAndBurstsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  const int32_t q = t % 130;
  if (q == 0) boss.Work[0] = Random(1024);
  if (q < 32) {
    const int32_t r = WrapAngle(32 * q);
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 3, s);
      FireSeries(m.X, m.Y, 1, 0, 0, 0, 0, WrapAngle((2 * s - 1) * r + 1024 + boss.Work[0]), 3000 - 20 * q, 7);
    }
  }
  if (t % 100 == 80) {
    const Point m = BossMuzzle(slot, 4, 0);
    const int32_t a = AimFrom(m);
    for (int32_t k = 0; k < 15; ++k) FireFan(m.X, m.Y, 4, 0, 4 * k, 80, 0, a, 1500 + 200 * k, 3);
    for (int32_t k = 0; k < 15; ++k) FireFan(m.X, m.Y, 5, 0, 30 + 6 * k, 80, 0, a, -400 - 200 * k, 2);
  }
  AimVel(slot, EnemyAge % 400 + 40, t % 140 + 20, 40);
  if (t == 500) NextBossAttack(50, FigureOfEight);
}

void LaunchDrone(int32_t mode, int32_t side, int32_t speed, int32_t angle, int32_t speedAcc, int32_t turn,
                 int32_t x, int32_t y) {
  SpawnArgs = {mode, side, speed, angle, speedAcc, turn};
  SpawnEnemy(SpawnDrone, x, y, false);
}

// The drones in four waves: a pair down the sides, a pair up them, three
// spiralling out of the boss, and from t = 1000 a hunter every 90 frames
// while the boss roams and fires ring curtains. The boss's own stream
// waits while any drone lives.
void DronesAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) {
    for (int32_t s = 0; s < 2; ++s) LaunchDrone(0, s, 4000, 256, 10, 0, 216 + 200 * (2 * s - 1), -48);
  }
  if (t == 150) {
    for (int32_t s = 0; s < 2; ++s) LaunchDrone(1, s, 4000, 768, 10, 0, 216 + 200 * (2 * s - 1), 480);
  }
  if (t == 450) {
    StopMotion(slot);
    for (int32_t k = 0; k < 3; ++k) LaunchDrone(2, k, 1000, k * 1024 / 3, 10, 3, LastHitX - 24, LastHitY - 24);
  }
  if (t < 450) AimVel(slot, 240, 240, 10);
  if (BossState.Parts == 0 && t >= 451 && t < 850 && t % 5 == 0 && t % 60 < 45) {
    const int32_t r = WrapAngle(7 * t);
    const Point m = BossMuzzle(slot, 4, 0);
    for (int32_t k = 0; k < 3; ++k) FireRing(m.X, m.Y, 3, 0, -10 * k, 0, r, 3000, 5);
  }
  if (t >= 871 && t < 1000) AimVel(slot, 240, 120, 30);
  if (t >= 1000) {
    const Point m = BossMuzzle(slot, 4, 0);
    if (t % 30 == 20 && t % 90 < 60) {
      const int32_t a = AimFrom(m) / 32 * 32;
      for (int32_t k = 0; k < 10; ++k) FireRing(m.X, m.Y, 9, 0, 0, 0, a, 1500 + 500 * k, 6 + (t / 30) % 2);
    }
    if (t % 90 == 0) {
      const int32_t x = LastHitX - 24, y = LastHitY - 24;
      LaunchDrone(3, 0, 0, AngleFromPoint(x, y, PlayerSlot), 0, 0, x, y);
      Random(t < 1300 ? 512 : 1024);  // drawn and not used, but the sequence counts it
      boss.Work[0] = 80 + Random(320);
      boss.Work[1] = 80 + Random(60);
    }
    // Until the first hunter, toward what the second life left in Work.
    AimVel(slot, boss.Work[0], boss.Work[1], 50);
  }
  if (t == 2300) NextBossAttack(200, LastStand);
  if (BossGaugeShare(100) < 30) NextBossAttack(100, LastStand);
}

// Weaving over the upper field: fans from the shoulders, a sweeping double
// stream at where the ship was, pentagons from the belly, and below 40 %
// wide fourteen-sided curtains.
void LastStandAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t == 0) boss.Work[0] = Random(1024);
  const int32_t ph = WrapAngle(static_cast<int32_t>(2.3 * t + boss.Work[0]));
  AimVel(slot, Clamp(240 + CosMul(ph, 140), 128, 352), Clamp(140 + SinMul(WrapAngle(3 * ph), 100), 128, 192), 50);
  if (t % 4 == 0 && t % 60 < 20) {
    if (t % 60 == 0) boss.Work[1] = Random(128);
    const int32_t n = (t / 60) % 7 == 5 ? 3 : 1;
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 3, s);
      FireFan(m.X, m.Y, n, 0, 0, 70, 0, 256 - (2 * s - 1) * boss.Work[1], 4000, 7);
    }
  }
  const int32_t u = t % 90;
  if (t % 3 == 0 && u < 60) {
    const Point m = BossMuzzle(slot, 4, 0);
    if (u == 0) {
      boss.Work[2] = CenterX(PlayerSlot);
      boss.Work[3] = CenterY(PlayerSlot);
    }
    const int32_t a = AngleOf(boss.Work[2] - m.X, boss.Work[3] - m.Y);
    const int32_t b = (t / 90) % 4 == 3 ? 120 : 210;
    FireFan(m.X, m.Y, 2, 0, 0, b - 3 * u, 0, a, 3000 + 30 * u, 4 + (t % 720) / 360);
  }
  if (t % 173 == 102) {
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 2, s);
      FirePolygon(m.X, m.Y, 8, 0, 5, AimFrom(m), 1600, 3);
    }
  }
  if (BossGaugeShare(100) < 40 && t % 170 == 24) {
    for (int32_t s = 0; s < 2; ++s) {
      const Point m = BossMuzzle(slot, 3, s);
      FirePolygon(m.X, m.Y, 14, 0, 3, WrapAngle(AimFrom(m) + 170), 2800, 2);
    }
  }
}

void Attack(int slot, int32_t t) {
  switch (BossState.Attack) {
    case Entry: EntryAttack(slot, t); break;
    case PartsAndFans: PartsAndFansAttack(slot, t); break;
    case RingsAndCurtains: RingsAndCurtainsAttack(slot, t); break;
    case EightMuzzles: EightMuzzlesAttack(slot, t); break;
    case FigureOfEight: FigureOfEightAttack(slot, t); break;
    case OpeningFans: OpeningFansAttack(slot, t); break;
    case SpiralsAndBursts: SpiralsAndBurstsAttack(slot, t); break;
    case Drones: DronesAttack(slot, t); break;
    case LastStand: LastStandAttack(slot, t); break;
    default: break;
  }
}

constexpr BossFigures Figures{.Lives = Lives, .DeathAttack = Death, .Attack = Attack};

}  // namespace

// Down from above the field at 2 pixels a frame, with its stock of parts.
void Stage3BossStart(int slot) {
  SetVel(slot, 0, 2000);
  ObjectTable[slot].Clip = false;
  Enemy(slot).Work[9] = PartStock;
  BeginBoss(slot, Lives[0].TimeLimit, 6);
}

void Stage3Boss(int slot) { RunBoss(slot, Figures); }

}  // namespace omb
