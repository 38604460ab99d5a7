#include "bmp.h"

#include <cstddef>

namespace assetgen {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 255);
  out.push_back((v >> 8) & 255);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<uint8_t>& pixels,
                                const std::array<Rgb8, 256>& palette) {
  const uint32_t stride = (uint32_t(width) + 3) & ~3u;
  const uint32_t offset = 14 + 40 + 256 * 4;
  const uint32_t imageSize = stride * uint32_t(height);
  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  // File header.
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  // Info header: 8 bits a pixel, uncompressed, every colour used.
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 256);
  Put32(out, 256);
  for (const Rgb8& c : palette) {
    out.push_back(c.B);
    out.push_back(c.G);
    out.push_back(c.R);
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) out.push_back(pixels[size_t(y) * width + x]);
    for (uint32_t p = uint32_t(width); p < stride; ++p) out.push_back(0);
  }
  return out;
}

}  // namespace assetgen
