// The game states' frame handlers and entry routines, chosen by number.
#pragma once
#include <cstdint>

namespace omb {

// Runs the frame handler of `state`; states without one do nothing.
void RunStateHandler(int32_t state);
// Runs the entry routine(s) of `state`, after every object slot was released.
void RunStateEntry(int32_t state);
// Releases all 838 object slots (and so hides their sprites).
void ReleaseAllSlots();

}  // namespace omb
