// Writes the fuzzers' seed files: a few tiny, well-formed examples of each
// format, so that mutation starts from inputs that reach deep into a reader.
//   fuzz_seeds DIR  ->  DIR/seeds/{archive,bpe,bmp,wav,options}/..., empty DIR/corpus/*
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "qda_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Writer {
  Bytes b;
  Writer& U16(uint32_t v) {
    b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8));
    return *this;
  }
  Writer& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  Writer& Text(const char* s) {
    while (*s) b.push_back(uint8_t(*s++));
    return *this;
  }
  Writer& Raw(const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
    return *this;
  }
};

// A 3 x 2 bitmap; `infoSize` 12 writes the core header.
Bytes Bmp(uint16_t bits, uint32_t compression, uint32_t infoSize, bool topDown) {
  const uint32_t stride = (3 * bits + 31) / 32 * 4;
  const uint32_t palette = bits == 8 ? 4 * (infoSize == 12 ? 3 : 4) : 0;
  const uint32_t masks = compression == 3 && infoSize == 40 ? 12 : 0;
  const uint32_t offset = 14 + infoSize + masks + palette;
  Writer w;
  w.Text("BM").U32(offset + 2 * stride).U32(0).U32(offset).U32(infoSize);
  if (infoSize == 12) {
    w.U16(3).U16(2).U16(1).U16(bits);
  } else {
    w.U32(3).U32(topDown ? uint32_t(-2) : 2).U16(1).U16(bits).U32(compression).U32(2 * stride);
    w.U32(2835).U32(2835).U32(bits == 8 ? 4 : 0).U32(0);
    if (compression == 3) {
      if (bits == 16)
        w.U32(0xF800).U32(0x07E0).U32(0x001F);
      else
        w.U32(0xFF0000).U32(0xFF00).U32(0xFF);
    }
    while (w.b.size() < 14 + infoSize + masks) w.b.push_back(0);
  }
  for (uint32_t i = 0; i < palette; ++i) w.b.push_back(uint8_t(i * 40));
  for (uint32_t i = 0; i < 2 * stride; ++i) w.b.push_back(uint8_t(i * 37 % 4));
  return w.b;
}

Bytes Wav(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, bool list) {
  Writer fmt;
  fmt.U16(tag)
      .U16(channels)
      .U32(rate)
      .U32(rate * channels * bits / 8)
      .U16(channels * bits / 8)
      .U16(bits);
  if (tag == 0xFFFE)
    fmt.U16(22)
        .U16(bits)
        .U32(channels == 2 ? 3 : 4)
        .Raw({1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71});
  Writer body;
  body.Text("WAVE");
  if (list) body.Text("LIST").U32(3).Raw({'a', 'b', 'c', 0});
  body.Text("fmt ")
      .U32(uint32_t(fmt.b.size()))
      .Raw(fmt.b)
      .Text("data")
      .U32(8)
      .Raw({0, 64, 128, 192, 255, 1, 2, 3});
  Writer w;
  w.Text("RIFF").U32(uint32_t(body.b.size())).Raw(body.b);
  return w.b;
}

void Save(const std::filesystem::path& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  for (const char* kind : {"archive", "bpe", "bmp", "wav", "options", "text_file", "replay_slot"}) {
    std::filesystem::create_directories(dir / "seeds" / kind);
    std::filesystem::create_directories(dir / "corpus" / kind);
  }
  const std::vector<std::pair<std::string, Bytes>> bmps = {
      {"8", Bmp(8, 0, 40, false)},         {"8core", Bmp(8, 0, 12, false)},
      {"16", Bmp(16, 0, 40, true)},        {"16_565", Bmp(16, 3, 40, false)},
      {"24", Bmp(24, 0, 40, true)},        {"32", Bmp(32, 0, 108, false)},
      {"32_fields", Bmp(32, 3, 124, true)}};
  for (const auto& [name, bytes] : bmps) Save(dir / "seeds/bmp" / (name + ".bmp"), bytes);

  Save(dir / "seeds/wav/mono8.wav", Wav(1, 1, 11025, 8, false));
  Save(dir / "seeds/wav/stereo16.wav", Wav(1, 2, 44100, 16, true));
  Save(dir / "seeds/wav/extensible.wav", Wav(0xFFFE, 2, 22050, 16, false));

  Bytes pattern;
  for (int i = 0; i < 200; ++i) pattern.push_back(uint8_t("abcab"[i % 5] + i / 50));
  const std::vector<qda::Entry> entries = {{"cg1.bmp", bmps[0].second}, {"x", pattern}};
  Save(dir / "seeds/archive/stored.qda", qda::Pack(entries, false));
  Save(dir / "seeds/archive/bpe.qda", qda::Pack(entries, true));
  Save(dir / "seeds/archive/empty.qda", qda::Pack({}, false));

  // Plain data for the encoder: repeats that nest pairs, a long run, every
  // byte value (no code left for a pair), and the small bitmap.
  Bytes everyByte;
  for (int i = 0; i < 512; ++i) everyByte.push_back(uint8_t(i * 97));
  Save(dir / "seeds/bpe/pattern.bin", pattern);
  Save(dir / "seeds/bpe/run.bin", Bytes(1500, 7));
  Save(dir / "seeds/bpe/every_byte.bin", everyByte);
  Save(dir / "seeds/bpe/bitmap.bin", bmps[0].second);

  const auto text = [](const char* s) { return Bytes(s, s + std::string(s).size()); };
  Save(dir / "seeds/options/default.txt", text("0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
  Save(dir / "seeds/options/odd.txt", text("3\n-1\n 2 \n\n2147483648\n9\n2\n7\n2\n0\n5\n-2147483648\n"));
  Save(dir / "seeds/options/names.txt", text("title.mid\r\nstage 1.mid\r\n\r\nboss1.mid"));

  Save(dir / "seeds/text_file/lines.txt", text("0\r\n-12\n 7 \n\nx\r\n2147483647\n-2147483648\n2147483648\n"));
  // A slot: summary, stage lengths and a stage's words, apart by form feeds.
  Save(dir / "seeds/replay_slot/slot.txt",
       text("0\r\n1\r\n2\r\n3\r\n3\r\n3\r\n1\r\n2\r\n0\r\n5000\r\n2026\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n"
            "1\r\n2\r\n900\r\n40\r\n0\r\n1\r\n0\r\n1500\r\n0\r\n1\r\n0\r\n777\r\n0\r\n0\r\n"
            "\f0\r\n3\r\n2\r\n0\r\n0\r\n\f16\r\n17\r\n20\r\n0\r\n"));
  return 0;
}
