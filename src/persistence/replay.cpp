#include "persistence/replay.h"

namespace omb {

void ResetReplayVars() {
  ReplayPlaying = false;
  ReplaySlot = 1;
  ReplaySlotUsed.fill(false);
  ReplayFrame = 0;
  ReplayInput.fill(0);
  ReplayStageLength.fill(0);
  ReplaySys.fill(0);
  ReplayDate.fill(0);
}

}  // namespace omb
