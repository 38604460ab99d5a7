// The life cycle every boss shares: a life ends when its hit points or its
// time run out, the next life begins after a wait with its own first attack,
// and the last one ends in the death attack, a string of explosions followed
// by the stage-clear banner. Each boss supplies only its figures and attacks.
#pragma once
#include <cstdint>
#include <span>

namespace omb {

// A life after the first: its hit points, time limit, and the wait before
// its first attack.
struct BossLife {
  int32_t Hp;
  int32_t TimeLimit;
  int32_t Wait;
  int32_t Attack;
};

struct BossFigures {
  std::span<const BossLife> NextLives;  // in order; the first life is the spawn's
  int32_t DeathAttack;
  // Run when a next life has begun (its motion was stopped), before the
  // break; for a boss that moves differently in its new life. May be null.
  void (*NewLife)(int slot, int32_t depletion);
};

// One frame of the boss in `slot`: the end of a life, the wait, then either
// the death attack or `attack`(slot, t) with t the attack's clock.
void RunBoss(int slot, const BossFigures& figures, void (*attack)(int slot, int32_t t));

}  // namespace omb
