// The small routines with which enemy behaviours steer their boss.
#pragma once
#include <cstdint>

namespace omb {

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
// The next step of an enemy's own state machine, its age back to 0.
void NextPhase(int slot);

}  // namespace omb
