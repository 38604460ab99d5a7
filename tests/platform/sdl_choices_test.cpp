#include "platform/sdl/sdl_choices.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace omb {
namespace {

TEST(FitPicture, WholeMultiplesWhereTheyFitElseTheLargestFourToThree) {
  EXPECT_EQ(FitPicture(640, 480), (PictureRect{0, 0, 640, 480}));
  EXPECT_EQ(FitPicture(800, 600), (PictureRect{80, 60, 640, 480}));
  EXPECT_EQ(FitPicture(1920, 1080), (PictureRect{320, 60, 1280, 960}));  // 2x, not 2.25x
  EXPECT_EQ(FitPicture(1280, 1024), (PictureRect{0, 32, 1280, 960}));
  EXPECT_EQ(FitPicture(600, 300), (PictureRect{100, 0, 400, 300}));  // bars at the sides
  EXPECT_EQ(FitPicture(400, 600), (PictureRect{0, 150, 400, 300}));  // bars above and below
  EXPECT_EQ(FitPicture(639, 480), (PictureRect{0, 0, 639, 479}));
  EXPECT_EQ(FitPicture(0, 0), PictureRect{});
}

TEST(JoystickAxis, QuarterDeadZoneAndPadOverStick) {
  EXPECT_EQ(ReduceAxis(8191), 0);
  EXPECT_EQ(ReduceAxis(-8191), 0);
  EXPECT_EQ(ReduceAxis(8192), 32767);
  EXPECT_EQ(ReduceAxis(-32768), -32767);  // the game's range is symmetric
  EXPECT_EQ(PadOrStick(true, false, 32767), -32767);
  EXPECT_EQ(PadOrStick(false, true, -32768), 32767);
  EXPECT_EQ(PadOrStick(true, true, 20000), 32767);
  EXPECT_EQ(PadOrStick(false, false, 100), 0);
}

TEST(FindSoundFont, EnvironmentThenTimGM6mbThenFirstByName) {
  ScratchDirectory scratch;
  const std::filesystem::path dir = scratch.Path();
  EXPECT_EQ(FindSoundFont(nullptr, dir / "missing"), "");
  std::filesystem::create_symlink(dir / "gone.sf2", dir / "a-default.sf2");  // dangling
  WriteFile("notes.txt", "x");
  EXPECT_EQ(FindSoundFont(nullptr, dir), "");
  WriteFile("c.sf2", "x");
  WriteFile("b.sf2", "x");
  EXPECT_EQ(FindSoundFont(nullptr, dir), (dir / "b.sf2").string());
  WriteFile("TimGM6mb.sf2", "x");
  EXPECT_EQ(FindSoundFont("", dir), (dir / "TimGM6mb.sf2").string());
  EXPECT_EQ(FindSoundFont("/x/a.sf2:/x/b.sf2", dir), "/x/a.sf2:/x/b.sf2");
}

}  // namespace
}  // namespace omb
