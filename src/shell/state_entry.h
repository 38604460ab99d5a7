// The entry routine of every game state, and the set-up of a game and of
// each stage.
#pragma once

namespace omb {

void EnterTitle();
void EnterRanking();
void EnterOptions();
void EnterReplaySelect();
void EnterWeaponSelect();
// The first half of EnterWeaponSelect: its variables, without sprites.
void ResetWeaponSelect();
void GameStart();
void StageStart();
void EnterPlay();
void EnterResult();

}  // namespace omb
