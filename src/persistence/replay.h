// Replays: every live game records its input words stage by stage; playback
// puts the recorded words in their place.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

constexpr int ReplayInputLength = 25001;  // words of one stage, at most

inline bool ReplayPlaying = false;
inline int32_t ReplaySlot = 1;
inline std::array<bool, 150> ReplaySlotUsed{};
inline int32_t ReplayFrame = 0;
inline std::array<int32_t, ReplayInputLength> ReplayInput{};
inline std::array<int32_t, 5> ReplayStageLength{};
inline std::array<int32_t, 31> ReplaySys{};

void ResetReplayVars();

// The recorded word of `frame`, or where the stored length points outside the
// table (a damaged replay file), the nearest word inside it.
inline int32_t& ReplayWord(int32_t frame) {
  return ReplayInput[frame < 0 ? 0 : (frame >= ReplayInputLength ? ReplayInputLength - 1 : frame)];
}

}  // namespace omb
