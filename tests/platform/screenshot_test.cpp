// Screenshots: their names from the local time, their folder, and a failed
// write that leaves nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "media/platform.h"
#include "platform/png/png_writer.h"
#include "scratch_dir.h"

namespace omb {
namespace {

namespace fs = std::filesystem;

TEST(ScreenshotTest, NamedByTheLocalTimeInAFolderMadeForThem) {
  EXPECT_EQ(ScreenshotPath({2026, 3, 7, 9, 5, 1, 42}), "screenshots/ombrezza-20260307-090501-042.png");
  EXPECT_EQ(ScreenshotPath({1999, 12, 31, 23, 59, 59, 999}), "screenshots/ombrezza-19991231-235959-999.png");

  ScratchDirectory dir;
  std::vector<uint32_t> frame(ScreenWidth * ScreenHeight, 0x00FF8000);
  std::string path, error;
  ASSERT_TRUE(SaveScreenshot(frame.data(), {2026, 3, 7, 9, 5, 1, 42}, path, error)) << error;
  EXPECT_EQ(fs::path(path), dir.Path() / "screenshots/ombrezza-20260307-090501-042.png") << "a full name to report";
  const std::string png = ReadFile(path.c_str());
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8)) << "640 x 480 in the IHDR chunk";
  // A second one beside the first, into the folder that is there now.
  ASSERT_TRUE(SaveScreenshot(frame.data(), {2026, 3, 7, 9, 5, 1, 43}, path, error)) << error;
  EXPECT_EQ(std::distance(fs::directory_iterator("screenshots"), fs::directory_iterator()), 2);
}

TEST(ScreenshotTest, NoFolderWhereAFileStandsSaysWhy) {
  ScratchDirectory dir;
  std::vector<uint32_t> frame(ScreenWidth * ScreenHeight, 0);
  std::string path, error;
  WriteFile("screenshots", "a file where the folder should be");
  EXPECT_FALSE(SaveScreenshot(frame.data(), {2026, 1, 1, 0, 0, 0, 0}, path, error));
  EXPECT_NE(error.find("ombrezza-20260101-000000-000.png"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_regular_file("screenshots"));
}

}  // namespace
}  // namespace omb
