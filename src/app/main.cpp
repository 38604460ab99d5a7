// The desktop program: a window of its own unless run headless.
#include "app/command_line.h"
#include "app/run.h"
#include "platform/sdl/sdl_platform.h"

using namespace omb;

namespace {

std::unique_ptr<Platform> OpenSdlWindow(const CommandLine& cl, std::string& error) {
  SdlOptions options;
  options.Scale = cl.Scale;
  options.PauseOnFocusLoss = cl.PauseOnFocusLoss;
  return CreateSdlPlatform(options, error);
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine cl;
  std::string error;
  if (!ParseCommandLine(argc, argv, cl, error)) return BadCommandLine(error);
  return RunProgram(std::move(cl), OpenSdlWindow);
}
