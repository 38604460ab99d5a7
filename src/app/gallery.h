// The pattern gallery: one PNG per firing pattern, for a person to check
// that each figure looks like what its name promises.
#pragma once
#include <string>

namespace omb {

// Run from the game directory (it loads the image sheets). Writes
// DIR/FireSeries.png ... DIR/FireOutline.png: a few argument sets of the
// pattern as rows, the five bullet styles as columns, each figure fired from
// the centre of the field and moved on some frames. 0 on success.
int RunGallery(const std::string& dir);

}  // namespace omb
