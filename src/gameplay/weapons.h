// The player's weapons: volleys of main and sub shots, the bomb and its
// blasts, the bomb gauge, and the barrier's release of captured bullets as
// special-weapon shots.
#pragma once
#include <cstdint>

namespace omb {

// Kind of a player shot (slots 698 to 757); its Param is the damage per hit.
enum : int32_t { ShotMain = 1, ShotSub = 2, ShotBlast = 3 };

// One main shot straight up and a sub shot from each pod; needs three free
// shot slots or fires nothing.
void FireVolley();
// Play-frame step: moves and animates the shots and blasts.
void UpdateShots();
// A fresh press of the bomb button.
void Bomb();
// Play-frame step: the running bomb cancels bullets and adds blasts.
void UpdateBomb();
// Start of the panel update: a full gauge turns into a bomb.
void CheckBombGauge();
// The barrier button let go: every captured bullet launches this frame.
void ReleaseBarrier();
// A captured bullet becomes a shot of the chosen special weapon.
void Launch(int j);

}  // namespace omb
