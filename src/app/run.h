// The program after its command line: the platform chosen, the game's
// folders entered, and the frame loop run until the game or the player ends
// it; or a replay verified, or the pattern gallery written. Each build's
// main() gives it the window it has.
#pragma once
#include <memory>
#include <string>

#include "app/command_line.h"
#include "media/platform.h"
#include "platform/headless/headless_platform.h"

namespace omb {

// Opens the player's window with the command line's choices; nullptr with
// the reason in `error` when it cannot.
using OpenWindowFn = std::unique_ptr<Platform> (*)(const CommandLine& cl, std::string& error);

// Runs a parsed command line. `openWindow` is null in a build without a
// window, which then plays headless only. Returns the exit status.
int RunProgram(CommandLine cl, OpenWindowFn openWindow);

// The game's start once its platform and folders are in place: the shell's
// start-up, full screen and the stage the command line asks to play at once.
void StartGame(const CommandLine& cl);

// Reads and parses the input script of a headless run; false with the reason
// in `error` when the file is missing or malformed.
bool LoadInputScript(const std::string& path, InputScript& script, std::string& error);

// The exit status of a bad command line, after its message and the usage.
int BadCommandLine(const std::string& error);

}  // namespace omb
