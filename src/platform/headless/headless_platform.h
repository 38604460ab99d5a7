// The platform without a window or a sound device, for tests, CI and tools:
// a virtual millisecond clock that advances only while the game waits (so a
// run is as fast as the CPU allows and identical on every machine), input
// from a script, and a record of what was played.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/platform.h"

namespace omb {

// A scripted input: a list of input words, one per poll, and key-downs
// between frames. Text form, one item per line:
//   COUNT WORD   the input word for COUNT polls (bits as PadNow: 1 left,
//                2 up, 4 right, 8 down, 16 << k button k)
//   key NAME     a key-down of Escape, F1, F2 or F5 before the next frame
//   # ...        a comment
// After the last line the input word is 0.
struct InputScript {
  struct KeyAt {
    int64_t Poll;  // delivered once this many words have been read
    omb::Key Pressed;
  };
  std::vector<uint32_t> Words;
  std::vector<KeyAt> Keys;

  // Parses `text`; false with a message naming the line on a malformed one.
  bool Parse(std::string_view text, std::string& error);
};

class HeadlessPlatform : public Platform {
 public:
  struct SoundEvent {
    int64_t Frame;  // frame-routine call, counting from 1
    int Channel;
  };
  // One line of the music log, held in place so that a tune change logs
  // without allocating; a longer line is cut to fit.
  struct MusicEntry {
    std::array<char, 80> Text{};
    std::size_t Length = 0;

    operator std::string_view() const { return {Text.data(), Length}; }
    friend bool operator==(const MusicEntry& a, std::string_view b) { return std::string_view(a) == b; }
  };

  // The caption is set every frame and tunes change in play; room for them
  // up front keeps a frame free of allocations.
  HeadlessPlatform() {
    Caption.reserve(128);
    MusicLog.reserve(1024);
    MusicFile.reserve(256);
  }

  void SetScript(InputScript script) { script_ = std::move(script); }

  // Work done between waits takes no virtual time; tests may move the clock.
  uint32_t Clock = 0;

  uint32_t GetTickCount() override { return Clock; }
  void Idle(uint32_t ms) override { Clock += ms; }
  // A made-up calendar on the virtual clock, so runs write the same files.
  void GetLocalTime(std::array<uint16_t, 7>& date) override;

  void Present(const uint32_t* pixels) override;
  void SetCaption(std::string_view text) override { Caption.assign(text); }
  void SetFullScreen(bool on) override { FullScreen = on; }

  // A headless run has no player to step away: it never pauses.
  bool Paused() override { return false; }
  void RestPaused(uint32_t ms) override { Idle(ms); }

  void ReadKeyboard(std::span<bool, KeyCount> keys) override;
  void ReadJoystick(JoystickState& joy) override { joy = JoystickState{}; }
  void PumpEvents(PlatformEvents& sink) override;

  void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) override;
  void ClearChannel(int channel) override;
  void PlayChannel(int channel) override;
  void StopChannel(int) override {}

  void MusicPreload(std::string_view path) override { Preloaded.emplace_back(path); }
  void MusicOpen(std::string_view path) override;
  void MusicPlay() override;
  bool MusicPlaying() override { return TunePlaying; }
  void MusicSeekStart() override { LogMusic("seek"); }
  void MusicStop() override;
  void MusicClose() override;

  // What the game did, for tests and dumps.
  int64_t Frame = 0;  // frame-routine calls begun (one PumpEvents each)
  int64_t Polls = 0;
  int64_t Presents = 0;
  std::string Caption = "Ombrezza";
  bool FullScreen = false;
  std::array<uint32_t, ScreenWidth * ScreenHeight> LastFrame{};
  std::array<bool, 50> ChannelLoaded{};
  std::vector<SoundEvent> Sounds;
  std::vector<std::string> Preloaded;  // in the order asked for
  std::vector<MusicEntry> MusicLog;  // "open NAME", "play", "seek", "stop", "close"
  std::string MusicFile;
  bool TunePlaying = false;  // tests may stop it to see it restarted

 private:
  void LogMusic(std::string_view command, std::string_view path = {});

  InputScript script_;
  std::size_t nextKey_ = 0;
};

}  // namespace omb
