// The page's sound channels and tunes (web_audio.js): the operations of the
// seam, handed to Web Audio and to the synthesiser in the audio worklet.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "media/platform.h"

namespace omb::web_audio {

// Makes the audio context and starts loading the synthesiser and its
// soundfont; without Web Audio the page plays silent, said once on the
// console.
void Open();

void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm);
void ClearChannel(int channel);
void PlayChannel(int channel);
void StopChannel(int channel);

void MusicPreload(std::string_view path);
void MusicOpen(std::string_view path);
void MusicPlay();
bool MusicPlaying();
void MusicSeekStart();
void MusicStop();
void MusicClose();

// The game's pause: the sounds stop, the tune holds its place.
void Pause(bool on);

}  // namespace omb::web_audio
