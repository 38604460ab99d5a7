// The twelve pictures of "cg.qda": drawn, then quantised to one palette and
// encoded as 8-bit bitmaps.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"

namespace assetgen {

struct Pictures {
  Quantised Indexed;                      // palette and index pixels of images 1..12
  std::vector<std::vector<uint8_t>> Bmp;  // "cg1.bmp" .. "cg12.bmp"
};

Pictures MakePictures();

}  // namespace assetgen
