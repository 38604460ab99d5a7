// Reader of RIFF WAVE files holding uncompressed PCM.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/platform.h"

namespace omb {

struct WaveFile {
  WaveFormat Format;
  std::vector<uint8_t> Pcm;  // the data chunk's bytes, sample frames only
};

// Reads the file `path` whole. On failure returns false with the reason,
// which begins with the file name as the player should see it, in `error`.
bool LoadWav(std::string_view path, WaveFile& out, std::string& error);

// The same on a file already in memory; `path` only names it in messages.
bool DecodeWav(std::span<const uint8_t> file, std::string_view path, WaveFile& out,
               std::string& error);

}  // namespace omb
