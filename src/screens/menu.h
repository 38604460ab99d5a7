// The menu input every front-end screen reads first in its frame.
#pragma once
#include <cstdint>

namespace omb {

// A new press of a direction steps MenuX or MenuY by one, wrapping between 0
// and maxX / maxY, with a click when that axis has somewhere to go; holding a
// direction moves the cursor once. MenuDecision becomes 1 for a new press of
// button 0, -1 for button 1, 0 for neither or both. Unless frame is -1, every
// fourth frame turns the cursor (register 400) on by one picture.
void MenuInput(int32_t maxX, int32_t maxY, int32_t frame);

}  // namespace omb
