// Every contact in play: shots and blasts against enemies, enemies pushing
// the ship, bullets against the ship or the barrier, special-weapon shots
// against enemies; the damage, destruction and capture that follow. Hit
// sizes are drawn sizes scaled by HitScale percent; the ship's HitScale is 0,
// so only its centre point counts.
#pragma once
#include <cstdint>

namespace omb {

// Centre of the enemy last hit by a shot or blast, or of the enemy whose
// behaviour runs (the enemy update hands its centre over here).
inline int32_t LastHitX = 0, LastHitY = 0;

void ResetCollision();

// The lowest active slot of lo..hi whose scaled box overlaps or touches i's.
int FindBoxHit(int i, int lo, int hi);
// The lowest active slot of lo..hi within the circle test of i. The circle
// tests compare the squared distance with the sum of the squared radii.
int FindCircleHit(int i, int lo, int hi);
// j when the two circles meet, else -1.
int CircleHit(int i, int j);
// 1 when j's centre lies within i's circle grown by inner, 0 when within it
// grown by outer, else -1.
int RingTest(int i, int j, int32_t inner, int32_t outer);

// Play-frame contact steps, run only while the ship is alive.
void ShotsVsEnemies();
void EnemiesVsShip();
void BulletsVsShip();     // barrier below 60, or NON-BARRIER mode
void BulletsVsBarrier();  // barrier of 60 and more

void DamageEnemy(int j, int32_t damage, int32_t multiplier);
// An enemy below 1 Hp is destroyed (a boss only shows its pop-up: its
// behaviour ends its life).
void KillCheck(int j, int32_t multiplier);
void PlayerHit(bool cancellable);
// Bullet j is taken by the barrier: it stands still, harmless, until it
// launches as a special-weapon shot.
void Capture(int j);
// Special-weapon shot i against every enemy it overlaps.
void SpecialVsEnemies(int i);

}  // namespace omb
