// A JSON picture of the game's state, for tests and for comparing runs.
#pragma once
#include <cstdint>
#include <string>

namespace omb {

// The state after a frame: the shell's variables, the input words, the random
// seed and every visible sprite register as [index, X, Y, Shape, Frame].
std::string DumpState();

// A 31-bit hash of the play state that any divergence of two runs reaches,
// for a replay to be checked against the game it recorded. FNV-1a (32 bits,
// offset basis 2166136261, prime 16777619) over each value as four bytes,
// least significant first, in this order: for every active object slot from
// 0 up, the slot and its Kind, Param, PosX, PosY, VelX, VelY, Speed, Angle,
// Life, HitScale and Age; for every active enemy slot from 758 up, the slot
// and its record's AnimEvery, Hp, ExplosionSize, Variant, Bounty, Phase,
// Smokes and Work[0] to Work[9]; BossState's Present, Clock, GaugeShown,
// GaugeHp, Depletions, Slot, Wait, Attack, TimeLeft, TimeLimit, ScoreFactor,
// Parts, PartsMax, Aux0, Aux1 and Loops; then Score and RandSeed. The top
// bit is cleared, so that it fits the replay's summary as a positive integer.
int32_t StateHash();

}  // namespace omb
