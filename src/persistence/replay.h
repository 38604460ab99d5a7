// Replays: every live game records its input words stage by stage; playback
// puts the recorded words in their place.
#pragma once
#include <array>
#include <cstdint>

#include "shell/game_vars.h"

namespace omb {

constexpr int ReplayInputLength = 25001;  // words of one stage, at most

inline bool ReplayPlaying = false;
inline int32_t ReplaySlot = 1;
inline std::array<bool, 150> ReplaySlotUsed{};
inline int32_t ReplayFrame = 0;
inline std::array<int32_t, ReplayInputLength> ReplayInput{};
inline std::array<int32_t, StageCount + 1> ReplayStageLength{};  // by stage; entry 0 is never used
inline std::array<int32_t, 31> ReplaySys{};
// When the game ended: year, month, day, hour, minute, second, millisecond.
inline std::array<uint16_t, 7> ReplayDate{};
// The state hash of the last play frame of the game, taken as play ends.
inline int32_t PlayEndStateHash = 0;

// The fields of ReplaySys.
enum : int {
  SysButtons = 0,  // 0-5
  SysSubShot = 6,
  SysSpecialWeapon = 7,
  SysGameMode = 8,
  SysScore = 9,
  SysDate = 10,  // 10-16, as ReplayDate
  SysStartStage = 17,
  SysLastStage = 18,
  SysPlayTime = 19,
  SysBulletsFired = 20,
  SysGameCleared = 21,
  SysHitsByCancellable = 22,
  SysHitsBySolid = 23,
  SysDamageTaken = 24,
  SysBombsUsed = 25,
  SysNoBombStreak = 26,
  SysBulletStyle = 27,
  SysEndFrame = 28,  // the last stage's StageFrame when the result was taken
  SysStateHash = 29,  // StateHash() of the last play frame; 0 in older replays
};

void ResetReplayVars();

// Whether slot n (any number) was found in use; false outside 0-149.
inline bool ReplaySlotInUse(int32_t n) {
  return n >= 0 && n < static_cast<int32_t>(ReplaySlotUsed.size()) && ReplaySlotUsed[static_cast<std::size_t>(n)];
}

// The replay files in "replay/": the temporary files of the game being
// played ("Repsys.rep", "Rep0.rep" to "Rep4.rep") and the six files of each
// of the 150 slots ("Replay" + n + "_sys.rep", "_0.rep" to "_4.rep").

// A live game's settings (GameStart) into the summary, written to
// "replay/Repsys.rep". Nothing during playback.
void WriteReplaySettings();
// The result of the game just ended (EnterResult), with the date from the
// clock, into the summary, written when "replay/Repsys.rep" exists.
void WriteReplayResult();
// The recording of the stage just completed: `a` is 0 from a stage start,
// 1 from the result. Nothing during playback.
void SaveStageReplay(int32_t a);
// Reads the summary and stage lengths of `slot` (saved) or of the game just
// played (not saved), when their files exist, then puts the summary into the
// game's variables.
void LoadReplayInfo(int32_t slot, bool saved);
// Playback, at a stage start: this stage's recorded words of ReplaySlot.
void LoadStageInput();
// Moves the temporary files into slot n, replacing what it held.
void SaveReplay(int32_t n);
// Whether each slot's summary file exists.
void FindUsedReplaySlots();
// The lowest free slot, or 0 when all are used.
int32_t AutoReplaySlot();
// Whether the slot can be played back: its summary and the stage files it
// needs are there, whole and within range. Says why not on stderr.
bool ReplaySlotPlayable(int32_t slot);

// The recorded word of `frame`, or where the stored length points outside the
// table (a damaged replay file), the nearest word inside it.
inline int32_t& ReplayWord(int32_t frame) {
  return ReplayInput[frame < 0 ? 0 : (frame >= ReplayInputLength ? ReplayInputLength - 1 : frame)];
}

}  // namespace omb
