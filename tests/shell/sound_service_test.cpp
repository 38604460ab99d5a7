#include <string>
#include <vector>

#include "shell_fixture.h"

namespace omb {
namespace {

TEST_F(ShellTest, PreloadTunesAsksForEveryNamedTuneInOrder) {
  PreloadTunes();
  EXPECT_TRUE(platform.Preloaded.empty()) << "no music list, nothing to load";

  MidiName[0] = "title.mid";
  MidiName[1] = "stage1.mid";
  MidiName[3] = "stage2.mid";  // 2 and 4 to 7 stay unnamed
  MidiName[8] = "stage 4 boss.mid";
  PreloadTunes();
  const std::vector<std::string> want = {"midi/title.mid", "midi/stage1.mid", "midi/stage2.mid",
                                         "midi/stage 4 boss.mid"};
  EXPECT_EQ(platform.Preloaded, want);
}

}  // namespace
}  // namespace omb
