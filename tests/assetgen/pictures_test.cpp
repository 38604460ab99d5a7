// The image archive as the game reads it: twelve 8-bit sheets on one palette,
// art in every cell a shape cuts, a font whose glyphs all differ, pieces that
// stay clean when the game stretches them, and the few things a player must
// be able to read in the thick of play.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "generated.h"
#include "layout.h"
#include "media/archive.h"
#include "media/bmp.h"
#include "qda_writer.h"

namespace {

using assetgen_test::GameDir;
using assetgen_test::ReadBytes;

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

// The pixels of start-up shape `shape`, row by row.
std::vector<uint32_t> CellPixels(int shape) {
  const assetgen::Placed p = assetgen::StartupCell(shape);
  return Block(Read().Bitmaps[p.Image - 1], p.Cell.X, p.Cell.Y, p.Cell.W, p.Cell.H);
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

TEST(Shapes, EveryShapeHasArtInsideItsSheet) {
  ASSERT_TRUE(AllRead());
  // The game's own tables: start-up (stage 0), then the shapes each stage cuts.
  for (int stage = 0; stage <= 4; ++stage)
    for (const assetgen::Run& r : stage == 0 ? assetgen::StartupRuns() : assetgen::StageRuns(stage)) {
      const int image = stage == 0 ? r.Sheet : assetgen::StageImage(stage, r.Sheet);
      for (int i = 0; i < r.Count; ++i) {
        const assetgen::Rect c = r.Cell(i);
        SCOPED_TRACE("stage " + std::to_string(stage) + " shape " + std::to_string(r.First + i));
        ASSERT_LE(c.X + c.W, 256);
        ASSERT_LE(c.Y + c.H, 256);
        const bool space = stage == 0 && r.First + i == 0;  // the space glyph stays clear
        EXPECT_NE(HasArt(Read().Bitmaps[image - 1], c.X, c.Y, c.W, c.H), space);
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
    std::set<std::vector<uint32_t>> frames;
    for (int k = 0; k < count; ++k) frames.insert(CellPixels(first + k));
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

// Brightness as the eye takes a pixel on the black field: its strongest channel.
int Bright(uint32_t p) { return std::max({(p >> 16) & 255, (p >> 8) & 255, p & 255}); }

double MeanBright(const std::vector<uint32_t>& pixels) {
  double sum = 0;
  int n = 0;
  for (uint32_t p : pixels)
    if (p != 0) sum += Bright(p), ++n;
  return n ? sum / n : 0;
}

// What a player must make out in the thick of play, shape by shape: text
// ringed in dark so it reads over bullets, the ship's hit point marked bright
// at the centre of every lean, and flashes and blasts that light the field
// up rather than dim it, never darker on average than its stars.
TEST(Readability, TextShipFlashesAndBlasts) {
  ASSERT_TRUE(AllRead());
  enum Rule { Outlined, BrightCentre, NotDarkerThanStars };
  const struct {
    const char* What;
    int First, Count;
    Rule Must;
  } table[] = {{"glyph", 1, 95, Outlined},
               {"countdown", 105, 21, Outlined},
               {"ship", 150, 7, BrightCentre},
               {"cancel flash", 350, 16, NotDarkerThanStars},
               {"bomb blast", 215, 11, NotDarkerThanStars}};
  double stars = 0;
  for (int k = 0; k < 8; ++k) stars += MeanBright(CellPixels(129 + k)) / 8;
  for (const auto& row : table)
    for (int shape = row.First; shape < row.First + row.Count; ++shape) {
      SCOPED_TRACE(std::string(row.What) + " " + std::to_string(shape));
      const assetgen::Rect c = assetgen::StartupCell(shape).Cell;
      const std::vector<uint32_t> px = CellPixels(shape);
      auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= c.W || y >= c.H ? 0 : px[y * c.W + x]; };
      switch (row.Must) {
        case Outlined:
          for (int y = 0; y < c.H; ++y)
            for (int x = 0; x < c.W; ++x) {
              if (Bright(at(x, y)) < 128) continue;  // not a stroke
              for (int d = 0; d < 9; ++d)
                ASSERT_NE(at(x + d % 3 - 1, y + d / 3 - 1), 0u) << "bare stroke at " << x << ", " << y;
            }
          break;
        case BrightCentre:
          EXPECT_GE(Bright(at(c.W / 2, c.H / 2)), 230);
          break;
        case NotDarkerThanStars:
          EXPECT_GE(MeanBright(px), stars);
          break;
      }
    }
}

TEST(Stretching, GaugesStayCleanSidewaysAndTheLaserFromTopToBottom) {
  ASSERT_TRUE(AllRead());
  const omb::Bitmap& sheet1 = Read().Bitmaps[0];
  // bomb gauge frame and bar (16 x 16), boss gauge bar (8 x 8): stretched
  // sideways, so each row must be one colour across; the bomb gauge's first
  // column, stretched over the panel's edge, is clear
  const int pieces[][4] = {{192, 112, 16, 1}, {208, 112, 16, 1}, {240, 112, 8, 0}};
  for (auto [x0, y0, size, clear] : pieces)
    for (int y = y0; y < y0 + size; ++y) {
      if (clear) {
        EXPECT_EQ(Pixel(sheet1, x0, y), Pixel(sheet1, 0, 0)) << "at " << x0 << ", " << y;
      }
      for (int x = x0 + clear; x < x0 + size; ++x)
        EXPECT_EQ(Pixel(sheet1, x, y), Pixel(sheet1, x0 + clear, y)) << "at " << x << ", " << y;
    }
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
