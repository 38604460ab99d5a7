// A generated file: its name within its directory and its bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct NamedFile {
  std::string Name;
  std::vector<uint8_t> Data;
};

// The twelve sound effects, named as the sound table names them ("click05.wav" ...).
std::vector<NamedFile> MakeSoundEffects();
// The nine tunes in the order of the music list, and "midi.txt" naming them.
std::vector<NamedFile> MakeTunes();
NamedFile MakeMusicList(const std::vector<NamedFile>& tunes);

}  // namespace assetgen
