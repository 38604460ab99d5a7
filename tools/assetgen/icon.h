// The program's icon for the desktop: the player's ship on a dark disc.
#pragma once
#include <string>
#include <vector>

namespace assetgen {

// The sizes written, each a square of that many pixels.
const std::vector<int>& IconSizes();

// Writes the icon as an RGBA PNG of size x size pixels to `path`; false with
// a reason on failure.
bool WriteIcon(int size, const std::string& path, std::string& error);

}  // namespace assetgen
