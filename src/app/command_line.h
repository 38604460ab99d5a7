// The command line. With no arguments the game plays in a window from the
// directory that holds the program.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/game_vars.h"

namespace omb {

struct FrameFile {
  int64_t Frame;  // frame-routine call, counting from 1
  std::string Path;
};

struct CommandLine {
  std::string Dir;  // empty: the program's own directory
  bool FullScreen = false;
  int Scale = 1;
  bool PauseOnFocusLoss = true;  // the window pauses the game while it lacks the focus
  bool Headless = false;
  int64_t Frames = -1;  // headless: stop after this many frames
  std::string InputFile;
  std::vector<FrameFile> Screenshots;
  std::vector<FrameFile> Dumps;
  bool NoDraw = false;  // headless: draw only the frames of the screenshots
  // Straight into play: stage, weapons and game mode.
  int32_t PlayStage = 0;  // 0: start on the title
  int32_t SubShot = 0, SpecialWeapon = 0;
  // Options of that game for that run only; unset, the player's own.
  std::optional<int32_t> GameMode, BulletStyle;
  std::optional<std::array<int32_t, 6>> Buttons;
  std::string GalleryDir;  // headless: write the bullet pattern gallery
  int32_t VerifySlot = -1;  // headless: play replay slot 0-149 back and check its result
};

// False with a message on a bad command line.
bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error);

extern const char* const Usage;

}  // namespace omb
