// The sound component: 50 channels, each holding at most one wave and playing
// it once from the start on every Play.
#pragma once
#include <string_view>

#include "media/wav.h"

namespace omb {

// One loaded wave file. An empty wave (failed load) plays nothing.
struct SoundWave {
  WaveFile Data;
  bool Loaded = false;

  // Reads the file whole; failures are reported and leave the wave empty.
  bool Create(std::string_view path);
};

class SoundDevice {
 public:
  static constexpr int ChannelCount = 50;

  // The channel gets its own copy of the wave, stopped at position 0.
  void SetWaveData(int channel, const SoundWave& wave);
  void Stop(int channel);
  void Play(int channel);
  // Drops every channel's wave (shut-down).
  void FreeAll();

 private:
  bool CheckChannel(int channel) const;
};

}  // namespace omb
