#include "media/bmp.h"

#include <gtest/gtest.h>

#include "media/hand_made.h"

namespace {

constexpr char kBadFile[] = "不正なBMPファイルです";
constexpr char kBadBitmap[] = "不正なビットマップです";
constexpr char kBadDepth[] =
    "色数が8ビット～32ビットの範囲のビットマップを、LoadBMPには指定してください";
constexpr char kReadError[] = "ビットマップの読みこみ中に、エラーが発生しました";

// 5 x 3: an odd width pads every row, distinct rows catch a flipped order.
// Only 0 and 255 per channel, which every depth holds exactly.
const int kW = 5, kH = 3;
const std::vector<uint32_t> kColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFFFFFF};
int IndexAt(int x, int y) { return (x + 2 * y) % 6; }

// The test image in the given form: indices at 8 bits, else colours.
Bytes Make(BmpForm f, bool topDown, size_t gap = 0) {
  std::vector<uint32_t> pixels, palette = kColours;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) pixels.push_back(f.Bits == 8 ? IndexAt(x, y) : kColours[IndexAt(x, y)]);
  palette.resize(256, 0x123456);
  f.TopDown = topDown, f.Gap = gap;
  return Bmp(f, kW, kH, pixels, palette);
}

std::string Decode(const Bytes& file, omb::Bitmap& out) {
  std::string error;
  return omb::DecodeBmp(file, out, error) ? "" : error;
}

TEST(Bmp, EveryDepthAndRowOrderDecodesToTheSamePixels) {
  std::vector<uint32_t> want;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) want.push_back(kColours[IndexAt(x, y)]);
  const std::vector<uint32_t> m565 = {0xF800, 0x07E0, 0x001F};
  const std::vector<uint32_t> m10 = {0x3FF00000, 0x000FFC00, 0x000003FF};
  const BmpForm forms[] = {{8},  {8, 0, 12},   {16}, {16, 3, 40, m565}, {16, 3, 124, m565},
                           {24}, {24, 0, 108}, {32}, {32, 3, 40, m10},  {32, 3, 56, m10}};
  for (const BmpForm& f : forms)
    for (bool topDown : {false, true}) {
      if (f.InfoSize == 12 && topDown) continue;  // the core header has no top-down rows
      for (size_t gap : {0, 7}) {
        omb::Bitmap bmp;
        SCOPED_TRACE(testing::Message() << f.Bits << " bits, header " << f.InfoSize
                                        << (topDown ? ", top-down" : "") << ", gap " << gap);
        ASSERT_EQ(Decode(Make(f, topDown, gap), bmp), "");
        EXPECT_EQ(bmp.Width, kW);
        EXPECT_EQ(bmp.Height, kH);
        EXPECT_EQ(bmp.Pixels, want);
      }
    }
}

TEST(Bmp, NarrowChannelsWidenToFullIntensity) {
  Bytes b = Make({16, 3, 40, {0xF800, 0x07E0, 0x001F}}, true);
  const size_t px = b.size() - 3 * 12;
  Put(b, px, 0xFFFF, 2);                      // 31, 63, 31
  Put(b, px + 2, 16 << 11 | 32 << 5 | 1, 2);  // half red, half green, lowest blue
  omb::Bitmap bmp;
  ASSERT_EQ(Decode(b, bmp), "");
  EXPECT_EQ(bmp.Pixels[0], 0xFFFFFFu);
  EXPECT_EQ(bmp.Pixels[1], 0x848208u);
}

TEST(Bmp, MalformedFilesGiveTheirMessage) {
  const Bytes good = Make({8}, false);
  auto with = [&](size_t at, uint32_t v, int n = 4) {
    Bytes b = good;
    Put(b, at, v, n);
    return b;
  };
  const struct {
    Bytes File;
    const char* Message;
  } cases[] = {
      {{}, kBadFile},
      {Bytes(good.begin(), good.begin() + 17), kBadFile},
      {with(0, 'M' | 'B' << 8, 2), kBadFile},
      {with(14, 0), kBadBitmap},
      {with(14, 1000), kBadBitmap},
      {Bytes(good.begin(), good.begin() + 40), kBadBitmap},  // header cut
      {with(18, 0), kBadBitmap},
      {with(18, static_cast<uint32_t>(-5)), kBadBitmap},
      {with(22, 0), kBadBitmap},
      {with(18, 16385), kBadBitmap},
      {with(22, 0x80000000u), kBadBitmap},  // the most negative height
      {with(30, 1), kBadBitmap},            // run-length coded
      {with(30, 3), kBadBitmap},            // bit fields on 8 bits
      {with(46, 257), kBadBitmap},
      {with(10, 0xFFFFFF00u), kBadBitmap},
      {with(10, 20), kBadBitmap},  // pixels inside the header
      {with(28, 4, 2), kBadDepth},
      {with(28, 1, 2), kBadDepth},
      {with(28, 12, 2), kBadDepth},
      {with(28, 64, 2), kBadDepth},
      {Bytes(good.begin(), good.end() - 1), kReadError},
      {with(22, 4), kReadError},  // one row more than the file holds
  };
  for (const auto& c : cases) {
    omb::Bitmap bmp;
    EXPECT_EQ(Decode(c.File, bmp), c.Message) << &c - cases;
    EXPECT_TRUE(bmp.Pixels.empty());
  }
  // Cut anywhere, a file fails cleanly until it is whole.
  for (size_t n = 0; n < good.size(); ++n) {
    omb::Bitmap bmp;
    EXPECT_NE(Decode(Bytes(good.begin(), good.begin() + n), bmp), "") << n;
  }
}

TEST(Bmp, PaletteOfAnEightBitFileAndBlackBeyondItsEntries) {
  std::array<uint32_t, 256> palette;
  std::string error;
  ASSERT_TRUE(omb::ReadBmpPalette(Make({8}, false), palette, error)) << error;
  EXPECT_EQ(palette[1], 0xFF0000u);
  EXPECT_EQ(palette[255], 0x123456u);
  ASSERT_TRUE(omb::ReadBmpPalette(Make({8, 0, 12}, false), palette, error)) << error;
  EXPECT_EQ(palette[3], 0x0000FFu);

  // Two colours declared: the rest are black, and so are pixels using them.
  Bytes two = Make({8}, false);
  Put(two, 46, 2, 4);
  ASSERT_TRUE(omb::ReadBmpPalette(two, palette, error));
  EXPECT_EQ(palette[1], 0xFF0000u);
  EXPECT_EQ(palette[2], 0u);
  omb::Bitmap bmp;
  ASSERT_EQ(Decode(two, bmp), "");
  EXPECT_EQ(bmp.Pixels[1], 0xFF0000u);  // index 1
  EXPECT_EQ(bmp.Pixels[2], 0u);         // index 2, not in the table

  // A table cut short by the pixel data.
  Bytes cut = Make({8}, false);
  Put(cut, 10, 14 + 40 + 4 * 3, 4);
  ASSERT_TRUE(omb::ReadBmpPalette(cut, palette, error));
  EXPECT_EQ(palette[2], 0x00FF00u);
  EXPECT_EQ(palette[3], 0u);

  for (const Bytes& notEight : {Make({24}, false), Bytes{'B', 'M'}, Bytes{}}) {
    error.clear();
    EXPECT_FALSE(omb::ReadBmpPalette(notEight, palette, error));
    EXPECT_EQ(error, kBadBitmap);
  }
}

}  // namespace
