// Program flow: start-up, the frame routine with its game states, frame
// pacing, the shell's own keys and shut-down; with the shell's variables.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "media/keys.h"
#include "media/platform.h"
#include "shell/game_vars.h"

namespace omb {

// Values of GameState. 1 and 4 to 7 have no handler: such a frame only
// clears, draws and waits.
enum : int32_t {
  StateQuit = -1,
  StateTitle = 0,
  StateRanking = 2,
  StateOptions = 3,
  StateReplaySelect = 8,
  StateWeaponSelect = 9,
  StatePlay = 10,
  StateResult = 11,
};

inline int32_t GameState = 0;
inline int32_t PrevGameState = 0;
inline int32_t FrameCount = 0;   // frames run; 0 again at every stage start
inline int32_t StageFrame = 0;   // play frames of the current stage
inline int32_t MeasuredFps = 0;  // the rate of one recent frame
inline bool FullScreen = false;
inline int32_t FrameSkip = 1;  // draw only every FrameSkip-th frame
inline bool FrameSkipOn = false;
inline bool WaitOn = true;
inline bool MusicOn = false;
inline uint32_t NowTick = 0;
inline uint32_t LastTick = 0;

// The input words, sampled at the end of every frame. PadNow is the word the
// play frame reads and replays record: bit 0 left, 1 up, 2 right, 3 down,
// bits 4 to 9 buttons 0 to 5.
inline int32_t AxisX = 0, AxisY = 0, AxisXPrev = 0, AxisYPrev = 0;
inline int32_t ButtonsNow = 0, ButtonsPrev = 0;
inline int32_t PadNow = 0, PadPrev = 0;

// A game started from the command line: the first frame acts as if
// "GAMESTART" had been confirmed on the title with Stage and the weapons
// chosen at once, so the frame ends with GameStart and EnterPlay done.
// The game plays with the player's options; a game mode, bullet style or
// button functions given here stand in for them in this game only and are
// never saved.
struct DirectPlay {
  bool Pending = false;
  int32_t Stage = 1, SubShot = 0, SpecialWeapon = 0;
  std::optional<int32_t> GameMode{}, BulletStyle{};
  std::optional<std::array<int32_t, 6>> Buttons{};
};
inline DirectPlay DirectPlayRequest;

// Set when the program should end after the current frame.
inline bool TerminateRequested = false;

// Set by the platform's loop before a frame nobody will look at (a headless
// run with --no-draw): the frame runs in full but neither clears, draws nor
// presents, the bulk of a long run's time.
inline bool SkipDrawing = false;

// The platform's events as the shell takes them: the shell's keys go to
// FormKeyDown, and a close request (the window, SIGINT, SIGTERM) ends the
// program after the current frame, through the ordinary shut-down.
struct ShellEvents final : PlatformEvents {
  void KeyDown(Key key) override;
  void CloseRequested() override;
};

// Every shell variable back to its start value.
void ResetShell();
// Every game-wide variable of every subsystem back to its start value, as at
// program start (start-up runs it, and so can tests).
void ResetAllVariables();

// Life of the program, in the order the platform's loop calls them.
void FormCreate();
void ScreenInit();  // the start-up sequence
void IdleFrame();   // one frame
void FormKeyDown(Key key);
void FormDestroy();  // the shut-down sequence

// Between the platform's events and the frame: while the platform is paused
// the frame routine must not run, so nothing of the game moves. Then this
// sets the caption to the frame's with "  :  Paused", lets the platform rest
// for PausedRestMs and starts the frame period afresh, so that the first
// frame after the pause neither hurries nor measures the pause as its
// period. True when it rested (the caller skips the frame).
constexpr uint32_t PausedRestMs = 100;
bool RestIfPaused();

void EnterState(int32_t state);
void FrameWait(int32_t interval);
void SampleInput();

// The window caption of the current frame, e.g. "Flame 1/1  :  Waiting  :  Flame 0".
// Writes into `out` (no allocation) and returns its length.
int FormatCaption(char* out, int size);

}  // namespace omb
