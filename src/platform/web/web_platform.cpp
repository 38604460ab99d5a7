#include "platform/web/web_platform.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/sdl/sdl_choices.h"
#include "platform/web/web_audio.h"

namespace omb {
namespace {

// KeyboardEvent.code to the USB usage codes the game's key tables use, which
// name keys by their place on the keyboard whatever its layout.
struct CodeKey {
  std::string_view Code;
  uint16_t Usage;
};
constexpr CodeKey CodeKeys[] = {
    {"KeyA", 4}, {"KeyB", 5}, {"KeyC", 6}, {"KeyD", 7}, {"KeyE", 8}, {"KeyF", 9}, {"KeyG", 10},
    {"KeyH", 11}, {"KeyI", 12}, {"KeyJ", 13}, {"KeyK", 14}, {"KeyL", 15}, {"KeyM", 16}, {"KeyN", 17},
    {"KeyO", 18}, {"KeyP", 19}, {"KeyQ", 20}, {"KeyR", 21}, {"KeyS", 22}, {"KeyT", 23}, {"KeyU", 24},
    {"KeyV", 25}, {"KeyW", 26}, {"KeyX", 27}, {"KeyY", 28}, {"KeyZ", 29},
    {"Digit1", 30}, {"Digit2", 31}, {"Digit3", 32}, {"Digit4", 33}, {"Digit5", 34}, {"Digit6", 35},
    {"Digit7", 36}, {"Digit8", 37}, {"Digit9", 38}, {"Digit0", 39},
    {"Enter", 40}, {"Escape", 41}, {"Backspace", 42}, {"Tab", 43}, {"Space", 44},
    {"F1", 58}, {"F2", 59}, {"F3", 60}, {"F4", 61}, {"F5", 62}, {"F6", 63}, {"F7", 64}, {"F8", 65},
    {"F9", 66}, {"F10", 67}, {"F11", 68}, {"F12", 69}, {"Pause", 72},
    {"ArrowRight", 79}, {"ArrowLeft", 80}, {"ArrowDown", 81}, {"ArrowUp", 82},
    {"Numpad1", 89}, {"Numpad2", 90}, {"Numpad3", 91}, {"Numpad4", 92}, {"Numpad5", 93},
    {"Numpad6", 94}, {"Numpad7", 95}, {"Numpad8", 96}, {"Numpad9", 97}, {"Numpad0", 98},
    {"ControlLeft", 224}, {"ShiftLeft", 225}, {"AltLeft", 226}, {"ControlRight", 228},
    {"ShiftRight", 229}, {"AltRight", 230},
};

Key KeyOfCode(std::string_view code) {
  for (const CodeKey& c : CodeKeys) {
    if (c.Code == code) return static_cast<Key>(c.Usage);
  }
  return KeyNone;
}

// The browser keeps these: Tab moves the focus, the other function keys and
// the modifiers are its own; everything else the game may read.
bool BrowserKeeps(Key key) {
  const bool gameFunctionKey = key == KeyF1 || key == KeyF2 || key == KeyF5 || key == KeyF12;
  return key == 43 || (key >= KeyF1 && key <= KeyF12 && !gameFunctionKey) || key >= 224;
}

// The Gamepad API's standard layout, in the order of the game's button
// numbers as the desktop's controllers give them: A, B, X, Y, the shoulders,
// Back, Start, the stick buttons, the guide; then the triggers.
constexpr int StandardButtons[] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 16};
constexpr int StandardStart = 9;
constexpr int StandardUp = 12, StandardDown = 13, StandardLeft = 14, StandardRight = 15;
constexpr int StandardTriggers[] = {6, 7};

int StickValue(double axis) { return static_cast<int>(std::clamp(axis, -1.0, 1.0) * 32767.0); }

EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* e, void* user) {
  auto* p = static_cast<WebPlatform*>(user);
  const Key key = KeyOfCode(e->code);
  if (key == KeyNone || e->ctrlKey || e->altKey || e->metaKey) return EM_FALSE;
  const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
  p->KeyChanged(key, down);
  if (down && !e->repeat) {
    switch (key) {
      case KeyEscape:
      case KeyF1:
      case KeyF2:
      case KeyF5:
        p->Queue(WebPlatform::EventKind::Key, key);
        break;
      case KeyP:
      case KeyPause:
        p->Queue(WebPlatform::EventKind::PauseKey);
        break;
      case KeyF12:
        p->Queue(WebPlatform::EventKind::Screenshot);
        break;
      default:
        break;
    }
  }
  return BrowserKeeps(key) ? EM_FALSE : EM_TRUE;
}

// Keys held while the page loses the focus never report their release.
EM_BOOL OnBlur(int, const EmscriptenFocusEvent*, void* user) {
  static_cast<WebPlatform*>(user)->ReleaseKeys();
  return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* e, void* user) {
  static_cast<WebPlatform*>(user)->Queue(e->hidden ? WebPlatform::EventKind::Hidden : WebPlatform::EventKind::Shown);
  return EM_FALSE;
}

EM_BOOL OnFullScreenChange(int, const EmscriptenFullscreenChangeEvent* e, void* user) {
  if (!e->isFullscreen) static_cast<WebPlatform*>(user)->Queue(WebPlatform::EventKind::LeftFullScreen);
  return EM_FALSE;
}

EM_JS(void, LocalTime, (uint16_t* date), {
  const now = new Date();
  const fields = [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(), now.getMinutes(),
                  now.getSeconds(), now.getMilliseconds()];
  for (let i = 0; i < 7; i++) HEAPU16[(date >> 1) + i] = fields[i];
});

EM_JS(void, SetTitle, (const char* text, int length), { document.title = UTF8ToString(text, length); });

// Full screen is asked of the browser, which grants it shortly after a key
// press; the picture follows the window's new size.
EM_JS(void, AskFullScreen, (int on), {
  const canvas = Module['canvas'];
  if (!canvas) return;
  const fullNow = !!document.fullscreenElement;
  if (on && !fullNow && canvas.parentElement.requestFullscreen) {
    canvas.parentElement.requestFullscreen().catch((e) => console.warn('ombrezza: no full screen: ' + e));
  } else if (!on && fullNow) {
    document.exitFullscreen();
  }
});

}  // namespace

void WebPlatform::Start(bool pauseWhenHidden) {
  pauseWhenHidden_ = pauseWhenHidden;
  clock_ = static_cast<uint32_t>(emscripten_performance_now());
  // The caption changes every frame; room for it up front keeps a frame
  // free of allocations.
  caption_.reserve(128);
  shownCaption_.reserve(128);
  canvas_.Start();
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, OnKey);
  emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_TRUE, OnKey);
  emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, OnBlur);
  emscripten_set_visibilitychange_callback(this, EM_FALSE, OnVisibility);
  emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, OnFullScreenChange);
  EmscriptenVisibilityChangeEvent visibility{};
  if (emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS) hidden_ = visibility.hidden;
  web_audio::Open();
}

void WebPlatform::GetLocalTime(std::array<uint16_t, 7>& date) { LocalTime(date.data()); }

bool WebPlatform::FrameDue(double nowMs) {
  const uint32_t now = static_cast<uint32_t>(nowMs);
  const int32_t lag = static_cast<int32_t>(now - clock_);
  if (lag < 0) return false;
  if (!idled_ || lag > static_cast<int32_t>(MaxLagMs)) clock_ = now;
  idled_ = false;
  return true;
}

void WebPlatform::Present(const uint32_t* pixels) {
  canvas_.Take(pixels);
  freshPicture_ = true;
}

void WebPlatform::EndTurn(double nowMs) {
  if (paused_) {
    if (!pausedPictureShown_) canvas_.Show(true);
    pausedPictureShown_ = true;
  } else if (freshPicture_) {
    canvas_.Show(false);
  }
  freshPicture_ = false;
  // The caption changes every frame; the tab's title follows it a few times
  // a second, and at once when the pause comes or goes.
  if (caption_ != shownCaption_ && (nowMs - captionShownAt_ >= 250 || pauseInTitle_ != paused_)) {
    shownCaption_ = caption_;
    captionShownAt_ = nowMs;
    pauseInTitle_ = paused_;
    SetTitle(shownCaption_.data(), static_cast<int>(shownCaption_.size()));
  }
}

void WebPlatform::SetCaption(std::string_view text) { caption_.assign(text); }

void WebPlatform::SetFullScreen(bool on) {
  fullScreen_ = on;
  AskFullScreen(on ? 1 : 0);
}

void WebPlatform::RestPaused(uint32_t) {
  // The page's loop comes back at the next animation frame; nothing to wait
  // for here.
}

void WebPlatform::Queue(EventKind kind, Key key) {
  if (eventCount_ < static_cast<int>(events_.size())) events_[eventCount_++] = {kind, key};
}

void WebPlatform::KeyChanged(Key key, bool down) {
  held_[key] = down;
  if (down) pressedSincePoll_[key] = true;
}

void WebPlatform::ReleaseKeys() { held_.fill(false); }

void WebPlatform::ReadKeyboard(std::span<bool, KeyCount> keys) {
  for (int i = 0; i < KeyCount; ++i) keys[i] = held_[i] || pressedSincePoll_[i];
  pressedSincePoll_.fill(false);
  // The pause keys are never game input, whatever the key tables say.
  keys[KeyP] = keys[KeyPause] = false;
}

void WebPlatform::SamplePad() {
  pad_ = {};
  bool start = false;
  if (emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS) {
    const int count = emscripten_get_num_gamepads();
    EmscriptenGamepadEvent g;
    for (int i = 0; i < count; ++i) {
      if (emscripten_get_gamepad_status(i, &g) != EMSCRIPTEN_RESULT_SUCCESS || !g.connected) continue;
      const double x = g.numAxes > 0 ? g.axis[0] : 0.0;
      const double y = g.numAxes > 1 ? g.axis[1] : 0.0;
      auto held = [&g](int b) { return b < g.numButtons && g.digitalButton[b]; };
      if (std::strcmp(g.mapping, "standard") == 0) {
        pad_.AxisX = PadOrStick(held(StandardLeft), held(StandardRight), StickValue(x));
        pad_.AxisY = PadOrStick(held(StandardUp), held(StandardDown), StickValue(y));
        int bit = 0;
        for (int b : StandardButtons) {
          if (held(b)) pad_.Buttons |= 1u << bit;
          ++bit;
        }
        // The triggers count as two more buttons once pressed half way.
        for (int b : StandardTriggers) {
          if (b < g.numButtons && g.analogButton[b] >= 0.5) pad_.Buttons |= 1u << bit;
          ++bit;
        }
        start = held(StandardStart);
      } else {
        pad_.AxisX = ReduceAxis(StickValue(x));
        pad_.AxisY = ReduceAxis(StickValue(y));
        for (int b = 0; b < std::min(g.numButtons, 32); ++b) {
          if (g.digitalButton[b]) pad_.Buttons |= 1u << b;
        }
      }
      break;  // the first pad only
    }
  }
  if (start && !padStart_) pauseKey_ = !pauseKey_;
  padStart_ = start;
}

void WebPlatform::ReadJoystick(JoystickState& joy) {
  SamplePad();
  joy = pad_;
}

void WebPlatform::PumpEvents(PlatformEvents& sink) {
  SamplePad();
  // A page hidden and shown again between two pumps still pauses for one,
  // so that the frame after it starts its period afresh.
  bool hiddenMeanwhile = false;
  for (int i = 0; i < eventCount_; ++i) {
    const Event e = events_[i];
    switch (e.Kind) {
      case EventKind::Key:
        sink.KeyDown(e.Pressed);
        break;
      case EventKind::PauseKey:
        pauseKey_ = !pauseKey_;
        break;
      case EventKind::Screenshot:
        SaveScreenshot();
        break;
      case EventKind::Hidden:
        hidden_ = hiddenMeanwhile = true;
        break;
      case EventKind::Shown:
        hidden_ = false;
        break;
      case EventKind::LeftFullScreen:
        // Left by the browser's own means (its Escape): the game's switch
        // follows, as if F5 had been pressed.
        if (fullScreen_) sink.KeyDown(KeyF5);
        break;
    }
  }
  eventCount_ = 0;
  const bool paused = pauseKey_ || (pauseWhenHidden_ && (hidden_ || hiddenMeanwhile));
  if (paused != paused_) {
    paused_ = paused;
    pausedPictureShown_ = false;
    freshPicture_ = true;  // bright again at once when the pause ends
    web_audio::Pause(paused);
  }
}

void WebPlatform::SaveScreenshot() {
  std::array<uint16_t, 7> d{};
  GetLocalTime(d);
  char name[64];
  std::snprintf(name, sizeof name, "ombrezza-%04u%02u%02u-%02u%02u%02u-%03u.png", unsigned{d[0]}, unsigned{d[1]},
                unsigned{d[2]}, unsigned{d[3]}, unsigned{d[4]}, unsigned{d[5]}, unsigned{d[6]});
  canvas_.Download(name);
  std::fprintf(stderr, "ombrezza: screenshot downloaded as %s\n", name);
}

void WebPlatform::SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) {
  web_audio::SetChannelWave(channel, format, pcm);
}
void WebPlatform::ClearChannel(int channel) { web_audio::ClearChannel(channel); }
void WebPlatform::PlayChannel(int channel) { web_audio::PlayChannel(channel); }
void WebPlatform::StopChannel(int channel) { web_audio::StopChannel(channel); }
void WebPlatform::MusicPreload(std::string_view path) { web_audio::MusicPreload(path); }
void WebPlatform::MusicOpen(std::string_view path) { web_audio::MusicOpen(path); }
void WebPlatform::MusicPlay() { web_audio::MusicPlay(); }
bool WebPlatform::MusicPlaying() { return web_audio::MusicPlaying(); }
void WebPlatform::MusicSeekStart() { web_audio::MusicSeekStart(); }
void WebPlatform::MusicStop() { web_audio::MusicStop(); }
void WebPlatform::MusicClose() { web_audio::MusicClose(); }

}  // namespace omb
