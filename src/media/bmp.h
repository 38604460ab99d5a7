// Reader of Windows bitmap files: 8, 16, 24 and 32 bits per pixel, stored
// bottom-up or top-down.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace omb {

struct Bitmap {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // 0x00RRGGBB, row 0 at the top
};

// Decodes a whole BMP file. On failure returns false with the reason, worded
// as the player should see it, in `error`.
bool DecodeBmp(std::span<const uint8_t> file, Bitmap& out, std::string& error);

// The colour table of an 8-bit BMP file, as 0x00RRGGBB; entries the file does
// not hold are black. False (with the reason) when the file is no 8-bit BMP.
bool ReadBmpPalette(std::span<const uint8_t> file, std::array<uint32_t, 256>& palette,
                    std::string& error);

}  // namespace omb
