// Stage 1's enemies: small craft of three habits, the large craft that holds
// the script while it crosses the field, and (stage1_boss.cpp) the boss.
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "gameplay/boss_control.h"
#include "gameplay/collision.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

enum : int32_t { Diver = 0, Ringer = 1, Swerver = 2, LargeCraft = 3, Boss = 4 };
enum : int32_t { KindSmall = 0, KindBoss = 1, KindLarge = 2 };

int32_t Aim(int slot) { return AngleBetween(slot, PlayerSlot); }

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
  Sprites.Sprite(slot).Frame = BankFrame(slot, 2, 1000);
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

int32_t Stage1Spawn(int slot, int32_t spawn) {
  ObjectRecord& o = ObjectTable[slot];
  int32_t kind = KindSmall;
  o.Kind = Diver;
  switch (spawn) {
    case 0:
      SetVel(slot, 0, 5000);
      break;
    case 1:
      o.Kind = Ringer;
      SetVel(slot, 0, 5000);
      break;
    case 2:
      o.Kind = Swerver;
      SetVel(slot, 0, 3500);
      break;
    case 3: {
      // From the left half it moves right, from the right half left.
      o.Kind = LargeCraft;
      kind = KindLarge;
      EnemyRecord& e = Enemy(slot);
      e.Work[5] = SideOf(Sprites.Sprite(slot).X);
      e.Work[6] = (e.Work[5] + 1) / 2;
      SetPolar(slot, 6000, 512 * (1 - e.Work[6]));
      break;
    }
    case 4:
      o.Kind = Boss;
      kind = KindBoss;
      SetVel(slot, 0, 2000);
      break;
    default:
      break;
  }
  SetEnemyTag(slot, 0);
  if (spawn == 4) {
    BossState.Slot = slot;
    BossState.Present = true;
    SetBossTime(3000);
  }
  return kind;
}

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

}  // namespace omb
