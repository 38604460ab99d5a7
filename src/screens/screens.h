// The front-end screens' frame handlers, run by the state dispatch while
// their state is current.
#pragma once
#include "screens/menu.h"

namespace omb {

void TitleFrame();         // GameState 0
void RankingFrame();       // GameState 2
void OptionsFrame();       // GameState 3
void ReplaySelectFrame();  // GameState 8
void WeaponSelectFrame();  // GameState 9
void ResultFrame();        // GameState 11

}  // namespace omb
