#include "gameplay/boss_control.h"

#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "objects/bullets.h"
#include "objects/objects.h"

namespace omb {

void NextBossAttack(int32_t wait, int32_t attack) {
  if (attack < BossState.Attack) ++BossState.Loops;
  BossState.Wait = wait;
  BossState.Attack = attack;
  StopMotion(BossState.Slot);
}

void SetBossTime(int32_t frames) {
  BossState.TimeLeft = frames;
  BossState.TimeLimit = frames;
}

void SetBossHp(int32_t hp) {
  EnemyRecord& boss = Enemy(BossState.Slot);
  boss.Hp = hp;
  BossState.GaugeHp = hp;
  boss.Bounty = hp;
}

void BossBreak() {
  ClearEffects();
  CancelBullets();
  BossState.Loops = 0;
  for (int k = 0; k < 7; ++k) BigExplosion(BossState.Slot, 0);
}

void NextPhase(int slot) {
  ObjectTable[slot].Age = 0;
  ++Enemy(slot).Phase;
}

}  // namespace omb
