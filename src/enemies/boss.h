// The boss, in one place: its state, the life cycle every boss shares, and
// the routines with which its attacks steer it. A life ends when its hit
// points or its time run out; the next begins after a wait with its own
// first attack; the last ends in the death attack, a string of explosions
// followed by the stage-clear banner. Each boss supplies only its figures:
// its lives, its attacks and its death attack.
#pragma once
#include <cstdint>
#include <span>

#include "enemies/kinds.h"

namespace omb {

struct BossStateRecord {
  bool Present = false;  // on screen and alive: gauge shown, timer running
  int32_t Clock = 0;     // frames since the current attack began
  int32_t GaugeShown = 0;
  int32_t GaugeHp = 1;  // the hit points of the current life
  int32_t Depletions = 0;
  int32_t Slot = 0;
  int32_t Wait = 0;  // frames still to wait before the attack runs
  int32_t Attack = 0;
  int32_t TimeLeft = 1;
  int32_t TimeLimit = 1;
  int32_t ScoreFactor = 0;  // multiplier of the Bounty when a life ends
  int32_t Parts = 0;        // census of the live parts, retaken every frame
  int32_t PartsMax = 0;
  int32_t Aux0 = 0, Aux1 = 0;
  int32_t Loops = 0;  // new cycles of the attack list
};

inline BossStateRecord BossState;

// The boss state as every stage starts it.
void ResetBossState();

struct BossLife {
  int32_t Hp;
  int32_t TimeLimit;  // frames
  int32_t Wait;       // frames before its first attack
  int32_t Attack;     // its first attack
};

struct BossFigures {
  std::span<const BossLife> Lives;  // the first life first
  int32_t DeathAttack;
  // Runs attack BossState.Attack at time t, the attack's clock.
  void (*Attack)(int slot, int32_t t);
  // The steps some bosses add to the common frame; null where a boss has
  // none. The first step of every frame, before the depletion check:
  void (*FrameStart)(int slot) = nullptr;
  // The first step of every depletion, the last one included:
  void (*Depleted)(int slot) = nullptr;
  // The wait before a next life's first attack where it depends on the parts
  // census the boss found at the start of its frame (else the life's Wait):
  int32_t (*LifeWait)(const BossLife& life, int32_t parts) = nullptr;
  // Once a next life has begun (its attack set, its motion stopped), before
  // the break; for a boss that moves or remembers something new:
  void (*NewLife)(int slot, int32_t depletion) = nullptr;
};

// The first life is the one the spawn gives: the kind's hit points, and at
// once the entry, attack 0, which every stage starts the boss state with.
constexpr bool FirstLifeFits(std::span<const BossLife> lives, const EnemyKind& kind) {
  return !lives.empty() && lives[0].Hp == kind.Hp && lives[0].Wait == 0 && lives[0].Attack == 0;
}

// The end of a boss's spawn start, after its motion: the enemy in `slot`
// becomes the boss, with the first life's time limit and its number of parts.
void BeginBoss(int slot, int32_t timeLimit, int32_t partsMax);
// The spawn's last step for the boss, once its kind is applied: the gauge
// full, the clock before its first frame, its bounty, and the boss's tune.
void BossArrives(int slot);
// One frame of the boss in `slot`: the end of a life, the wait, then either
// the death attack or its current attack; last, the parts census is cleared,
// for the parts to count themselves afresh (a boss without parts has none).
void RunBoss(int slot, const BossFigures& figures);

// Ends the current attack: `attack` runs after `wait` frames, the boss
// stands still, and going back to a lower attack counts as a new loop.
void NextBossAttack(int32_t wait, int32_t attack);
// The time limit of the current life, in frames.
void SetBossTime(int32_t frames);
// The hit points of the current life: the boss's Hp, the gauge's full
// value and the life's bounty.
void SetBossHp(int32_t hp);
// A life broken: effects and bullets cleared, seven explosions on the boss.
void BossBreak();
// Every boss's first attack, its entry: it comes down (at the speed its
// spawn start gave it) until t = 100, then stops and attacks 1 after 20.
void BossEntry(int slot, int32_t t);
// The shown gauge as a share of `whole`: GaugeShown * whole / GaugeHp,
// truncated (whole 100 gives the percentage).
int32_t BossGaugeShare(int32_t whole);

// The panel's steps every play frame: the attack's clock runs; while the
// boss fights, so does the life's time.
void TickBossClock();
void CountBossTime();

}  // namespace omb
