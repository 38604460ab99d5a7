// What every test of the game starts from: a directory of its own (the game
// reads and writes its files where it runs, and test programs run side by
// side), the headless platform, and the file problems the game reports
// collected in Told rather than printed (the archive and waves are missing). GameTest adds every variable at its start value and the
// shape table filled (the sheets themselves are not needed); HeadlessGame
// (gameplay/game_fixture.h) runs the whole program instead.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "media/debuglog.h"
#include "media/platform.h"
#include "platform/headless/headless_platform.h"
#include "scratch_dir.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/shell.h"

namespace omb {

// `P` is the headless platform or a test's variant of it.
template <class P>
class TestWorldOn {
 public:
  TestWorldOn() {
    Told.clear();
    SetFailureSinkForTests([](std::string_view text) { Told.emplace_back(text); });
    ThePlatform = &platform;
  }
  ~TestWorldOn() {
    ThePlatform = nullptr;
    SetFailureSinkForTests(nullptr);
  }
  TestWorldOn(const TestWorldOn&) = delete;
  TestWorldOn& operator=(const TestWorldOn&) = delete;

  static inline std::vector<std::string> Told;
  ScratchDirectory directory;  // first in, last out
  P platform;
};
using TestWorld = TestWorldOn<HeadlessPlatform>;

class GameTest : public ::testing::Test, public TestWorld {
 protected:
  void SetUp() override {
    ResetAllVariables();
    Sprites.Create();
    LoadShapes();
  }
};

}  // namespace omb
