// The seam between the game and the machine it runs on. platform/sdl
// implements it for players, platform/headless for tests and tools; the
// media layer is the only caller.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "media/keys.h"

namespace omb {

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;

// The first joystick, already reduced to what the game reads: two axes in
// -32767..32767 (dead zone applied) and up to 32 buttons as bits.
struct JoystickState {
  int32_t AxisX = 0;
  int32_t AxisY = 0;
  uint32_t Buttons = 0;
};

// Decoded PCM of one wave file, as the sound channels hold it.
struct WaveFormat {
  int Channels = 1;
  int SampleRate = 22050;
  int BitsPerSample = 16;
};

// Events the platform delivers between two frames.
struct PlatformEvents {
  virtual ~PlatformEvents() = default;
  // Escape, F1, F2 and F5; the pause keys and F12 (screenshot) are the
  // platform's own.
  virtual void KeyDown(Key key) = 0;
  virtual void CloseRequested() = 0;  // window closed, SIGINT, SIGTERM
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Time: a millisecond tick count that wraps like a 32-bit counter.
  virtual uint32_t GetTickCount() = 0;
  // Spend about `ms` milliseconds before the caller next reads the clock;
  // the caller keeps re-reading GetTickCount, so waking early is harmless.
  virtual void Idle(uint32_t ms) = 0;
  // The local date and time: year, month, day, hour, minute, second,
  // millisecond.
  virtual void GetLocalTime(std::array<uint16_t, 7>& date) = 0;

  // Display: one finished 640 x 480 frame of 0x00RRGGBB pixels.
  virtual void Present(const uint32_t* pixels) = 0;
  virtual void SetCaption(std::string_view text) = 0;
  virtual void SetFullScreen(bool on) = 0;

  // Pause: while Paused() the loop runs no frame routine and calls
  // RestPaused instead, which shows the last frame dimmed and returns after
  // about `ms` milliseconds or at the next event. Entering and leaving the
  // pause is the platform's business (keys, window focus), and so is keeping
  // the music and sound quiet meanwhile.
  virtual bool Paused() = 0;
  virtual void RestPaused(uint32_t ms) = 0;

  // Input, read once per poll. `keys` is indexed by Key (USB usage codes).
  virtual void ReadKeyboard(std::span<bool, KeyCount> keys) = 0;
  virtual void ReadJoystick(JoystickState& joy) = 0;
  // Deliver the key-down and close events that arrived since the last call.
  virtual void PumpEvents(PlatformEvents& sink) = 0;

  // Sound: 50 channels, each holding at most one wave.
  virtual void SetChannelWave(int channel, const WaveFormat& format,
                              std::span<const uint8_t> pcm) = 0;
  virtual void ClearChannel(int channel) = 0;
  virtual void PlayChannel(int channel) = 0;
  virtual void StopChannel(int channel) = 0;

  // Music: one open tune at a time. The command strings are parsed by the
  // media layer; these are the operations behind them.
  // Loads a tune at start-up, so that a later open of the same path in the
  // middle of play reads no file and allocates nothing.
  virtual void MusicPreload(std::string_view path) = 0;
  virtual void MusicOpen(std::string_view path) = 0;
  virtual void MusicPlay() = 0;
  virtual bool MusicPlaying() = 0;
  virtual void MusicSeekStart() = 0;
  virtual void MusicStop() = 0;
  virtual void MusicClose() = 0;
};

// The platform the media layer talks to; set once by main() before start-up.
inline Platform* ThePlatform = nullptr;

}  // namespace omb
