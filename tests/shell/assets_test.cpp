#include "shell/assets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "game_test.h"
#include "media/surface.h"

namespace omb {
namespace {

namespace fs = std::filesystem;

// In a scratch directory holding a copy of the built game's archive.
class AssetsTest : public ::testing::Test, public TestWorld {
 protected:
  void SetUp() override {
    const char* bin = std::getenv("OMBREZZA_BINARY_DIR");  // set by ctest
    const fs::path archive = fs::path(bin != nullptr ? bin : "") / "game" / "cg.qda";
    if (bin == nullptr || !fs::exists(archive)) GTEST_SKIP() << "no built archive at " << archive;
    fs::copy_file(archive, "cg.qda");
  }
};

TEST_F(AssetsTest, AStageStartTakesItsImagesFromWhatStartUpKept) {
  LoadSheets();
  Surface image12;
  ASSERT_TRUE(image12.LoadFromArchive("cg.qda", "cg12.bmp"));
  const uint32_t key = Sheets[9].ColorKey();
  fs::remove("cg.qda");  // from now on nothing can be read

  LoadSheet(9, 12);
  LoadSheet(8, 7);
  EXPECT_TRUE(Told.empty());
  EXPECT_EQ(Sheets[9].GetPixel(40, 40), Screen.ToCurrentFormat(image12.GetPixel(40, 40)));
  EXPECT_EQ(Sheets[9].ColorKey(), key) << "the colour key is not read again";
  EXPECT_EQ(Sheets[8].GetPixel(100, 100), Sheets[7].GetPixel(100, 100));
  LoadSheet(9, 3);  // not a stage image: read from the archive as ever
  EXPECT_EQ(Told.size(), 1u);
}

}  // namespace
}  // namespace omb
