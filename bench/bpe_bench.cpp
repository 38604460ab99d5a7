// Byte-pair expansion of one image sheet, against a plain copy of its bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "media/archive.h"
#include "qda_writer.h"

namespace {

// An 8-bit 256 x 256 BMP laid out like our sheets: a palette of 16 hues in
// 16 shades, a 16 x 16 glyph font, shaded ships, glowing bullets, noisy
// explosions and gradient panel bars, all on a black key colour.
std::vector<uint8_t> SheetBmp() {
  constexpr int kSide = 256;
  std::vector<uint8_t> px(kSide * kSide, 0);
  uint32_t seed = 1;
  auto rnd = [&] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
  auto shade = [](double v) { return std::clamp(static_cast<int>(v * 15), 1, 15); };
  auto put = [&](int x, int y, int hue, int level) {
    px[y * kSide + x] = static_cast<uint8_t>(hue * 16 + level);
  };

  for (int g = 0; g < 96; ++g) {  // glyphs: anti-aliased strokes
    const int gx = g % 16 * 16, gy = g / 16 * 16;
    for (int s = 2 + rnd() % 3; s > 0; --s) {
      const double x0 = 3 + rnd() % 10, y0 = 2 + rnd() % 12, dx = 3.0 + rnd() % 10 - x0,
                   dy = 2.0 + rnd() % 12 - y0;
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
          const double t =
              std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy + 1e-9), 0.0, 1.0);
          const double d = std::hypot(x - x0 - t * dx, y - y0 - t * dy);
          if (d < 1.6)
            put(gx + x, gy + y, 15,
                std::max(px[(gy + y) * kSide + gx + x] % 16, shade((1.6 - d) / 0.8)));
        }
    }
  }
  for (int s = 0; s < 16; ++s) {  // ships: lit ellipsoids with wings
    const double rx = 8 + rnd() % 7, ry = 8 + rnd() % 7;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const double nx = (x - 15.5) / rx, ny = (y - 15.5) / ry, d = nx * nx + ny * ny;
        if (d < 1)
          put(s % 8 * 32 + x, 96 + s / 8 * 32 + y, 1 + s % 12,
              shade(std::sqrt(1 - d) * 0.8 - 0.2 * (nx + ny)));
        else if (std::abs(y - 20) < 3 && std::abs(x - 15.5) < rx + 5)
          put(s % 8 * 32 + x, 96 + s / 8 * 32 + y, 1 + s % 12, 5);
      }
  }
  for (int b = 0; b < 16; ++b)  // bullets
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (const double d = std::hypot(x - 7.5, y - 7.5) / (3 + b % 5); d < 1)
          put(b * 16 + x, 160 + y, 1 + b % 12, shade(1 - d));
  for (int e = 0; e < 16; ++e) {  // explosions
    const double r = 4 + e * 0.75;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (const double d = std::hypot(x - 15.5, y - 15.5) + rnd() % 100 / 50.0; d < r)
          put(e % 8 * 32 + x, 176 + e / 8 * 32 + y, 13, shade(1.2 * (1 - d / r)));
  }
  for (int y = 240; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) put(x, y, 14, x / 16);

  constexpr uint32_t kOffset = 14 + 40 + 1024;
  std::vector<uint8_t> bmp(kOffset + px.size(), 0);
  auto le32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  bmp[0] = 'B', bmp[1] = 'M';
  le32(2, static_cast<uint32_t>(bmp.size())), le32(10, kOffset), le32(14, 40), le32(18, kSide),
      le32(22, kSide);
  bmp[26] = 1, bmp[28] = 8;
  for (int i = 0; i < 256; ++i) {
    const double h = i / 16 * 6.283 / 16, v = i % 16 * 17;
    for (int c = 0; c < 3; ++c)
      bmp[54 + 4 * i + c] =
          static_cast<uint8_t>(i / 16 == 15 ? v : v * (0.6 + 0.4 * std::cos(h + (c - 1) * 2.09)));
  }
  for (int y = 0; y < kSide; ++y)
    std::memcpy(&bmp[kOffset + (kSide - 1 - y) * kSide], &px[y * kSide], kSide);
  return bmp;
}

const std::vector<uint8_t>& Sheet() {
  static const std::vector<uint8_t> sheet = SheetBmp();
  return sheet;
}

void BM_ExpandBytePairs(benchmark::State& state) {
  const std::vector<uint8_t>& sheet = Sheet();
  const std::vector<uint8_t> encoded = qda::EncodeBytePairs(sheet);
  std::vector<uint8_t> out;
  for (auto _ : state) {
    if (!omb::ExpandBytePairs(encoded, static_cast<uint32_t>(sheet.size()), out))
      state.SkipWithError("expansion failed");
    benchmark::DoNotOptimize(out.data());
  }
  if (out != sheet) state.SkipWithError("expansion differs");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sheet.size()));
  state.counters["ratio"] = static_cast<double>(encoded.size()) / static_cast<double>(sheet.size());
}
BENCHMARK(BM_ExpandBytePairs);

void BM_MemcpySheet(benchmark::State& state) {
  const std::vector<uint8_t>& sheet = Sheet();
  std::vector<uint8_t> out(sheet.size());
  for (auto _ : state) {
    std::memcpy(out.data(), sheet.data(), sheet.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sheet.size()));
}
BENCHMARK(BM_MemcpySheet);

// The packer's side, for the asset build's time.
void BM_EncodeBytePairs(benchmark::State& state) {
  const std::vector<uint8_t>& sheet = Sheet();
  for (auto _ : state) benchmark::DoNotOptimize(qda::EncodeBytePairs(sheet).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * sheet.size()));
}
BENCHMARK(BM_EncodeBytePairs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
