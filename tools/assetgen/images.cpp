#include "images.h"

#include <algorithm>
#include <cmath>

#include "art.h"
#include "bmp.h"
#include "canvas.h"

namespace assetgen {

void Rim(Images& images, int image, Rect area, double alpha) {
  cairo_surface_t* s = images.Surface(image);
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  auto at = [&](int x, int y) -> uint32_t& {
    return *reinterpret_cast<uint32_t*>(data + y * stride + x * 4);
  };
  std::vector<uint8_t> solid(size_t(area.W) * area.H, 0);
  for (int y = 0; y < area.H; ++y)
    for (int x = 0; x < area.W; ++x) solid[y * area.W + x] = (at(area.X + x, area.Y + y) >> 24) >= 96;
  const uint32_t a = uint32_t(std::lround(alpha * 255));
  const uint32_t rim = (a << 24) | ((a * 10 / 255) << 16) | ((a * 10 / 255) << 8) | (a * 14 / 255);
  for (int y = 0; y < area.H; ++y)
    for (int x = 0; x < area.W; ++x) {
      uint32_t& px = at(area.X + x, area.Y + y);
      if ((px >> 24) >= 48) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          int u = x + dx, v = y + dy;
          if ((dx || dy) && u >= 0 && v >= 0 && u < area.W && v < area.H && solid[v * area.W + u]) {
            near = true;
            break;
          }
        }
      if (near) px = rim;
    }
  cairo_surface_mark_dirty(s);
}

void Harden(Images& images, int image, Rect area, int level) {
  cairo_surface_t* s = images.Surface(image);
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = area.Y; y < area.Y + area.H; ++y)
    for (int x = area.X; x < area.X + area.W; ++x) {
      uint32_t& px = *reinterpret_cast<uint32_t*>(data + y * stride + x * 4);
      const uint32_t r = (px >> 16) & 255, g = (px >> 8) & 255, b = px & 255;
      px = std::max({r, g, b}) < uint32_t(level) ? 0 : (px | 0xff000000u);
    }
  cairo_surface_mark_dirty(s);
}

Pictures MakePictures() {
  Images images;
  DrawHud(images);
  DrawPlayer(images);
  DrawEffects(images);
  DrawTitle(images);
  DrawBullets(images);
  DrawShared(images);
  DrawStage1(images);
  DrawStage2(images);
  DrawStage3(images);
  DrawStage4(images);

  std::vector<cairo_surface_t*> all;
  for (int n = 1; n <= ImageCount; ++n) all.push_back(images.Surface(n));
  Pictures p;
  p.Indexed = Quantise(all);
  for (int n = 0; n < ImageCount; ++n)
    p.Bmp.push_back(EncodeBmp8(SheetSize, SheetSize, p.Indexed.Pixels[n], p.Indexed.Palette));
  return p;
}

}  // namespace assetgen
