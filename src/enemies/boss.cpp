#include "enemies/boss.h"

#include "enemies/enemies.h"
#include "gameplay/boss_control.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "objects/bullets.h"
#include "objects/objects.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

// A life has run out: shot down, or out of time (which pays nothing, its
// ScoreFactor being 0).
void EndOfLife(int slot, const BossFigures& figures) {
  EnemyRecord& boss = Enemy(slot);
  ++BossState.Depletions;
  BossState.Clock = -1;
  Score += boss.Bounty * BossState.ScoreFactor;
  const auto next = static_cast<std::size_t>(BossState.Depletions - 1);
  if (next < figures.NextLives.size()) {
    const BossLife& life = figures.NextLives[next];
    SetBossHp(life.Hp);
    SetBossTime(life.TimeLimit);
    NextBossAttack(life.Wait, life.Attack);
    if (figures.NewLife != nullptr) figures.NewLife(slot, BossState.Depletions);
    BossBreak();
  } else {
    // The last life: the boss can no longer be hit and goes down.
    BossState.Present = false;
    SetBossHp(1);
    NextBossAttack(0, figures.DeathAttack);
    StopMotion(slot);
    ObjectTable[slot].HitScale = -100;
    CancelBullets();
  }
}

// Explosions every 10 frames; at 150 the boss is gone and the stage cleared.
void DeathAttack(int slot, int32_t t) {
  if (t % 10 == 0) BigExplosion(slot, 0);
  if (t != 150) return;
  Release(slot);
  ShowBanner(BannerCleared, 250);
  for (int k = 0; k < 7; ++k) BigExplosion(slot, 0);
}

}  // namespace

void RunBoss(int slot, const BossFigures& figures, void (*attack)(int slot, int32_t t)) {
  const int32_t attackBefore = BossState.Attack;
  if (Enemy(slot).Hp < 1) EndOfLife(slot, figures);
  if (BossState.Wait >= 1) {
    --BossState.Wait;
    --BossState.Clock;
  } else if (BossState.Attack == figures.DeathAttack) {
    DeathAttack(slot, BossState.Clock);
  } else {
    attack(slot, BossState.Clock);
  }
  // A new attack starts its clock at 0 on its first frame (the panel adds 1).
  if (BossState.Attack != attackBefore) BossState.Clock = -1;
}

}  // namespace omb
