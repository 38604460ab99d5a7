// The frame routine, frame pacing, input sampling and the shell's keys.
#include <cstdio>
#include <cstring>

#include "media/platform.h"
#include "persistence/options.h"
#include "persistence/replay.h"
#include "shell/dump.h"
#include "shell/components.h"
#include "shell/shell.h"
#include "shell/sound_service.h"
#include "shell/start_values.h"
#include "shell/states.h"

namespace omb {

void ResetShell() {
  RestoreStartValues<GameState, PrevGameState, FrameCount, StageFrame, MeasuredFps, FullScreen, FrameSkip,
                     FrameSkipOn, WaitOn, MusicOn, NowTick, LastTick, AxisX, AxisY, AxisXPrev, AxisYPrev,
                     ButtonsNow, ButtonsPrev, PadNow, PadPrev, DirectPlayRequest, TerminateRequested,
                     SkipDrawing>();
}

int FormatCaption(char* out, int size) {
  const int n = std::snprintf(out, static_cast<std::size_t>(size), "Flame 1/%d  :  %s  :  Flame %d", FrameSkip,
                              WaitOn ? "Waiting" : "No Wait", StageFrame);
  return n < size ? n : size - 1;
}

void IdleFrame() {
  // Drawing only reads the game's state, so leaving it out changes nothing
  // else.
  if (!SkipDrawing) Screen.Clear();
  if (StageFrame < 0) StageFrame = 0;
  RunStateHandler(GameState);
  if (GameState == StateQuit) TerminateRequested = true;
  if (GameState != PrevGameState) EnterState(GameState);
  PrevGameState = GameState;
  // FrameSkip comes from a file that may hold anything; never divide by
  // less than one.
  const int32_t skip = FrameSkip >= 1 ? FrameSkip : 1;
  if (!SkipDrawing && (!FrameSkipOn || FrameCount % skip == 0)) {
    Sprites.DrawAll(Screen);
    Screen.Flip();
  }
  ++FrameCount;
  ServeSound();
  if (!FullScreen && ThePlatform != nullptr) {
    char caption[96];
    const int n = FormatCaption(caption, sizeof caption);
    ThePlatform->SetCaption(std::string_view(caption, static_cast<std::size_t>(n)));
  }
  FrameWait(20);
}

bool RestIfPaused() {
  if (!ThePlatform->Paused()) return false;
  if (!FullScreen) {
    constexpr char Paused[] = "  :  Paused";
    char caption[96 + sizeof Paused];
    const int n = FormatCaption(caption, 96);
    std::memcpy(caption + n, Paused, sizeof Paused);
    ThePlatform->SetCaption(std::string_view(caption, static_cast<std::size_t>(n) + sizeof Paused - 1));
  }
  ThePlatform->RestPaused(PausedRestMs);
  LastTick = ThePlatform->GetTickCount();
  return true;
}

void FrameWait(int32_t interval) {
  NowTick = ThePlatform->GetTickCount();
  if (WaitOn) {
    // The platform sleeps most of the interval; the clock decides when it ends.
    while (static_cast<int32_t>(NowTick - LastTick) < interval) {
      ThePlatform->Idle(static_cast<uint32_t>(interval - static_cast<int32_t>(NowTick - LastTick)));
      NowTick = ThePlatform->GetTickCount();
    }
  }
  if (FrameCount % 11 == 0 && NowTick != LastTick) {
    MeasuredFps = 1000 / static_cast<int32_t>(NowTick - LastTick);
  }
  LastTick = NowTick;
  SampleInput();
}

void SampleInput() {
  Joy.Poll();
  const auto axes = Joy.GetAxes();
  AxisXPrev = AxisX;
  AxisYPrev = AxisY;
  AxisX = axes[0];
  AxisY = axes[1];
  ButtonsPrev = ButtonsNow;
  ButtonsNow = 0;
  for (int b = 0; b < 6; ++b) {
    if (Joy.Button(b)) ButtonsNow += 1 << b;
  }
  PadPrev = PadNow;
  PadNow = (AxisX == -1 ? 1 : 0) + (AxisY == -1 ? 2 : 0) + (AxisX == 1 ? 4 : 0) + (AxisY == 1 ? 8 : 0) +
           ButtonsNow * 16;
}

void FormKeyDown(Key key) {
  switch (key) {
    case KeyEscape:
      if (GameState == StateTitle) {
        TerminateRequested = true;
      } else {
        if (GameState == StateOptions) SaveOptions();
        GameState = StateTitle;
      }
      break;
    case KeyF5:
      FullScreen = !FullScreen;
      if (FullScreen) {
        Screen.InitializeFullScreen(640, 480, 8);
      } else {
        Screen.InitializeWindowed(640, 480);
      }
      break;
    case KeyF1:
      FrameSkip = FrameSkip + 1 > 5 ? 1 : FrameSkip + 1;
      FrameSkipOn = FrameSkip != 1;
      break;
    case KeyF2:
      WaitOn = !WaitOn;
      break;
    default:
      break;
  }
}

void ShellEvents::KeyDown(Key key) { FormKeyDown(key); }
void ShellEvents::CloseRequested() { TerminateRequested = true; }

void EnterState(int32_t state) {
  // The state play ended in, before its objects go: the result keeps its
  // hash for the replay to be checked against.
  if (PrevGameState == StatePlay) PlayEndStateHash = StateHash();
  // No object survives from one screen to the next.
  ReleaseAllSlots();
  RunStateEntry(state);
}

}  // namespace omb
