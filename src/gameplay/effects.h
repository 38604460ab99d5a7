// Sparks, explosions, smoke, debris and the ship's burst: effects slots 608
// to 697, which never collide with anything. Their random draws come from
// the game's one generator, so their number and order are part of a replay.
#pragma once
#include <cstdint>

namespace omb {

void Spark(int32_t x, int32_t y);       // where a shot hits
void Explosion(int32_t x, int32_t y);   // an enemy's end
void SmallSpark(int32_t x, int32_t y);  // an ENERGY hit, now and then
void EmitSmoke(int32_t x, int32_t y);   // from a damaged large enemy
// Up to n pieces flying out from (x, y).
void Debris(int32_t x, int32_t y, int32_t n);
// n + 1 explosions scattered over slot i's picture, then debris.
void BigExplosion(int i, int32_t n);
// The ship destroyed: an explosion and 32 falling pieces.
void PlayerBurst();
void ClearEffects();
// Play-frame step.
void UpdateEffects();

}  // namespace omb
