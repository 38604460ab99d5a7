// The image archive as the game reads it: twelve 8-bit sheets on one palette,
// art in every cell a shape cuts, a font whose glyphs all differ, and pieces
// that stay clean when the game stretches them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "generated.h"
#include "media/archive.h"
#include "media/bmp.h"
#include "qda_writer.h"

namespace {

using assetgen_test::GameDir;
using assetgen_test::ReadBytes;

// The shape table the game fills at start-up: first shape, count, sheet,
// cell size, first cell, cells per row.
struct ShapeRun {
  int First, Count, Sheet, W, H, X0, Y0, PerRow;
};
constexpr ShapeRun StartupRuns[] = {
    {0, 96, 1, 16, 16, 0, 0, 16},      {96, 8, 1, 16, 16, 160, 96, 6},
    {104, 1, 1, 160, 96, 0, 96, 1},    {105, 10, 1, 6, 16, 160, 128, 10},
    {115, 10, 1, 6, 16, 160, 144, 10}, {125, 1, 1, 25, 16, 220, 144, 1},
    {126, 2, 1, 16, 16, 192, 112, 2},  {128, 1, 1, 8, 8, 240, 112, 1},
    {129, 8, 1, 8, 8, 160, 160, 8},    {137, 5, 1, 32, 16, 160, 176, 3},
    {149, 1, 4, 256, 64, 0, 0, 1},     {150, 12, 2, 48, 48, 0, 0, 5},
    {162, 9, 2, 32, 32, 96, 96, 5},    {171, 4, 2, 16, 48, 0, 144, 4},
    {175, 20, 2, 16, 16, 96, 160, 10}, {200, 15, 4, 48, 48, 0, 64, 5},
    {215, 11, 6, 64, 64, 0, 48, 4},    {250, 12, 3, 32, 32, 0, 0, 8},
    {262, 16, 3, 16, 16, 128, 32, 8},  {278, 11, 3, 64, 64, 0, 64, 4},
    {290, 4, 4, 48, 48, 0, 0, 4},      {294, 4, 4, 32, 32, 0, 48, 4},
    {298, 8, 4, 32, 32, 0, 80, 8},     {306, 1, 4, 128, 128, 0, 128, 1},
    {307, 15, 4, 8, 8, 192, 16, 8},    {322, 12, 4, 16, 16, 0, 208, 12},
    {334, 8, 2, 16, 16, 0, 192, 8},    {342, 4, 3, 32, 32, 192, 192, 2},
    {350, 8, 5, 32, 32, 0, 104, 8},    {358, 8, 5, 32, 32, 0, 136, 8},
    {366, 4, 5, 16, 16, 0, 88, 4},     {370, 8, 5, 16, 16, 64, 88, 8},
    {378, 4, 5, 24, 24, 128, 0, 4},    {382, 8, 5, 24, 24, 0, 64, 8},
    {390, 4, 5, 32, 32, 0, 0, 4},      {394, 8, 5, 32, 32, 0, 32, 8},
    {402, 8, 5, 32, 32, 0, 176, 8},    {410, 11, 5, 16, 16, 0, 208, 11},
    {421, 4, 5, 32, 32, 0, 224, 4},    {425, 9, 5, 16, 16, 160, 224, 6},
    {434, 4, 5, 10, 10, 192, 64, 4},   {438, 8, 5, 10, 10, 192, 74, 4},
};

// BuildEnemyKinds: stage, first shape, count, sheet slot (7 to 9), cell,
// first cell, cells per row; and the images each stage loads into slots 7-9.
struct StageRun {
  int Stage, First, Count, Slot, W, H, X0, Y0, PerRow;
};
constexpr StageRun StageRuns[] = {
    {1, 600, 4, 7, 48, 48, 0, 32, 8},     {1, 605, 1, 8, 176, 176, 64, 64, 1},
    {1, 606, 1, 9, 240, 160, 0, 0, 1},    {2, 600, 8, 7, 32, 32, 0, 0, 8},
    {2, 608, 5, 7, 48, 48, 0, 32, 8},     {2, 613, 1, 8, 80, 80, 96, 160, 1},
    {2, 614, 5, 9, 64, 64, 0, 0, 4},      {2, 619, 1, 8, 80, 80, 176, 160, 1},
    {2, 620, 1, 8, 80, 80, 176, 160, 1},  {2, 621, 1, 7, 160, 160, 0, 80, 1},
    {3, 600, 5, 7, 48, 48, 0, 0, 8},      {3, 605, 1, 8, 96, 96, 0, 160, 1},
    {3, 606, 5, 9, 48, 48, 0, 32, 8},     {3, 611, 6, 7, 48, 48, 0, 48, 5},
    {3, 617, 1, 7, 160, 160, 48, 96, 1},  {4, 600, 1, 7, 96, 96, 0, 96, 1},
    {4, 601, 6, 7, 48, 48, 0, 0, 5},      {4, 607, 6, 7, 32, 32, 0, 192, 8},
    {4, 613, 8, 8, 32, 32, 0, 0, 8},      {4, 621, 5, 8, 48, 48, 0, 32, 8},
    {4, 626, 4, 9, 128, 128, 0, 0, 2},    {4, 630, 1, 7, 128, 128, 96, 64, 1},
};
constexpr int SlotImages[4][3] = {{9, 8, 7}, {9, 7, 8}, {10, 7, 9}, {11, 9, 12}};

struct Sheets {
  std::vector<std::vector<uint8_t>> Files;  // "cg1.bmp" .. "cg12.bmp" as read back
  std::vector<omb::Bitmap> Bitmaps;
};

const Sheets& Read() {
  static Sheets s = [] {
    Sheets out;
    std::string archive = (GameDir() / "cg.qda").string();
    for (int n = 1; n <= 12; ++n) {
      std::vector<uint8_t> bytes;
      std::string error;
      omb::Bitmap bmp;
      EXPECT_TRUE(omb::OpenArchiveEntry(archive, "cg" + std::to_string(n) + ".bmp", bytes, error))
          << error;
      EXPECT_TRUE(omb::DecodeBmp(bytes, bmp, error)) << "cg" << n << ".bmp: " << error;
      out.Files.push_back(std::move(bytes));
      out.Bitmaps.push_back(std::move(bmp));
    }
    return out;
  }();
  return s;
}

// Every test that looks at pixels first checks that all twelve sheets came
// back whole, so a missing archive fails cleanly instead of reading nothing.
bool AllRead() {
  const Sheets& s = Read();
  if (s.Bitmaps.size() != 12) return false;
  for (const omb::Bitmap& b : s.Bitmaps)
    if (b.Width != 256 || b.Height != 256 || b.Pixels.size() != 256u * 256u) return false;
  return true;
}

uint32_t Pixel(const omb::Bitmap& b, int x, int y) { return b.Pixels[size_t(y) * b.Width + x]; }

// True when the rectangle holds a pixel other than the sheet's key.
bool HasArt(const omb::Bitmap& b, int x0, int y0, int w, int h) {
  const uint32_t key = Pixel(b, 0, 0);
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (Pixel(b, x, y) != key) return true;
  return false;
}

std::vector<uint32_t> Block(const omb::Bitmap& b, int x0, int y0, int w, int h) {
  std::vector<uint32_t> v;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) v.push_back(Pixel(b, x, y));
  return v;
}

TEST(Archive, HoldsTwelveEncodedSheetsThatPackBackToTheSameBytes) {
  std::vector<uint8_t> file = ReadBytes(GameDir() / "cg.qda");
  bool compressed = false;
  std::vector<omb::ArchiveListing> listing;
  std::string error;
  ASSERT_TRUE(omb::ListArchive(file, compressed, listing, error)) << error;
  EXPECT_TRUE(compressed);
  ASSERT_EQ(listing.size(), 12u);
  ASSERT_TRUE(AllRead());
  std::vector<qda::Entry> entries;
  for (int n = 1; n <= 12; ++n) {
    EXPECT_EQ(listing[n - 1].Name, "cg" + std::to_string(n) + ".bmp");
    EXPECT_LT(listing[n - 1].StoredSize, listing[n - 1].FullSize) << "pair encoding saved nothing";
    entries.push_back({listing[n - 1].Name, Read().Files[n - 1]});
  }
  // What the game's reader expands, the writer encodes back to the archive.
  EXPECT_EQ(qda::Pack(entries, true), file);
}

TEST(Archive, SheetsAre256SquareEightBitOnOnePaletteWithABlackKey) {
  ASSERT_TRUE(AllRead());
  std::array<uint32_t, 256> first{};
  for (int n = 1; n <= 12; ++n) {
    SCOPED_TRACE("cg" + std::to_string(n) + ".bmp");
    const std::vector<uint8_t>& bytes = Read().Files[n - 1];
    ASSERT_GE(bytes.size(), 30u);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 8) << "bits per pixel";
    std::array<uint32_t, 256> palette{};
    std::string error;
    ASSERT_TRUE(omb::ReadBmpPalette(bytes, palette, error)) << error;
    if (n == 1)
      first = palette;
    else
      EXPECT_EQ(palette, first) << "every sheet shares the palette of cg1.bmp";
    const omb::Bitmap& b = Read().Bitmaps[n - 1];
    ASSERT_EQ(b.Width, 256);
    ASSERT_EQ(b.Height, 256);
    EXPECT_EQ(Pixel(b, 0, 0), 0x000000u) << "the key is the field's black";
  }
  // The key is a palette entry of its own: nothing visible may share it.
  EXPECT_EQ(std::count(first.begin(), first.end(), 0x000000u), 1);
}

TEST(Shapes, EveryStartupShapeHasArtInsideItsSheet) {
  ASSERT_TRUE(AllRead());
  for (const ShapeRun& r : StartupRuns) {
    const omb::Bitmap& b = Read().Bitmaps[r.Sheet - 1];
    for (int i = 0; i < r.Count; ++i) {
      int shape = r.First + i;
      int x = r.X0 + (i % r.PerRow) * r.W, y = r.Y0 + (i / r.PerRow) * r.H;
      SCOPED_TRACE("shape " + std::to_string(shape));
      ASSERT_LE(x + r.W, 256);
      ASSERT_LE(y + r.H, 256);
      if (shape == 0)
        EXPECT_FALSE(HasArt(b, x, y, r.W, r.H)) << "the space glyph must stay clear";
      else
        EXPECT_TRUE(HasArt(b, x, y, r.W, r.H));
    }
  }
}

TEST(Shapes, EveryStageShapeHasArtOnTheImageItsStageLoads) {
  ASSERT_TRUE(AllRead());
  for (const StageRun& r : StageRuns) {
    const int image = SlotImages[r.Stage - 1][r.Slot - 7];
    const omb::Bitmap& b = Read().Bitmaps[image - 1];
    for (int i = 0; i < r.Count; ++i) {
      int x = r.X0 + (i % r.PerRow) * r.W, y = r.Y0 + (i / r.PerRow) * r.H;
      SCOPED_TRACE("stage " + std::to_string(r.Stage) + " shape " + std::to_string(r.First + i) +
                   " on image " + std::to_string(image));
      ASSERT_LE(x + r.W, 256);
      ASSERT_LE(y + r.H, 256);
      EXPECT_TRUE(HasArt(b, x, y, r.W, r.H));
    }
  }
}

TEST(Shapes, AnimationFramesDiffer) {
  ASSERT_TRUE(AllRead());
  // Runs the game animates: bullets, effects, the cursor, the markers, the
  // ship's lean. A run whose frames were all alike would not move.
  const int animated[][2] = {{96, 8},   {150, 7}, {157, 5}, {162, 9}, {175, 10}, {215, 11},
                             {250, 12}, {278, 11}, {322, 12}, {334, 8}, {350, 8},  {366, 4},
                             {370, 8},  {378, 4},  {382, 8},  {390, 4}, {394, 8},  {402, 8},
                             {410, 11}, {421, 4},  {425, 9},  {434, 4}, {438, 8},  {200, 5}};
  for (auto [first, count] : animated) {
    const ShapeRun* run = nullptr;
    for (const ShapeRun& r : StartupRuns)
      if (first >= r.First && first < r.First + r.Count) run = &r;
    ASSERT_NE(run, nullptr);
    const omb::Bitmap& b = Read().Bitmaps[run->Sheet - 1];
    std::set<std::vector<uint32_t>> frames;
    for (int k = 0; k < count; ++k) {
      int i = first - run->First + k;
      frames.insert(Block(b, run->X0 + (i % run->PerRow) * run->W, run->Y0 + (i / run->PerRow) * run->H,
                          run->W, run->H));
    }
    EXPECT_GE(frames.size(), size_t(count) * 3 / 4) << "shapes from " << first;
  }
}

TEST(Font, PrintableGlyphsAreAllDrawnAndAllDifferent) {
  ASSERT_TRUE(AllRead());
  const omb::Bitmap& b = Read().Bitmaps[0];
  std::set<std::vector<uint32_t>> seen;
  for (int code = 33; code <= 126; ++code) {
    int i = code - 32;
    int x = (i % 16) * 16, y = (i / 16) * 16;
    EXPECT_TRUE(HasArt(b, x, y, 16, 16)) << "glyph '" << char(code) << "'";
    EXPECT_TRUE(seen.insert(Block(b, x, y, 16, 16)).second)
        << "glyph '" << char(code) << "' looks like another";
  }
}

TEST(Stretching, GaugesStayCleanSidewaysAndTheLaserFromTopToBottom) {
  ASSERT_TRUE(AllRead());
  const omb::Bitmap& sheet1 = Read().Bitmaps[0];
  // bomb gauge frame and bar (16 x 16), boss gauge bar (8 x 8): stretched
  // sideways, so each row must be one colour across
  const int pieces[][3] = {{192, 112, 16}, {208, 112, 16}, {240, 112, 8}};
  for (auto [x0, y0, size] : pieces)
    for (int y = y0; y < y0 + size; ++y)
      for (int x = x0; x < x0 + size; ++x)
        EXPECT_EQ(Pixel(sheet1, x, y), Pixel(sheet1, x0, y)) << "at " << x << ", " << y;
  // LASER frames are drawn 480 pixels tall: each column one colour down
  const omb::Bitmap& sheet5 = Read().Bitmaps[4];
  for (int f = 0; f < 11; ++f)
    for (int x = f * 16; x < f * 16 + 16; ++x)
      for (int y = 208; y < 224; ++y)
        EXPECT_EQ(Pixel(sheet5, x, y), Pixel(sheet5, x, 208)) << "LASER frame " << f;
}

TEST(Bullets, CancellableAndSolidDifferInColour) {
  ASSERT_TRUE(AllRead());
  // The barrier takes one kind and not the other; the player must see which.
  // Mean hue of the cancellable bullets against the solid ones, size by size.
  const omb::Bitmap& b = Read().Bitmaps[4];
  auto mean = [&](int x0, int y0, int size) {
    double r = 0, g = 0, bl = 0;
    int n = 0;
    for (int y = y0; y < y0 + size; ++y)
      for (int x = x0; x < x0 + size; ++x) {
        uint32_t p = Pixel(b, x, y);
        if (!p) continue;
        r += (p >> 16) & 255, g += (p >> 8) & 255, bl += p & 255;
        ++n;
      }
    return std::array<double, 3>{r / n, g / n, bl / n};
  };
  const int cells[][5] = {{192, 64, 192, 74, 10}, {0, 88, 64, 88, 16}, {128, 0, 0, 64, 24},
                          {0, 0, 0, 32, 32}};
  for (auto [cx, cy, sx, sy, size] : cells) {
    auto c = mean(cx, cy, size), s = mean(sx, sy, size);
    double d = std::abs(c[0] - s[0]) + std::abs(c[1] - s[1]) + std::abs(c[2] - s[2]);
    EXPECT_GT(d, 90) << "size " << size;
  }
}

}  // namespace
