// Sound channels and MIDI music on SDL_mixer. Without an audio device every
// call is a no-op; without a soundfont the music calls are.
#pragma once
#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/platform.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace omb {

class SdlAudio {
 public:
  static constexpr int ChannelCount = 50;

  SdlAudio() = default;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  ~SdlAudio() { Close(); }

  // Starts SDL's audio subsystem and the mixer. Failures are reported once
  // on stderr and leave the sound (or only the music) off.
  void Open();
  void Close();
  bool SoundOn() const { return open_; }
  bool MusicOn() const { return open_ && !soundFont_.empty(); }
  // The soundfont handed to the MIDI synthesiser; empty when none.
  const std::string& SoundFont() const { return soundFont_; }

  void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm);
  void ClearChannel(int channel);
  void PlayChannel(int channel);
  void StopChannel(int channel);

  // Loads a tune and keeps it until Close, so that opening it later reads
  // no file. Tunes opened without a preload are kept as well.
  void MusicPreload(std::string_view path);
  void MusicOpen(std::string_view path);
  void MusicPlay();
  bool MusicPlaying();
  void MusicSeekStart();
  void MusicStop();
  void MusicClose();

  // The game's pause: the sounds stop for good, the tune holds its place
  // and goes on when the pause ends.
  void Pause(bool on);

 private:
  // The channel's samples in the mixer's format; the chunk points into them.
  struct Channel {
    std::vector<uint8_t> Samples;
    Mix_Chunk* Chunk = nullptr;
  };

  // A loaded tune and the path it was opened by.
  struct Tune {
    std::string Path;
    Mix_Music* Music = nullptr;
  };
  // The game has nine tunes; a list loaded beyond this is opened from its
  // file each time, as before.
  static constexpr int TuneCacheSize = 16;

  bool Usable(int channel) const { return open_ && channel >= 0 && channel < ChannelCount; }
  Mix_Music* FindTune(std::string_view path) const;
  Mix_Music* LoadTune(std::string_view path, bool& kept);

  bool open_ = false;
  bool mixerStarted_ = false;
  int mixFrequency_ = 0;
  uint16_t mixFormat_ = 0;
  int mixChannels_ = 0;
  std::array<Channel, ChannelCount> channels_;
  std::string soundFont_;
  std::array<Tune, TuneCacheSize> tunes_;
  int tuneCount_ = 0;
  Mix_Music* music_ = nullptr;  // the open tune
  bool musicKept_ = false;      // whether music_ belongs to tunes_ or is freed on close
  std::set<std::string, std::less<>> reportedTunes_;  // one complaint per file
  bool reportedFormat_ = false;
};

}  // namespace omb
