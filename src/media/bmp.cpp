#include "media/bmp.h"

#include <bit>

namespace omb {
namespace {

constexpr char kBadFile[] = "不正なBMPファイルです";
constexpr char kBadBitmap[] = "不正なビットマップです";
constexpr char kBadDepth[] =
    "色数が8ビット～32ビットの範囲のビットマップを、LoadBMPには指定してください";
constexpr char kReadError[] = "ビットマップの読みこみ中に、エラーが発生しました";

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;  // 16-bit sizes, 3-byte palette entries
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// Our sheets are 256 x 256; this only keeps damaged sizes from mattering.
constexpr int64_t kMaxSide = 16384;

uint32_t Le16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t Le32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// One colour channel of a bit-field pixel, widened to 8 bits by repeating
// its top bits, so that full intensity stays 255.
struct Channel {
  uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  bool Set(uint32_t mask) {
    Mask = mask;
    if (mask == 0) return true;
    Shift = std::countr_zero(mask);
    Bits = std::popcount(mask);
    return std::countr_one(mask >> Shift) == Bits;  // one contiguous run
  }

  uint32_t Expand(uint32_t pixel) const {
    if (Mask == 0) return 0;
    const uint32_t v = (pixel & Mask) >> Shift;
    if (Bits >= 8) return v >> (Bits - 8);
    uint32_t out = 0;
    for (int have = 0; have < 8; have += Bits) out = out << Bits | v;
    return out >> (((8 + Bits - 1) / Bits) * Bits - 8);
  }
};

struct Layout {
  int64_t Width = 0;
  int64_t Height = 0;  // positive; TopDown says in which order rows are stored
  bool TopDown = false;
  uint32_t BitCount = 0;
  bool BitFields = false;
  Channel Red, Green, Blue;
  uint64_t PaletteOffset = 0;
  uint32_t PaletteEntrySize = 4;
  uint32_t PaletteCount = 0;  // the entries the header declares
  uint64_t PixelOffset = 0;
};

// Validates both headers; returns the message of the first fault or nullptr.
const char* ReadLayout(std::span<const uint8_t> file, Layout& l) {
  const uint8_t* f = file.data();
  if (file.size() < kFileHeaderSize + 4 || f[0] != 'B' || f[1] != 'M') return kBadFile;
  const uint32_t infoSize = Le32(f + 14);
  const bool core = infoSize == kCoreHeaderSize;
  if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
      infoSize != 124)
    return kBadBitmap;
  if (kFileHeaderSize + infoSize > file.size()) return kBadBitmap;

  const uint8_t* h = f + kFileHeaderSize;
  uint32_t compression = kBiRgb;
  uint32_t colorsUsed = 0;
  if (core) {
    l.Width = Le16(h + 4);
    l.Height = Le16(h + 6);
    l.BitCount = Le16(h + 10);
    l.PaletteEntrySize = 3;
  } else {
    l.Width = static_cast<int32_t>(Le32(h + 4));
    const int64_t height = static_cast<int32_t>(Le32(h + 8));
    l.TopDown = height < 0;
    l.Height = height < 0 ? -height : height;
    l.BitCount = Le16(h + 14);
    compression = Le32(h + 16);
    colorsUsed = Le32(h + 32);
  }
  if (l.Width <= 0 || l.Height <= 0 || l.Width > kMaxSide || l.Height > kMaxSide) return kBadBitmap;
  if (l.BitCount != 8 && l.BitCount != 16 && l.BitCount != 24 && l.BitCount != 32) return kBadDepth;

  l.PaletteOffset = kFileHeaderSize + infoSize;
  if (compression == kBiBitfields) {
    if (l.BitCount != 16 && l.BitCount != 32) return kBadBitmap;
    // The masks sit in the larger headers, or follow a 40-byte one.
    const uint64_t masks = kFileHeaderSize + kInfoHeaderSize;
    if (masks + 12 > file.size()) return kBadBitmap;
    if (!l.Red.Set(Le32(f + masks)) || !l.Green.Set(Le32(f + masks + 4)) ||
        !l.Blue.Set(Le32(f + masks + 8)))
      return kBadBitmap;
    l.BitFields = true;
    if (infoSize == kInfoHeaderSize) l.PaletteOffset += 12;
  } else if (compression != kBiRgb) {
    return kBadBitmap;
  } else if (l.BitCount == 16) {
    l.Red.Set(0x7C00), l.Green.Set(0x03E0), l.Blue.Set(0x001F);
    l.BitFields = true;
  }

  if (l.BitCount == 8) {
    if (colorsUsed > 256) return kBadBitmap;
    l.PaletteCount = colorsUsed == 0 ? 256 : colorsUsed;
  }
  l.PixelOffset = Le32(f + 10);
  if (l.PixelOffset < l.PaletteOffset || l.PixelOffset > file.size()) return kBadBitmap;
  return nullptr;
}

uint32_t Bgr(const uint8_t* p) { return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0]; }

void ReadPalette(std::span<const uint8_t> file, const Layout& l,
                 std::array<uint32_t, 256>& palette) {
  palette.fill(0);
  // A colour table cut short by the pixel data or the file's end leaves black.
  const uint64_t end = l.PixelOffset > l.PaletteOffset ? l.PixelOffset : file.size();
  for (uint32_t i = 0; i < l.PaletteCount; ++i) {
    const uint64_t at = l.PaletteOffset + uint64_t{i} * l.PaletteEntrySize;
    if (at + l.PaletteEntrySize > end) break;
    palette[i] = Bgr(file.data() + at);
  }
}

}  // namespace

bool DecodeBmp(std::span<const uint8_t> file, Bitmap& out, std::string& error) {
  out = Bitmap{};
  Layout l;
  if (const char* fault = ReadLayout(file, l)) {
    error = fault;
    return false;
  }
  // Rows are padded to whole 32-bit words.
  const uint64_t stride = (static_cast<uint64_t>(l.Width) * l.BitCount + 31) / 32 * 4;
  if (file.size() - l.PixelOffset < stride * static_cast<uint64_t>(l.Height)) {
    error = kReadError;
    return false;
  }

  std::array<uint32_t, 256> palette{};
  if (l.BitCount == 8) ReadPalette(file, l, palette);

  const int width = static_cast<int>(l.Width);
  const int height = static_cast<int>(l.Height);
  out.Width = width;
  out.Height = height;
  out.Pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const int fileRow = l.TopDown ? y : height - 1 - y;
    const uint8_t* src = file.data() + l.PixelOffset + stride * fileRow;
    uint32_t* dst = out.Pixels.data() + static_cast<size_t>(y) * width;
    switch (l.BitCount) {
      case 8:
        for (int x = 0; x < width; ++x) dst[x] = palette[src[x]];
        break;
      case 24:
        for (int x = 0; x < width; ++x) dst[x] = Bgr(src + 3 * x);
        break;
      case 16:
      case 32:
        for (int x = 0; x < width; ++x) {
          if (!l.BitFields) {
            dst[x] = Bgr(src + 4 * x);
            continue;
          }
          const uint32_t v = l.BitCount == 16 ? Le16(src + 2 * x) : Le32(src + 4 * x);
          dst[x] = l.Red.Expand(v) << 16 | l.Green.Expand(v) << 8 | l.Blue.Expand(v);
        }
        break;
    }
  }
  return true;
}

bool ReadBmpPalette(std::span<const uint8_t> file, std::array<uint32_t, 256>& palette,
                    std::string& error) {
  palette.fill(0);
  Layout l;
  if (ReadLayout(file, l) != nullptr || l.BitCount != 8) {
    error = kBadBitmap;
    return false;
  }
  ReadPalette(file, l, palette);
  return true;
}

}  // namespace omb
