#include "shell/assets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "media/debuglog.h"
#include "media/surface.h"
#include "scratch_dir.h"
#include "shell/components.h"

namespace omb {
namespace {

namespace fs = std::filesystem;

// In a scratch directory holding a copy of the built game's archive.
class AssetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(archive_)) GTEST_SKIP() << "no built archive at " << archive_;
    fs::copy_file(archive_, "cg.qda");
    SetFailureSinkForTests([](std::string_view) { ++Failures; });
  }
  void TearDown() override { SetFailureSinkForTests(nullptr); }
  static inline int Failures = 0;
  const char* bin_ = std::getenv("OMBREZZA_BINARY_DIR");
  const fs::path archive_ = fs::absolute(fs::path(bin_ != nullptr ? bin_ : "..") / "game" / "cg.qda");
  ScratchDirectory directory_;
};

TEST_F(AssetsTest, AStageStartTakesItsImagesFromWhatStartUpKept) {
  LoadSheets();
  Surface image12;
  ASSERT_TRUE(image12.LoadFromArchive("cg.qda", "cg12.bmp"));
  const uint32_t key = Sheets[9].ColorKey();
  fs::remove("cg.qda");  // from now on nothing can be read

  LoadSheet(9, 12);
  LoadSheet(8, 7);
  EXPECT_EQ(Failures, 0);
  EXPECT_EQ(Sheets[9].GetPixel(40, 40), Screen.ToCurrentFormat(image12.GetPixel(40, 40)));
  EXPECT_EQ(Sheets[9].ColorKey(), key) << "the colour key is not read again";
  EXPECT_EQ(Sheets[8].GetPixel(100, 100), Sheets[7].GetPixel(100, 100));
  LoadSheet(9, 3);  // not a stage image: read from the archive as ever
  EXPECT_EQ(Failures, 1);
}

}  // namespace
}  // namespace omb
