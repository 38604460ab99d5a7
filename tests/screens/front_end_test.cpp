#include "screen_fixture.h"

namespace omb {
namespace {

// Whole frames of the shell with scripted input, from the title on.
class FrontEndTest : public ScreenTest {
 protected:
  // The frame routine sees the input word of the poll before it.
  void Script(std::string_view script) {
    InputScript input;
    std::string error;
    ASSERT_TRUE(input.Parse(script, error)) << error;
    platform.SetScript(std::move(input));
  }
  void Run(int frames) {
    struct Sink : PlatformEvents {
      void KeyDown(Key key) override { FormKeyDown(key); }
      void CloseRequested() override {}
    } sink;
    for (int k = 0; k < frames; ++k) {
      platform.PumpEvents(sink);
      IdleFrame();
    }
  }
};

TEST_F(FrontEndTest, FromTheTitleThroughTheOptionsToAGame) {
  Enter(StateTitle);
  Script("2 0\n"
      "1 1\n"      // left: stage 4
      "1 0\n"
      "1 2\n"      // up: EXIT
      "1 0\n"
      "1 2\n"      // up: OPTION
      "1 16\n"     // into the options
      "3 16\n"     // held: nothing
      "1 2\n"      // up: --- EXIT ---
      "1 18\n"     // and back to the title
      "2 0\n"
      "2 16\n"     // GAMESTART
      "4 20\n"     // held, with right: CURVE
      "1 0\n"
      "1 16\n");
  Run(15);
  EXPECT_EQ(GameState, StateTitle);
  EXPECT_EQ(Stage, 4);
  EXPECT_EQ(ScreenRow(252), "<STAGE:1>") << "the title starts again from stage 1";
  Run(9);
  EXPECT_EQ(GameState, StatePlay);
  EXPECT_EQ(SubShot, SubCurve);
  EXPECT_EQ(Stage, 1);
}

}  // namespace
}  // namespace omb
