#include "persistence/replay.h"

#include "shell/start_values.h"

namespace omb {

void ResetReplayVars() {
  // The recorded words are many and all start at 0.
  ReplayInput.fill(0);
  RestoreStartValues<ReplayPlaying, ReplaySlot, ReplaySlotUsed, ReplayFrame, ReplayStageLength, ReplaySys,
                     ReplayDate, PlayEndStateHash>();
}

}  // namespace omb
