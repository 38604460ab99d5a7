// The enemy system: the stage script turned into enemies, the 30 enemy slots
// (758 to 787) with a second record each, the current stage's enemy kinds,
// and (boss.h) the state of the boss that every stage ends with.
#pragma once
#include <array>
#include <cstdint>

#include "enemies/kinds.h"
#include "objects/objects.h"

namespace omb {

// The second record of enemy slot 758 + i.
struct EnemyRecord {
  int32_t AnimEvery = 0;  // frames per animation step, -1 never
  int32_t Hp = 0;         // destroyed below 1
  uint8_t ExplosionSize = 0;
  int32_t Variant = 0;  // a behaviour's variation, chosen at spawn
  int32_t Bounty = 0;   // paid on destruction; grown by special-weapon hits
  uint8_t Phase = 0;    // step of the behaviour's own state machine
  bool Smokes = false;  // a large enemy: it smokes once below 1000 Hp
  std::array<int32_t, 10> Work{};
};

constexpr int EnemyKindCapacity = 51;

inline std::array<EnemyRecord, 30> EnemyTable{};
inline std::array<EnemyKind, EnemyKindCapacity> EnemyKinds{};
inline std::array<int32_t, 6> SpawnArgs{};  // what a parent hands its child
inline int32_t EnemyAge = 0;                // the Age of the enemy whose behaviour runs

// The second record of an enemy slot.
inline EnemyRecord& Enemy(int slot) { return EnemyTable[slot - EnemyFirst]; }

// Every variable of the enemy system back to its start value.
void ResetEnemies();

// Play-frame steps: spawn what the script schedules for this stage frame,
// then move every enemy and run its behaviour.
void RunStageScript();
void UpdateEnemies();

// One enemy of the current stage; -1 when all 30 slots are taken. Script
// spawns take the lowest free slot, children of enemies (fromTop) the highest.
int SpawnEnemy(int32_t spawn, int32_t x, int32_t y, bool fromTop);
void ApplyEnemyKind(int slot, int32_t kind);
void SetEnemyTag(int slot, int32_t variant);
// +1 left of the middle (the enemy will face or move right), else -1.
inline int32_t SideOf(int32_t x) { return x < 240 ? 1 : -1; }

// Stage start: the stage's three sheets, its shapes from 600 up and its kinds.
void BuildEnemyKinds();

// The next step of an enemy's own state machine, its age back to 0.
void NextPhase(int slot);

// Words every stage's behaviours use. Tilt: the sprite banks by its
// sideways speed (frames -2 to 2). Jittered: the angle turned by a random
// -15 to 15 (one draw), wrapped.
void Tilt(int slot);
int32_t Jittered(int32_t angle);

// A point of the field, in pixels.
struct Point {
  int32_t X, Y;
};
// A gun of a craft's muzzle table, from the top left of its picture; the
// right gun of a mirrored pair lies MirrorX further right.
struct Gun {
  int32_t X, MirrorX, Y;
};
// Where `gun` of the enemy in `slot` fires from: the left gun of its pair
// for s = 0, the right one for s = 1.
Point GunAt(int slot, const Gun& gun, int32_t s);
// The angle from a point, or from the enemy in `slot`, to the ship's centre
// (unwrapped).
int32_t AimFrom(Point p);
int32_t Aim(int slot);

}  // namespace omb
