// Files laid out byte by byte, so that the tests of the readers do not lean
// on any writer: little-endian fields, QDA archives, BMP pictures, and whole
// files to and from the disk.
#pragma once
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

// The n low bytes of v, least significant first, at `at` or at the end.
inline void Put(Bytes& b, size_t at, uint32_t v, int n = 4) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void Add(Bytes& b, uint32_t v, int n = 4) {
  b.resize(b.size() + n);
  Put(b, b.size() - n, v, n);
}
inline void Add(Bytes& b, std::string_view s) { b.insert(b.end(), s.begin(), s.end()); }

inline void WriteBytes(const std::filesystem::path& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

struct Item {
  std::string Name;
  Bytes Stored;
  uint32_t FullSize;
};

// A QDA archive; flag 1 says the entries are byte-pair coded.
inline Bytes Archive(uint32_t flag, const std::vector<Item>& items) {
  Bytes b(256 + 268 * items.size(), 0);
  Put(b, 0, flag);
  std::memcpy(&b[4], "QDA0", 4);
  Put(b, 8, static_cast<uint32_t>(items.size()));
  for (size_t i = 0; i < items.size(); ++i) {
    const size_t e = 256 + 268 * i;
    Put(b, e, static_cast<uint32_t>(b.size()));
    Put(b, e + 4, static_cast<uint32_t>(items[i].Stored.size()));
    Put(b, e + 8, items[i].FullSize);
    std::memcpy(&b[e + 12], items[i].Name.data(), items[i].Name.size());
    b.insert(b.end(), items[i].Stored.begin(), items[i].Stored.end());
  }
  return b;
}

struct BmpForm {
  uint16_t Bits = 24;
  uint32_t Compression = 0;
  uint32_t InfoSize = 40;            // 12 is the core header
  std::vector<uint32_t> Masks = {};  // red, green, blue
  bool TopDown = false;
  size_t Gap = 0;  // unused bytes before the pixels
};

// A w x h BMP whose `pixels` are indices into `palette` at 8 bits, else
// 0xRRGGBB. Row padding and gaps hold junk; palette entries not given are 0.
inline Bytes Bmp(const BmpForm& f, int w, int h, const std::vector<uint32_t>& pixels,
                 const std::vector<uint32_t>& palette = {}) {
  const bool core = f.InfoSize == 12;
  const int entry = core ? 3 : 4;
  const size_t colours = f.Bits == 8 ? 256 * entry : 0;
  const size_t masks = f.InfoSize == 40 && !f.Masks.empty() ? 12 : 0;
  const size_t offset = 14 + f.InfoSize + masks + colours + f.Gap;
  const size_t stride = (w * f.Bits + 31) / 32 * 4;
  Bytes b(offset + stride * h, 0xEE);
  b[0] = 'B', b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(b.size()));
  Put(b, 10, static_cast<uint32_t>(offset));
  Put(b, 14, f.InfoSize);
  if (core) {
    Put(b, 18, w, 2), Put(b, 20, h, 2), Put(b, 22, 1, 2), Put(b, 24, f.Bits, 2);
  } else {
    std::fill(b.begin() + 18, b.begin() + 14 + f.InfoSize, 0);
    Put(b, 18, w), Put(b, 22, static_cast<uint32_t>(f.TopDown ? -h : h)), Put(b, 26, 1, 2), Put(b, 28, f.Bits, 2);
    Put(b, 30, f.Compression);
    for (size_t i = 0; i < f.Masks.size(); ++i) Put(b, 54 + 4 * i, f.Masks[i]);
  }
  for (size_t i = 0; i < colours / entry; ++i)
    Put(b, 14 + f.InfoSize + masks + i * entry, i < palette.size() ? palette[i] : 0, entry);
  // Each channel's top bits, or the 8 bits widened, where its mask says.
  const std::vector<uint32_t> fields = !f.Masks.empty() ? f.Masks
                                       : f.Bits == 16   ? std::vector<uint32_t>{0x7C00, 0x03E0, 0x001F}
                                                        : std::vector<uint32_t>{0xFF0000, 0xFF00, 0xFF};
  for (int y = 0; y < h; ++y) {
    const size_t row = offset + stride * (f.TopDown ? y : h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const uint32_t c = pixels[y * w + x];
      uint32_t v = f.Bits == 32 && f.Masks.empty() ? 0xAB000000u : 0;  // junk in the unused byte
      for (int k = 0; k < 3; ++k) {
        const uint32_t c8 = c >> (16 - 8 * k) & 255;
        const int bits = std::popcount(fields[k]);
        v |= (bits >= 8 ? c8 << (bits - 8) : c8 >> (8 - bits)) << std::countr_zero(fields[k]);
      }
      Put(b, row + x * f.Bits / 8, f.Bits == 8 ? c : v, f.Bits / 8);
    }
  }
  return b;
}
