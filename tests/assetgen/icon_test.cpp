// The desktop icon: written in every size in an icon theme's layout, the same
// bytes on every run, and a round picture - clear in the corners, the ship
// opaque and bright in the middle.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "generated.h"
#include "icon.h"

namespace {

using assetgen_test::ReadBytes;
using assetgen_test::RunAssetgen;
using assetgen_test::ScratchDir;

std::filesystem::path IconPath(const std::filesystem::path& dir, int size) {
  const std::string n = std::to_string(size);
  return dir / (n + "x" + n) / "apps" / "ombrezza.png";
}

// Alpha and brightness (the largest channel) of one pixel.
struct Pixel {
  int Alpha, Bright;
};
Pixel At(cairo_surface_t* s, int x, int y) {
  const uint8_t* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  const uint32_t v = reinterpret_cast<const uint32_t*>(row)[x];
  const int r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
  return {static_cast<int>(v >> 24), std::max({r, g, b})};
}

TEST(Icon, EverySizeIsWrittenTheSameWayTwice) {
  const std::filesystem::path first = ScratchDir("icons1"), second = ScratchDir("icons2");
  ASSERT_EQ(RunAssetgen("--icons '" + first.string() + "'"), 0);
  ASSERT_EQ(RunAssetgen("--icons '" + second.string() + "'"), 0);
  ASSERT_FALSE(assetgen::IconSizes().empty());
  for (int size : assetgen::IconSizes()) {
    EXPECT_EQ(ReadBytes(IconPath(first, size)), ReadBytes(IconPath(second, size))) << size;

    cairo_surface_t* s = cairo_image_surface_create_from_png(IconPath(first, size).c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << size;
    EXPECT_EQ(cairo_image_surface_get_width(s), size);
    EXPECT_EQ(cairo_image_surface_get_height(s), size);
    EXPECT_EQ(cairo_image_surface_get_format(s), CAIRO_FORMAT_ARGB32) << "the corners need alpha";
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
      EXPECT_EQ(At(s, x, y).Alpha, 0) << size << " corner " << x << "," << y;
    }
    // The hull crosses the middle; the disc's edge is opaque too.
    EXPECT_EQ(At(s, size / 2, size / 2).Alpha, 255) << size;
    EXPECT_GT(At(s, size / 2, size / 2).Bright, 100) << size << ": the ship, not the dark disc";
    EXPECT_EQ(At(s, size / 2, size / 32 + 2).Alpha, 255) << size;
    cairo_surface_destroy(s);
  }
}

}  // namespace
