#include "persistence/replay.h"

namespace omb {

void WriteReplaySettings() {}
void WriteReplayResult() {}
void SaveStageReplay(int32_t) {}
void LoadReplayInfo(int32_t, bool) {}
void LoadStageInput() {}
void SaveReplay(int32_t) {}
void FindUsedReplaySlots() {}
int32_t AutoReplaySlot() { return 0; }
bool ReplaySlotPlayable(int32_t) { return false; }

}  // namespace omb
