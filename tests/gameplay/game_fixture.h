// A whole game in this process on the headless platform: start-up, then
// frames, as the program's loop runs them, in a directory of its own (so the
// player's options are the defaults unless the test writes "option.txt").
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "media/debuglog.h"
#include "platform/headless/headless_platform.h"
#include "scratch_dir.h"
#include "shell/shell.h"

namespace omb {

// `P` is the headless platform or a test's variant of it.
template <class P>
class HeadlessGameOn {
 public:
  // Starts the program; with `stage` the first frame goes straight into play
  // (as `--play STAGE`), so frame 2 is the first play frame.
  explicit HeadlessGameOn(std::string_view script = {}, int stage = 0, int sub = 0, int special = 0, int mode = 0) {
    // Without a game directory every sheet and wave is missing: expected here.
    SetFailureSinkForTests([](std::string_view) {});
    InputScript input;
    std::string error;
    EXPECT_TRUE(input.Parse(script, error)) << error;
    platform.SetScript(std::move(input));
    ThePlatform = &platform;
    FormCreate();
    ScreenInit();
    if (stage != 0) DirectPlayRequest = {true, stage, sub, special, mode};
  }
  ~HeadlessGameOn() {
    FormDestroy();
    ThePlatform = nullptr;
    SetFailureSinkForTests(nullptr);
  }

  // Runs `n` frames; turns the platform spends paused do not count.
  void Frames(int n) {
    ShellEvents sink;
    for (int k = 0; k < n && !TerminateRequested;) {
      platform.PumpEvents(sink);
      if (RestIfPaused()) continue;
      IdleFrame();
      ++k;
    }
  }

  ScratchDirectory directory;  // first in, last out
  P platform;
};
using HeadlessGame = HeadlessGameOn<HeadlessPlatform>;

}  // namespace omb
