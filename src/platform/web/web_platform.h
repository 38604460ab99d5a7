// The player's platform in a web page: the canvas, the keyboard by
// KeyboardEvent.code, the first game pad by the Gamepad API, the sound
// channels on Web Audio and the tunes through the synthesiser (web_audio.h).
//
// The page cannot wait: the browser calls the page once per animation frame
// and must get control back. So the game's clock here is one the game
// itself moves on - Idle advances it by the wait the desktop would sleep -
// and the page's loop runs a frame only when the page's own clock has caught
// up with it (FrameDue). The game thus keeps one frame per 20 ms of the
// page's clock, runs the frames it has fallen behind by in one turn and shows
// the last of them, and when it is too far behind to catch up (a slow
// machine, a stalled page) it takes up the page's time again and goes on more
// slowly, as the desktop does.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "media/platform.h"
#include "platform/web/web_canvas.h"

namespace omb {

class WebPlatform final : public Platform {
 public:
  // A turn that is further behind than this gives up catching up.
  static constexpr uint32_t MaxLagMs = 200;

  // Takes over the page's keyboard, pad, visibility and audio. The game
  // pauses while its page is hidden unless told otherwise, as the window does
  // without the focus.
  void Start(bool pauseWhenHidden);

  uint32_t GetTickCount() override { return clock_; }
  void Idle(uint32_t ms) override {
    clock_ += ms;
    idled_ = true;
  }
  void GetLocalTime(std::array<uint16_t, 7>& date) override;

  void Present(const uint32_t* pixels) override;
  void SetCaption(std::string_view text) override;
  void SetFullScreen(bool on) override;

  bool Paused() override { return paused_; }
  void RestPaused(uint32_t ms) override;

  void ReadKeyboard(std::span<bool, KeyCount> keys) override;
  void ReadJoystick(JoystickState& joy) override;
  void PumpEvents(PlatformEvents& sink) override;

  void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) override;
  void ClearChannel(int channel) override;
  void PlayChannel(int channel) override;
  void StopChannel(int channel) override;
  void MusicPreload(std::string_view path) override;
  void MusicOpen(std::string_view path) override;
  void MusicPlay() override;
  bool MusicPlaying() override;
  void MusicSeekStart() override;
  void MusicStop() override;
  void MusicClose() override;

  // The page's loop, at page time `nowMs` (performance.now()): whether the
  // next frame is due, bringing the game's clock up to the page's when the
  // game did not wait (pacing off) or is too far behind.
  bool FrameDue(double nowMs);
  // After the frames of a turn: the picture, the caption as the tab's title.
  void EndTurn(double nowMs);

  // The page's events, queued by their callbacks until the next PumpEvents.
  enum class EventKind : uint8_t { Key, PauseKey, Screenshot, Hidden, Shown, LeftFullScreen };
  void Queue(EventKind kind, Key key = KeyNone);
  void KeyChanged(Key key, bool down);
  void ReleaseKeys();

 private:
  struct Event {
    EventKind Kind;
    Key Pressed;
  };
  // Reads the first pad; its Start button toggles the pause.
  void SamplePad();
  void FollowPause();
  void SaveScreenshot();

  uint32_t clock_ = 0;
  bool idled_ = false;
  WebCanvas canvas_;
  bool freshPicture_ = false;
  std::string caption_, shownCaption_;
  double captionShownAt_ = -1e9;
  bool pauseInTitle_ = false;
  bool fullScreen_ = false;

  std::array<bool, KeyCount> held_{};
  std::array<bool, KeyCount> pressedSincePoll_{};  // a tap shorter than a frame still counts once
  std::array<Event, 64> events_{};
  int eventCount_ = 0;

  JoystickState pad_{};
  bool padStart_ = false;
  bool pauseKey_ = false;
  bool pauseWhenHidden_ = true;
  bool hidden_ = false;
  bool paused_ = false;
  bool pausedPictureShown_ = false;
};

}  // namespace omb
