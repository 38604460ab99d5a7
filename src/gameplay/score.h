// The rules of the five game modes, the count of play time with the bullet
// style's score drift, and the score pop-ups.
#pragma once
#include <cstdint>

namespace omb {

// First step of every play frame: Odds and the mode's own rules.
void ApplyModeRules();
// Second step: the play time, the bullet-style drift, and the bullets fired
// while no one plays taken back.
void CountPlayTime();

// Pop-ups take slots 568 to 607 in turn, whether or not the slot is free.
void MultiplierPopup(int32_t x, int32_t y, int32_t multiplier);  // only above 1
void BonusPopup(int32_t x, int32_t y);
void UpdatePopups();

}  // namespace omb
