// Stage scripts: the timeline of enemy appearances of each stage, built at
// stage start by the builder of the stage's look (each in its stage's file)
// and read every play frame by RunStageScript. Positions may be random,
// timing never is.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

struct ScriptEntry {
  int16_t Time;   // stage frame; -2 warning marker, -1 end of script
  int16_t X;      // top-left of the sprite in the 480 x 480 field
  int16_t Y;
  uint8_t Spawn;  // spawn code of the stage

  bool operator==(const ScriptEntry&) const = default;
};

inline constexpr int ScriptCapacity = 801;
inline constexpr int16_t ScriptWarning = -2;
inline constexpr int16_t ScriptEnd = -1;

inline std::array<ScriptEntry, ScriptCapacity> StageScript{};
inline int32_t ScriptPos = 0;     // next entry RunStageScript reads
inline bool ScriptHold = false;   // set by enemies that stop the script while alive
inline int32_t ScriptTime = 150;  // builder's time cursor; every builder starts here
inline int32_t ScriptCount = 0;   // entries written so far

// The builders' steps. A builder opens the script, appends its entries while
// moving ScriptTime forward, then closes with the warning, the boss (with
// anything that comes with it) and the end marker. Random positions are drawn
// when their entry is added, in the written order, since replays rebuild the
// scripts from the same generator sequence: never put two Random calls in one
// expression, as argument evaluation order is unspecified.
void OpenScript();
// Appends one entry at the cursor's time (its low 16 bits, so the markers'
// -2 and -1 survive). An entry beyond the table is dropped.
void AddEntry(int32_t spawn, int32_t x, int32_t y);
// The warning marker, read as soon as the reader reaches it, i.e. together
// with the last regular entries; leaves the cursor 100 frames on, where the
// boss comes.
void AddWarning();
void AddEnd();

// The builder of stage look `look`; any other look gets an empty script,
// just the end marker.
void BuildStageScript(int32_t look);

// Start values of the script variables and an empty table.
void ResetStageScript();

}  // namespace omb
