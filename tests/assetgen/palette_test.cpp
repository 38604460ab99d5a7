// Quantising drawn pictures to the shared palette: what becomes the key, what
// stays opaque, how close colours come out, and the bitmap the game reads.
#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "bmp.h"
#include "layout.h"
#include "media/bmp.h"
#include "palette.h"

namespace {

using assetgen::Quantise;
using assetgen::Quantised;

struct Surface {
  Surface() : S(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 256)) {}
  ~Surface() { cairo_surface_destroy(S); }
  void Put(int x, int y, uint32_t premultipliedArgb) {
    cairo_surface_flush(S);
    auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(S) +
                                            y * cairo_image_surface_get_stride(S));
    row[x] = premultipliedArgb;
    cairo_surface_mark_dirty(S);
  }
  cairo_surface_t* S;
};

TEST(Palette, KeyIsOnlyForWhatTheFieldWouldShowAsBlack) {
  Surface s;
  s.Put(1, 0, 0xff000000);  // opaque black: an outline, must stay opaque
  s.Put(2, 0, 0x20030303);  // a faint fringe: invisible on black, becomes key
  s.Put(3, 0, 0xff2060c0);  // plain colours
  s.Put(4, 0, 0xffffffff);
  s.Put(5, 0, 0x80400000);  // half-covered red seen over black
  Quantised q = Quantise({s.S});
  const std::vector<uint8_t>& px = q.Pixels[0];
  EXPECT_EQ(px[0], assetgen::KeyIndex) << "untouched pixels are the key";
  EXPECT_EQ(px[1], assetgen::NearBlackIndex);
  EXPECT_EQ(px[2], assetgen::KeyIndex);
  EXPECT_NE(px[3], assetgen::KeyIndex);
  EXPECT_EQ(q.Palette[assetgen::KeyIndex].R + q.Palette[assetgen::KeyIndex].G +
                q.Palette[assetgen::KeyIndex].B, 0);
  auto near = [&](int x, int r, int g, int b) {
    const assetgen::Rgb8& c = q.Palette[px[x]];
    EXPECT_LE(std::abs(c.R - r) + std::abs(c.G - g) + std::abs(c.B - b), 12) << "pixel " << x;
  };
  near(3, 0x20, 0x60, 0xc0);
  near(4, 255, 255, 255);
  near(5, 0x40, 0, 0);
  for (int i = 1; i < 256; ++i) {
    const assetgen::Rgb8& c = q.Palette[i];
    EXPECT_GT(c.R + c.G + c.B, 0) << "entry " << i << " would be taken for the key";
  }
}

TEST(Palette, GradientsKeepTheirSteps) {
  // A smooth ramp must not collapse to a handful of bands.
  Surface s;
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 4; ++y) s.Put(x, y, 0xff000000u | uint32_t(x) << 16 | uint32_t(x / 2) << 8);
  Quantised q = Quantise({s.S});
  std::vector<int> seen;
  for (int x = 0; x < 256; ++x)
    if (seen.empty() || seen.back() != q.Pixels[0][x]) seen.push_back(q.Pixels[0][x]);
  EXPECT_GE(seen.size(), 48u);
}

TEST(Bitmap, EightBitSheetsReadBackWithTheirColours) {
  std::array<assetgen::Rgb8, 256> palette{};
  for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  std::vector<uint8_t> pixels(256 * 256);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(i * 7 + i / 256);
  std::vector<uint8_t> file = assetgen::EncodeBmp8(256, 256, pixels, palette);
  omb::Bitmap b;
  std::string error;
  ASSERT_TRUE(omb::DecodeBmp(file, b, error)) << error;
  ASSERT_EQ(b.Width, 256);
  ASSERT_EQ(b.Height, 256);
  for (int i : {0, 1, 255, 256, 1000, 65535}) {
    const assetgen::Rgb8& c = palette[pixels[i]];
    EXPECT_EQ(b.Pixels[i], uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B) << "pixel " << i;
  }
  std::array<uint32_t, 256> read{};
  ASSERT_TRUE(omb::ReadBmpPalette(file, read, error)) << error;
  EXPECT_EQ(read[200], uint32_t(200) << 16 | uint32_t(55) << 8 | 100);
}

TEST(Layout, CellsOfWrappedRunsAndSharedImages) {
  // runs that wrap start their next row at the run's first column
  EXPECT_EQ(assetgen::StartupCell(102).Cell.X, 160);
  EXPECT_EQ(assetgen::StartupCell(102).Cell.Y, 112);
  EXPECT_EQ(assetgen::StartupCell(445).Cell.X, 222);
  EXPECT_EQ(assetgen::StartupCell(445).Cell.Y, 84);
  // the burst's first frame lies inside the logo
  assetgen::Placed burst = assetgen::StartupCell(321);
  EXPECT_EQ(burst.Image, 4);
  EXPECT_EQ(burst.Cell.X, 240);
  EXPECT_EQ(burst.Cell.Y, 24);
  // one picture, several stages: the raider row of image 9
  for (auto [stage, shape] : {std::pair{1, 600}, {2, 608}, {3, 606}, {4, 621}}) {
    assetgen::Placed p = assetgen::StageCell(stage, shape);
    EXPECT_EQ(p.Image, 9) << "stage " << stage;
    EXPECT_EQ(p.Cell.X, 0);
    EXPECT_EQ(p.Cell.Y, 32);
  }
  EXPECT_EQ(assetgen::StageCell(4, 630).Image, 11);
  EXPECT_EQ(assetgen::StageCell(4, 629).Image, 12);
}

}  // namespace
