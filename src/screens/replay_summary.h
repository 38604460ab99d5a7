// The summary of a replay as the replay screens show it: the player's
// settings from the game variables (LoadReplayInfo puts a slot's summary
// there), the rest straight from ReplaySys.
#pragma once
#include <cstdint>

#include "screens/text.h"

namespace omb {

enum SummaryItem : int32_t {
  SummaryScore,
  SummaryMode,
  SummaryWeapon,
  SummarySpecial,
  SummaryStage,    // "ALL" for a game cleared from stage 1, else first >> last
  SummaryDate,     // minute-second.millisecond, padded
  SummaryTime,
  SummaryBullets,
  SummaryDamage,
  SummaryBombs,
  SummaryNoBomb,
};
// Lines score to damage are the file data of the replay list; the
// presentation before playback adds the two bomb lines.
constexpr int32_t SummaryFileDataLines = SummaryDamage + 1;
constexpr int32_t SummaryLines = SummaryNoBomb + 1;

TextLine SummaryLine(int32_t item);
// "STAGE  " + first + ">>" + last.
TextLine StageSpanLine(int32_t first, int32_t last);

}  // namespace omb
