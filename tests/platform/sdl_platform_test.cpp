// The whole SDL platform on SDL's window-less video driver, with virtual
// joysticks plugged in and out.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <vector>

#include "media/debuglog.h"

namespace omb {
namespace {

struct Recorder : PlatformEvents {
  std::vector<Key> keys;
  int closes = 0;
  void KeyDown(Key key) override { keys.push_back(key); }
  void CloseRequested() override { closes++; }
};

void IgnoreReport(std::string_view) {}

void PushWindowEvent(SDL_WindowEventID id) {
  SDL_Event e = {};
  e.type = SDL_WINDOWEVENT;
  e.window.event = id;
  SDL_PushEvent(&e);
}

class SdlPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The window-less driver never gives the window focus, and SDL holds
    // back joystick input from unfocused windows.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    SetFailureSinkForTests(IgnoreReport);
    std::string error;
    platform_ = CreateSdlPlatform({.Scale = 2}, error);
    ASSERT_NE(platform_, nullptr) << error;
  }
  void TearDown() override {
    platform_.reset();
    SetFailureSinkForTests(nullptr);
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS");
  }

  void PushKey(SDL_Scancode code, bool repeat = false) {
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.repeat = repeat;
    e.key.keysym.scancode = code;
    SDL_PushEvent(&e);
  }

  // Pushes a key and says whether the platform is paused once it has taken it.
  bool PausedAfter(SDL_Scancode code, bool repeat = false) {
    PushKey(code, repeat);
    platform_->PumpEvents(events_);
    return platform_->Paused();
  }

  JoystickState Joy() {
    platform_->PumpEvents(events_);  // hot-plug arrives as events
    JoystickState joy;
    platform_->ReadJoystick(joy);
    return joy;
  }

  std::unique_ptr<Platform> platform_;
  Recorder events_;
};

TEST_F(SdlPlatformTest, OnlyTheShellsKeysAndOneCloseArrive) {
  PushKey(SDL_SCANCODE_F1);
  PushKey(SDL_SCANCODE_Z);                   // game input is read, not sent
  PushKey(SDL_SCANCODE_F2, /*repeat=*/true);  // held keys do not repeat
  PushKey(SDL_SCANCODE_F5);
  PushKey(SDL_SCANCODE_ESCAPE);
  platform_->PumpEvents(events_);
  EXPECT_EQ(events_.keys, (std::vector<Key>{KeyF1, KeyF5, KeyEscape}));
  EXPECT_EQ(events_.closes, 0);

  // The close button brings a window event and a quit: one request.
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  SDL_Event e = {};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
  platform_->PumpEvents(events_);
  EXPECT_EQ(events_.closes, 1);

  for (int sig : {SIGTERM, SIGINT}) {
    std::raise(sig);  // must not end the process
    platform_->PumpEvents(events_);
  }
  EXPECT_EQ(events_.closes, 3);
  platform_->PumpEvents(events_);
  EXPECT_EQ(events_.closes, 3);
}

TEST_F(SdlPlatformTest, PauseKeysAndTheFocusPauseAndNeverReachTheGame) {
  EXPECT_FALSE(platform_->Paused());
  EXPECT_TRUE(PausedAfter(SDL_SCANCODE_P));
  EXPECT_TRUE(PausedAfter(SDL_SCANCODE_P, /*repeat=*/true)) << "held, it does not let go again";
  EXPECT_FALSE(PausedAfter(SDL_SCANCODE_PAUSE));
  EXPECT_TRUE(events_.keys.empty()) << "the shell never hears of the pause keys";

  // Away from the window and back.
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  platform_->PumpEvents(events_);
  EXPECT_TRUE(platform_->Paused());
  PushKey(SDL_SCANCODE_P);  // paused by both: returning leaves the key's pause
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  platform_->PumpEvents(events_);
  EXPECT_TRUE(platform_->Paused());
  PushKey(SDL_SCANCODE_P);
  PushKey(SDL_SCANCODE_F2);  // the shell's keys pass while paused
  platform_->PumpEvents(events_);
  EXPECT_FALSE(platform_->Paused());
  EXPECT_EQ(events_.keys, (std::vector<Key>{KeyF2}));

  // The game pad's Start pauses and resumes too.
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  Joy();  // the platform takes it up
  for (bool expected : {true, false}) {
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
    Joy();
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 0);
    Joy();
    EXPECT_EQ(platform_->Paused(), expected);
  }
  SDL_JoystickClose(pad);
  SDL_JoystickDetachVirtual(index);
}

TEST_F(SdlPlatformTest, WithoutPauseOnFocusLossOnlyTheKeysPause) {
  platform_.reset();
  std::string error;
  platform_ = CreateSdlPlatform({.Scale = 1, .PauseOnFocusLoss = false}, error);
  ASSERT_NE(platform_, nullptr) << error;
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  platform_->PumpEvents(events_);
  EXPECT_FALSE(platform_->Paused());
  EXPECT_TRUE(PausedAfter(SDL_SCANCODE_P));
}

TEST_F(SdlPlatformTest, PlainJoystickAxesHatAndButtons) {
  EXPECT_EQ(Joy().Buttons, 0u);
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 34, 1);
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_FALSE(SDL_IsGameController(index));
  SDL_Joystick* stick = SDL_JoystickOpen(index);
  ASSERT_NE(stick, nullptr);
  SDL_JoystickSetVirtualAxis(stick, 0, -8000);  // inside the dead zone
  SDL_JoystickSetVirtualAxis(stick, 1, 9000);
  SDL_JoystickSetVirtualButton(stick, 0, 1);
  SDL_JoystickSetVirtualButton(stick, 5, 1);
  SDL_JoystickSetVirtualButton(stick, 33, 1);  // beyond the 32 the game has
  JoystickState joy = Joy();
  EXPECT_EQ(joy.AxisX, 0);
  EXPECT_EQ(joy.AxisY, 32767);
  EXPECT_EQ(joy.Buttons, 0x21u);

  SDL_JoystickSetVirtualHat(stick, 0, SDL_HAT_LEFTUP);
  joy = Joy();
  EXPECT_EQ(joy.AxisX, -32767);
  EXPECT_EQ(joy.AxisY, -32767);

  SDL_JoystickClose(stick);
  SDL_JoystickDetachVirtual(index);
  joy = Joy();
  EXPECT_EQ(joy.AxisY, 0) << "an unplugged joystick reads as rest";
  EXPECT_EQ(joy.Buttons, 0u);
}

TEST_F(SdlPlatformTest, ControllerButtonsInTheGamesOrderAndReplugging) {
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                              SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(index));
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_B, 1);
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);  // the pad wins
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  JoystickState joy = Joy();
  EXPECT_EQ(joy.AxisX, -32767);
  EXPECT_EQ(joy.AxisY, -32767);
  EXPECT_EQ(joy.Buttons, (1u << 1) | (1u << 5) | (1u << 12));  // B, right shoulder, right trigger

  // Unplugged, then a plain stick comes: it is taken up without a restart.
  SDL_JoystickClose(pad);
  SDL_JoystickDetachVirtual(index);
  EXPECT_EQ(Joy().Buttons, 0u);
  const int next = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 0);
  SDL_Joystick* stick = SDL_JoystickOpen(next);
  SDL_JoystickSetVirtualButton(stick, 3, 1);
  EXPECT_EQ(Joy().Buttons, 1u << 3);
  SDL_JoystickClose(stick);
  SDL_JoystickDetachVirtual(next);
}

}  // namespace
}  // namespace omb
