// Writer of 8-bit palettised Windows bitmaps, the form of every "cgN.bmp".
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "palette.h"

namespace assetgen {

// A bottom-up 8-bit BMP with a 256-entry colour table; `pixels` holds
// width x height indices, top row first.
std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& pixels,
                                const std::array<Rgb8, 256>& palette);

}  // namespace assetgen
