#include "media/wav.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "media/game_paths.h"

namespace omb {
namespace {

// A sound effect is a few hundred KiB; a larger file is not one of ours.
constexpr uint64_t kMaxWaveBytes = 64u << 20;
constexpr uint32_t kFormatPcm = 1;
constexpr uint32_t kFormatExtensible = 0xFFFE;
// The tail shared by the GUIDs of the standard sub-formats; PCM's starts 01 00 00 00.
constexpr uint8_t kSubFormatPcm[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint32_t Le16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t Le32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool Fail(std::string_view path, const char* what, WaveFile& out, std::string& error) {
  out = WaveFile{};
  error.assign(path);
  error += what;
  return false;
}

bool ParseFormat(const uint8_t* p, uint32_t size, WaveFormat& format) {
  if (size < 16) return false;
  uint32_t tag = Le16(p);
  const uint32_t channels = Le16(p + 2);
  const uint32_t rate = Le32(p + 4);
  const uint32_t bits = Le16(p + 14);
  if (tag == kFormatExtensible) {
    if (size < 40 || Le16(p + 16) < 22 || std::memcmp(p + 24, kSubFormatPcm, 16) != 0) return false;
    tag = kFormatPcm;
  }
  if (tag != kFormatPcm || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) ||
      rate < 4000 || rate > 192000)
    return false;
  format.Channels = static_cast<int>(channels);
  format.SampleRate = static_cast<int>(rate);
  format.BitsPerSample = static_cast<int>(bits);
  return true;
}

}  // namespace

bool DecodeWav(std::span<const uint8_t> file, std::string_view path, WaveFile& out,
               std::string& error) {
  out = WaveFile{};
  const uint8_t* f = file.data();
  const uint64_t size = file.size();
  if (size < 12 || std::memcmp(f, "RIFF", 4) != 0 || std::memcmp(f + 8, "WAVE", 4) != 0)
    return Fail(path, "は、WAVEファイルではありません", out, error);

  // Walk the chunks to the end of the file, whatever the RIFF size claims:
  // writers that never patched it are common and harmless.
  const uint8_t* fmt = nullptr;
  uint32_t fmtSize = 0;
  const uint8_t* data = nullptr;
  uint64_t dataSize = 0;
  bool fmtCut = false;
  for (uint64_t at = 12; at + 8 <= size;) {
    const uint8_t* chunk = f + at;
    const uint64_t chunkSize = Le32(chunk + 4);
    const uint64_t body = at + 8;
    if (fmt == nullptr && !fmtCut && std::memcmp(chunk, "fmt ", 4) == 0) {
      if (body + chunkSize > size) {
        fmtCut = true;
      } else {
        fmt = f + body;
        fmtSize = static_cast<uint32_t>(chunkSize);
      }
    } else if (data == nullptr && std::memcmp(chunk, "data", 4) == 0) {
      // A data size past the end is clamped to the bytes that are there.
      data = f + body;
      dataSize = chunkSize < size - body ? chunkSize : size - body;
    }
    at = body + chunkSize + (chunkSize & 1);  // chunks are word-aligned
  }

  if (fmt == nullptr && !fmtCut) return Fail(path, "には、fmtチャンクが有りません", out, error);
  if (fmtCut || !ParseFormat(fmt, fmtSize, out.Format))
    return Fail(path, "のfmtチャンクが不正です", out, error);
  if (data == nullptr) return Fail(path, "には、dataチャンクが有りません", out, error);

  const uint64_t frame = static_cast<uint64_t>(out.Format.Channels) * out.Format.BitsPerSample / 8;
  out.Pcm.assign(data, data + dataSize / frame * frame);
  return true;
}

bool LoadWav(std::string_view path, WaveFile& out, std::string& error) {
  out = WaveFile{};
  const std::string name(path);
  FILE* f = std::fopen(GameFilePath(name.c_str()).c_str(), "rb");
  struct stat info {};
  if (f == nullptr || fstat(fileno(f), &info) != 0 || !S_ISREG(info.st_mode)) {
    if (f != nullptr) std::fclose(f);
    return Fail(path, "が、見つかりません", out, error);
  }
  if (static_cast<uint64_t>(info.st_size) > kMaxWaveBytes) {
    std::fclose(f);
    return Fail(path, "は、大きすぎてWAVEファイルとして読めません", out, error);
  }
  std::vector<uint8_t> file(static_cast<size_t>(info.st_size));
  const size_t got = std::fread(file.data(), 1, file.size(), f);
  std::fclose(f);
  // A file that shrank under us is read as what is left of it.
  file.resize(got);
  return DecodeWav(file, path, out, error);
}

}  // namespace omb
