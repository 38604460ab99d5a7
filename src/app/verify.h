// Replay verification: a saved replay played back without a window or a
// picture, and its stored result compared with the re-simulated one.
#pragma once
#include <cstdint>

namespace omb {

// Runs from the game directory, on the platform already in place. Plays slot
// `slot` back as the replay select screen starts it: from the title's seed,
// through every recorded stage, up to the frame of the last stage at which
// the live game's result was taken (kept in the summary). Prints one line
// per result field that differs. Returns 0 when all agree, 1 on a
// difference, 2 when the slot cannot be played.
int VerifyReplay(int32_t slot);

}  // namespace omb
