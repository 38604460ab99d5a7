// Sound requests, played once per frame with the three-frame rule, and the
// one music routine with its loop check.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "media/sound.h"

namespace omb {

constexpr int SoundRequestCount = 15;

// Any code sets SoundRequest[i] to ask for sound i in this frame.
inline std::array<bool, SoundRequestCount> SoundRequest{};
inline std::array<int32_t, SoundRequestCount> SoundGap{};
inline std::array<SoundWave, SoundRequestCount> WaveData;  // entry 14 stays empty

// The nine tunes: 0 title, 2k - 1 stage k, 2k the boss of stage k.
inline std::array<std::string, 9> MidiName;
inline std::string MidiFileName;  // "midi/" + the tune last opened

void ResetSoundService();

// Has the platform load every named tune, so that PlayMidi in the middle
// of play reads no file. Start-up only: it allocates.
void PreloadTunes();

// Closes the current tune, opens tune n and plays it when MusicOn.
void PlayMidi(int n);

// Once per frame, after presenting: start the requested sounds (each at most
// once every three frames) and restart the tune every 50 frames if it ended.
void ServeSound();

}  // namespace omb
