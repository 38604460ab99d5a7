// BMP reader: every header field, depth and row order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "media/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  omb::Bitmap bitmap;
  std::string error;
  if (omb::DecodeBmp(file, bitmap, error) &&
      bitmap.Pixels.size() != static_cast<size_t>(bitmap.Width) * bitmap.Height)
    std::abort();
  std::array<uint32_t, 256> palette;
  omb::ReadBmpPalette(file, palette, error);
  return 0;
}
