// A shell on the headless platform: the game test's start, and a frame as the
// platform's loop runs it.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_test.h"
#include "shell/sound_service.h"

namespace omb {

class ShellTest : public GameTest {
 protected:

  // One turn of the platform's loop: events, then a frame.
  void Frame() {
    ShellEvents sink;
    platform.PumpEvents(sink);
    IdleFrame();
  }

  // The platform's music log as strings, to compare whole.
  std::vector<std::string> MusicLog() const {
    return {platform.MusicLog.begin(), platform.MusicLog.end()};
  }
};

}  // namespace omb
