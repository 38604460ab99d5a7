// A whole game in this process on the headless platform: start-up, then
// frames, as the program's loop runs them, in a directory of its own (so the
// player's options are the defaults unless the test writes "option.txt").
// `P` is the headless platform or a test's variant of it.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "game_test.h"

namespace omb {

template <class P>
class HeadlessGameOn : public TestWorldOn<P> {
 public:
  // Starts the program; with `stage` the first frame goes straight into play
  // (as `--play STAGE`), so frame 2 is the first play frame.
  explicit HeadlessGameOn(std::string_view script = {}, int stage = 0, int sub = 0, int special = 0, int mode = 0) {
    InputScript input;
    std::string error;
    EXPECT_TRUE(input.Parse(script, error)) << error;
    this->platform.SetScript(std::move(input));
    FormCreate();
    ScreenInit();
    if (stage != 0) DirectPlayRequest = {true, stage, sub, special, mode};
  }
  ~HeadlessGameOn() { FormDestroy(); }

  // Runs `n` frames; turns the platform spends paused do not count.
  void Frames(int n) {
    ShellEvents sink;
    for (int k = 0; k < n && !TerminateRequested;) {
      this->platform.PumpEvents(sink);
      if (RestIfPaused()) continue;
      IdleFrame();
      ++k;
    }
  }
};
using HeadlessGame = HeadlessGameOn<HeadlessPlatform>;

}  // namespace omb
