#include "enemies/boss.h"

#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "objects/bullets.h"
#include "objects/objects.h"
#include "shell/game_vars.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// A life has run out: shot down, or out of time (which pays nothing, its
// ScoreFactor being 0).
void EndOfLife(int slot, const BossFigures& figures, int32_t parts) {
  if (figures.Depleted != nullptr) figures.Depleted(slot);
  EnemyRecord& boss = Enemy(slot);
  ++BossState.Depletions;
  BossState.Clock = -1;
  Score += boss.Bounty * BossState.ScoreFactor;
  const auto next = static_cast<std::size_t>(BossState.Depletions);
  if (next < figures.Lives.size()) {
    const BossLife& life = figures.Lives[next];
    SetBossHp(life.Hp);
    SetBossTime(life.TimeLimit);
    NextBossAttack(figures.LifeWait != nullptr ? figures.LifeWait(life, parts) : life.Wait, life.Attack);
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

void ResetBossState() { BossState = BossStateRecord{}; }

void BeginBoss(int slot, int32_t timeLimit, int32_t partsMax) {
  BossState.Slot = slot;
  BossState.Present = true;
  BossState.PartsMax = partsMax;
  BossState.Parts = 0;
  SetBossTime(timeLimit);
}

void BossArrives(int slot) {
  EnemyRecord& boss = Enemy(slot);
  BossState.GaugeHp = boss.Hp;
  BossState.GaugeShown = 0;
  BossState.Clock = -1;
  BossState.Aux1 = 0;
  BossState.Loops = 0;
  boss.Bounty = boss.Hp;
  boss.Smokes = false;
  PlayMidi(2 * Stage);  // the boss's tune
}

void RunBoss(int slot, const BossFigures& figures) {
  if (figures.FrameStart != nullptr) figures.FrameStart(slot);
  const int32_t parts = BossState.Parts;
  const int32_t attackBefore = BossState.Attack;
  if (Enemy(slot).Hp < 1) EndOfLife(slot, figures, parts);
  if (BossState.Wait >= 1) {
    --BossState.Wait;
    --BossState.Clock;
  } else if (BossState.Attack == figures.DeathAttack) {
    DeathAttack(slot, BossState.Clock);
  } else {
    figures.Attack(slot, BossState.Clock);
  }
  // A new attack starts its clock at 0 on its first frame (the panel adds 1).
  if (BossState.Attack != attackBefore) BossState.Clock = -1;
  BossState.Parts = 0;
}

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

void BossEntry(int slot, int32_t t) {
  if (t != 100) return;
  ObjectTable[slot].VelY = 0;
  NextBossAttack(20, 1);
}

int32_t BossGaugeShare(int32_t whole) {
  // The gauge's full value is a life's hit points, never below 1; a state
  // put together by hand must not divide by zero all the same.
  return BossState.GaugeShown * whole / (BossState.GaugeHp > 0 ? BossState.GaugeHp : 1);
}

void TickBossClock() { ++BossState.Clock; }

void CountBossTime() {
  if (Player.Alive) --BossState.TimeLeft;
  if (BossState.TimeLeft < 1) {
    // Out of time: the behaviour ends this life without its bounty.
    Enemy(BossState.Slot).Hp = 0;
    BossState.ScoreFactor = 0;
  }
}

}  // namespace omb
