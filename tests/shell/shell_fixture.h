// A shell on the headless platform, every variable at its start value, in a
// directory of its own.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/platform.h"
#include "platform/headless/headless_platform.h"
#include "scratch_dir.h"
#include "shell/components.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShell();
    ResetSoundService();
    Sprites.Create();
    ThePlatform = &platform;
  }
  void TearDown() override { ThePlatform = nullptr; }

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

  ScratchDirectory directory;
  HeadlessPlatform platform;
};

}  // namespace omb
