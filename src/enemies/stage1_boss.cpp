// Stage 1's boss: two lives of 10000. The first descends, then alternates
// crossing fans (attack 1) with an aimed swelling fan and five rings
// (attack 2); the second bounces about the upper half spraying single
// bullets from its wings (attack 3).
#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/stages.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

enum : int32_t { Entry = 0, CrossingFans = 1, AimedFanAndRings = 2, WingSpray = 3, Death = 4 };

constexpr BossLife Lives[] = {
    //  Hp  time limit  wait  first attack
    {10000, 3000, 0, Entry},
    {10000, 3000, 30, WingSpray},
};
static_assert(FirstLifeFits(Lives, Stage1Kinds[stage1::KindBoss]));

// The second life drifts at once, though it fires only after its wait.
void NewLife(int slot, int32_t) { SetVel(slot, 1800, 1000); }

// The muzzle under the boss's nose.
int32_t MuzzleX(int slot) { return Sprites.Sprite(slot).X + 102; }
int32_t MuzzleY(int slot) { return Sprites.Sprite(slot).Y + 137; }

// Every 8 frames four 5-bullet fans, two turning each way from straight
// down and straight up, faster as the attack goes on.
void CrossingFansAttack(int slot, int32_t t) {
  if (t % 8 == 0) {
    const int32_t a = WrapAngle(2 * t);
    for (int32_t s = -1; s <= 1; s += 2) {
      int32_t d = WrapAngle(1280 + s * a);
      for (int k = 0; k < 2; ++k) {
        FireFan(MuzzleX(slot), MuzzleY(slot), 5, 0, 0, 32, 0, d, 2500 + 2 * t, 5);
        d = WrapAngle(d + 512);
      }
    }
  }
  if (t == 384) NextBossAttack(30, AimedFanAndRings);
}

// Fans of 0, 1, ... 6, 5, ... 1 bullets at the angle aimed at its start, then
// five rings of 20 at falling speeds.
void AimedFanAndRingsAttack(int slot, int32_t t) {
  EnemyRecord& boss = Enemy(slot);
  if (t % 5 == 0 && t < 60) {
    if (t == 0) boss.Work[0] = AngleFromPoint(MuzzleX(slot), MuzzleY(slot), PlayerSlot);
    int32_t n = t / 5;
    if (n > 6) n = 12 - n;
    FireFan(MuzzleX(slot), MuzzleY(slot), n, 0, 0, 24, 0, boss.Work[0], 2400, 4);
  }
  if (t == 90) {
    const int32_t a = Random(1024);
    for (int32_t k = 0; k < 5; ++k) FireRing(MuzzleX(slot), MuzzleY(slot), 20, 0, 0, 0, a, 4000 - 100 * k * k, 7);
  }
  if (t == 180) NextBossAttack(50, CrossingFans);
}

// Single bullets from points along each wing's edge, solid one stretch in
// three; the boss rebounds off the field's sides and off y = 0 and 240.
void WingSprayAttack(int slot, int32_t t) {
  const int32_t type = (t / 7) % 3 == 0 ? 5 : 4;
  const SpriteRegister& s = Sprites.Sprite(slot);
  if (t % 7 == 0) {
    const int32_t a = 224 + Random(64);
    const int32_t d = 32 + Random(39);
    const int32_t speed = 1000 + Random(1500);
    FireSeries(s.X + d, s.Y + static_cast<int32_t>(114.31578 - 18 * d / 38.0), 1, 0, 0, 0, 0, a, speed, type);
  }
  if (t % 7 == 3) {
    const int32_t a = 224 + Random(64);
    const int32_t d = 104 + Random(47);
    const int32_t speed = 800 + Random(1300);
    FireSeries(s.X + d, s.Y + static_cast<int32_t>(95.140434 - 12 * d / 46.0), 1, 0, 0, 0, 0, a, speed, type);
  }
  Bounce(slot, 240);
}

void Attack(int slot, int32_t t) {
  switch (BossState.Attack) {
    case Entry: BossEntry(slot, t); break;  // down from y = -176 at 2 pixels a frame
    case CrossingFans: CrossingFansAttack(slot, t); break;
    case AimedFanAndRings: AimedFanAndRingsAttack(slot, t); break;
    case WingSpray: WingSprayAttack(slot, t); break;
    default: break;
  }
}

constexpr BossFigures Figures{.Lives = Lives, .DeathAttack = Death, .Attack = Attack, .NewLife = NewLife};

}  // namespace

// Down from above the field at 2 pixels a frame.
void Stage1BossStart(int slot) {
  SetVel(slot, 0, 2000);
  BeginBoss(slot, Lives[0].TimeLimit, 0);
}

void Stage1Boss(int slot) { RunBoss(slot, Figures); }

}  // namespace omb
