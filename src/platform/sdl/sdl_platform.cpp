#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <vector>

#include "media/debuglog.h"
#include "media/pacing.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/png/png_writer.h"
#include "platform/sdl/sdl_choices.h"

namespace omb {
namespace {

// SIGINT and SIGTERM only raise this; the next PumpEvents turns it into a
// close request, so the game still saves its ranking and options.
volatile std::sig_atomic_t StopSignal = 0;
void OnStopSignal(int) { StopSignal = 1; }

// Controller buttons in the order of the game's button numbers: A is button
// 0 (shot, confirm), B button 1 (cancel).
constexpr SDL_GameControllerButton ControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,          SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSTICK,  SDL_CONTROLLER_BUTTON_RIGHTSTICK,
    SDL_CONTROLLER_BUTTON_GUIDE,
};

class SdlPlatform final : public Platform {
 public:
  bool Start(const SdlOptions& options, std::string& error);
  ~SdlPlatform() override;

  uint32_t GetTickCount() override { return SDL_GetTicks(); }
  void GetLocalTime(std::array<uint16_t, 7>& date) override {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    date = {static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint16_t>(local.tm_mon + 1),
            static_cast<uint16_t>(local.tm_mday),        static_cast<uint16_t>(local.tm_hour),
            static_cast<uint16_t>(local.tm_min),         static_cast<uint16_t>(local.tm_sec),
            static_cast<uint16_t>(now.tv_nsec / 1000000)};
  }
  void Idle(uint32_t ms) override;

  void Present(const uint32_t* pixels) override;
  bool Paused() override { return paused_; }
  void RestPaused(uint32_t ms) override;
  void SetCaption(std::string_view text) override;
  void SetFullScreen(bool on) override;

  void ReadKeyboard(std::span<bool, KeyCount> keys) override;
  void ReadJoystick(JoystickState& joy) override;
  void PumpEvents(PlatformEvents& sink) override;

  void SetChannelWave(int channel, const WaveFormat& format, std::span<const uint8_t> pcm) override {
    audio_.SetChannelWave(channel, format, pcm);
  }
  void ClearChannel(int channel) override { audio_.ClearChannel(channel); }
  void PlayChannel(int channel) override { audio_.PlayChannel(channel); }
  void StopChannel(int channel) override { audio_.StopChannel(channel); }

  void MusicPreload(std::string_view path) override { audio_.MusicPreload(path); }
  void MusicOpen(std::string_view path) override { audio_.MusicOpen(path); }
  void MusicPlay() override { audio_.MusicPlay(); }
  bool MusicPlaying() override { return audio_.MusicPlaying(); }
  void MusicSeekStart() override { audio_.MusicSeekStart(); }
  void MusicStop() override { audio_.MusicStop(); }
  void MusicClose() override { audio_.MusicClose(); }

 private:
  bool MakeTexture();
  // The last frame, to the window; dimmed while paused.
  void Show();
  void TogglePauseKey();
  void FollowPause();
  void SaveScreenshot();
  void ReviewJoystick();
  void DropJoystick();

  bool videoStarted_ = false;
  bool joystickStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_ScaleMode textureScale_ = SDL_ScaleModeNearest;
  int scale_ = 1;
  bool fullScreen_ = false;
  std::string caption_;
  // The frame on screen as the game presented it: for F12, and to show again
  // while paused or after the texture was lost.
  std::vector<uint32_t> lastFrame_;
  bool pauseOnFocusLoss_ = true;
  bool pauseKey_ = false;   // P, Pause or Start pressed an odd number of times
  bool focusLost_ = false;  // since the window last had the focus
  bool paused_ = false;
  bool reshow_ = false;  // the paused picture needs drawing again
  SDL_GameController* controller_ = nullptr;
  SDL_Joystick* joystick_ = nullptr;  // a stick SDL has no controller mapping for
  SdlAudio audio_;
  struct sigaction oldInt_ = {}, oldTerm_ = {};
  bool signalsInstalled_ = false;
};

bool SdlPlatform::Start(const SdlOptions& options, std::string& error) {
  scale_ = std::max(1, options.Scale);
  pauseOnFocusLoss_ = options.PauseOnFocusLoss;
  lastFrame_.assign(static_cast<std::size_t>(ScreenWidth) * ScreenHeight, 0);
  // Our own handlers below, so that a signal always ends as a close request.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot start the video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;

  caption_ = "Ombrezza";
  window_ = SDL_CreateWindow(caption_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             ScreenWidth * scale_, ScreenHeight * scale_, 0);
  if (window_ == nullptr) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    error = std::string("cannot draw into the window: ") + SDL_GetError();
    return false;
  }
  if (!MakeTexture()) {
    error = std::string("cannot make the screen texture: ") + SDL_GetError();
    return false;
  }
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer_, &info) == 0) {
    DebugReport(DebugLog::Display, std::string("renderer ") + info.name);
  }
  SDL_ShowCursor(SDL_DISABLE);

  struct sigaction sa = {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, &oldInt_);
  sigaction(SIGTERM, &sa, &oldTerm_);
  signalsInstalled_ = true;

  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {
    joystickStarted_ = true;
    ReviewJoystick();
  } else {
    ReportFailure(DebugLog::Input, std::string("no joystick: ") + SDL_GetError());
  }
  audio_.Open();
  return true;
}

SdlPlatform::~SdlPlatform() {
  audio_.Close();
  DropJoystick();
  if (joystickStarted_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
  if (signalsInstalled_) {
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
  }
}

bool SdlPlatform::MakeTexture() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  // RGB888 is SDL's 0x00RRGGBB in a native 32-bit word: the game's pixels as
  // they stand.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               ScreenWidth, ScreenHeight);
  textureScale_ = SDL_ScaleModeNearest;
  if (texture_ == nullptr) return false;
  if (!lastFrame_.empty()) SDL_UpdateTexture(texture_, nullptr, lastFrame_.data(), ScreenWidth * sizeof(uint32_t));
  return true;
}

void SdlPlatform::Idle(uint32_t ms) { NapFor(ms); }

void SdlPlatform::Present(const uint32_t* pixels) {
  std::copy(pixels, pixels + lastFrame_.size(), lastFrame_.begin());
  if (texture_ == nullptr) return;
  SDL_UpdateTexture(texture_, nullptr, pixels, ScreenWidth * sizeof(uint32_t));
  Show();
}

void SdlPlatform::RestPaused(uint32_t ms) {
  if (reshow_) {
    reshow_ = false;
    Show();
  }
  // Any event ends the rest early, so the pause keys answer at once; a
  // signal is seen at the latest after `ms`.
  SDL_WaitEventTimeout(nullptr, static_cast<int>(ms));
}

void SdlPlatform::Show() {
  if (texture_ == nullptr) return;
  // Half brightness says the game is paused.
  const Uint8 light = paused_ ? 128 : 255;
  SDL_SetTextureColorMod(texture_, light, light, light);
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  const PictureRect fit = FitPicture(w, h);
  // Whole multiples stay sharp; an odd fit is smoothed rather than torn into
  // uneven pixel rows.
  const SDL_ScaleMode mode = fit.W % ScreenWidth == 0 ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
  if (mode != textureScale_ && SDL_SetTextureScaleMode(texture_, mode) == 0) textureScale_ = mode;
  const SDL_Rect dst = {fit.X, fit.Y, fit.W, fit.H};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::SetCaption(std::string_view text) {
  // The game sets it every frame; the window system only hears of changes.
  if (text == caption_) return;
  caption_.assign(text);
  SDL_SetWindowTitle(window_, caption_.c_str());
}

void SdlPlatform::SetFullScreen(bool on) {
  if (on == fullScreen_) return;
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    ReportFailure(DebugLog::Display, std::string("cannot switch the screen: ") + SDL_GetError());
    return;
  }
  fullScreen_ = on;
  if (!on) SDL_SetWindowSize(window_, ScreenWidth * scale_, ScreenHeight * scale_);
  reshow_ = true;
}

void SdlPlatform::ReadKeyboard(std::span<bool, KeyCount> keys) {
  SDL_PumpEvents();  // the state as of now, not as of the last event poll
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  count = std::min(count, KeyCount);
  for (int i = 0; i < count; i++) keys[i] = state[i] != 0;
  std::fill(keys.begin() + count, keys.end(), false);
  // The pause keys are never game input, whatever the key tables say.
  keys[KeyP] = keys[KeyPause] = false;
}

void SdlPlatform::ReadJoystick(JoystickState& joy) {
  joy = {};
  if (controller_ != nullptr) {
    SDL_GameController* c = controller_;
    SDL_GameControllerUpdate();
    auto held = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
    joy.AxisX = PadOrStick(held(SDL_CONTROLLER_BUTTON_DPAD_LEFT), held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT),
                           SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX));
    joy.AxisY = PadOrStick(held(SDL_CONTROLLER_BUTTON_DPAD_UP), held(SDL_CONTROLLER_BUTTON_DPAD_DOWN),
                           SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
    int bit = 0;
    for (SDL_GameControllerButton b : ControllerButtons) {
      if (held(b)) joy.Buttons |= 1u << bit;
      bit++;
    }
    // The triggers count as two more buttons once pressed half way.
    if (SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERLEFT) >= 16384) joy.Buttons |= 1u << bit;
    if (SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) >= 16384) joy.Buttons |= 1u << (bit + 1);
  } else if (joystick_ != nullptr) {
    SDL_Joystick* j = joystick_;
    SDL_JoystickUpdate();
    const Uint8 hat = SDL_JoystickNumHats(j) > 0 ? SDL_JoystickGetHat(j, 0) : SDL_HAT_CENTERED;
    const int axes = SDL_JoystickNumAxes(j);
    joy.AxisX = PadOrStick(hat & SDL_HAT_LEFT, hat & SDL_HAT_RIGHT, axes > 0 ? SDL_JoystickGetAxis(j, 0) : 0);
    joy.AxisY = PadOrStick(hat & SDL_HAT_UP, hat & SDL_HAT_DOWN, axes > 1 ? SDL_JoystickGetAxis(j, 1) : 0);
    const int buttons = std::min(SDL_JoystickNumButtons(j), 32);
    for (int i = 0; i < buttons; i++) {
      if (SDL_JoystickGetButton(j, i)) joy.Buttons |= 1u << i;
    }
  }
}

void SdlPlatform::PumpEvents(PlatformEvents& sink) {
  bool close = false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        close = true;
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE:
            close = true;
            break;
          case SDL_WINDOWEVENT_FOCUS_LOST:
            focusLost_ = true;
            break;
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            focusLost_ = false;
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            reshow_ = true;
            break;
          default:
            break;
        }
        break;
      case SDL_KEYDOWN:
        if (e.key.repeat) break;
        switch (e.key.keysym.scancode) {
          case SDL_SCANCODE_ESCAPE:
          case SDL_SCANCODE_F1:
          case SDL_SCANCODE_F2:
          case SDL_SCANCODE_F5:
            sink.KeyDown(static_cast<Key>(e.key.keysym.scancode));
            break;
          case SDL_SCANCODE_P:
          case SDL_SCANCODE_PAUSE:
            TogglePauseKey();
            break;
          case SDL_SCANCODE_F12:
            SaveScreenshot();
            break;
          default:
            break;
        }
        break;
      case SDL_JOYDEVICEADDED:
      case SDL_JOYDEVICEREMOVED:
      case SDL_CONTROLLERDEVICEADDED:
      case SDL_CONTROLLERDEVICEREMOVED:
        ReviewJoystick();
        break;
      case SDL_CONTROLLERBUTTONDOWN:
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_START && controller_ != nullptr &&
            e.cbutton.which == SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller_))) {
          TogglePauseKey();
        }
        break;
      case SDL_RENDER_DEVICE_RESET:
        MakeTexture();
        reshow_ = true;
        break;
      default:
        break;
    }
  }
  if (StopSignal) {
    StopSignal = 0;
    close = true;
  }
  FollowPause();
  // The window's close button and SDL's quit come as a pair; the game hears
  // of it once.
  if (close) sink.CloseRequested();
}

void SdlPlatform::TogglePauseKey() { pauseKey_ = !pauseKey_; }

void SdlPlatform::FollowPause() {
  const bool paused = pauseKey_ || (pauseOnFocusLoss_ && focusLost_);
  if (paused == paused_) return;
  paused_ = paused;
  audio_.Pause(paused);
  if (paused) {
    reshow_ = true;
  } else {
    Show();  // at full brightness until the next frame replaces it
  }
}

void SdlPlatform::SaveScreenshot() {
  std::array<uint16_t, 7> date{};
  GetLocalTime(date);
  std::string path, error;
  if (omb::SaveScreenshot(lastFrame_.data(), date, path, error)) {
    std::fprintf(stderr, "ombrezza: screenshot saved to %s\n", path.c_str());
  } else {
    std::fprintf(stderr, "ombrezza: no screenshot: %s\n", error.c_str());
  }
}

void SdlPlatform::DropJoystick() {
  if (controller_ != nullptr) SDL_GameControllerClose(controller_);
  if (joystick_ != nullptr) SDL_JoystickClose(joystick_);
  controller_ = nullptr;
  joystick_ = nullptr;
}

// Keeps the first joystick open: lets go of one that was unplugged and takes
// the first that answers when none is open.
void SdlPlatform::ReviewJoystick() {
  if (!joystickStarted_) return;
  SDL_Joystick* open = controller_ != nullptr ? SDL_GameControllerGetJoystick(controller_) : joystick_;
  if (open != nullptr && SDL_JoystickGetAttached(open)) return;
  DropJoystick();
  const int count = SDL_NumJoysticks();
  for (int i = 0; i < count; i++) {
    if (SDL_IsGameController(i)) {
      controller_ = SDL_GameControllerOpen(i);
      if (controller_ != nullptr) break;
    }
    joystick_ = SDL_JoystickOpen(i);
    if (joystick_ != nullptr) break;
  }
  const char* name = controller_ != nullptr ? SDL_GameControllerName(controller_)
                     : joystick_ != nullptr ? SDL_JoystickName(joystick_)
                                            : nullptr;
  if (name != nullptr) DebugReport(DebugLog::Input, std::string("joystick ") + name);
}

}  // namespace

std::unique_ptr<Platform> CreateSdlPlatform(const SdlOptions& options, std::string& error) {
  auto platform = std::make_unique<SdlPlatform>();
  if (!platform->Start(options, error)) return nullptr;
  return platform;
}

}  // namespace omb
