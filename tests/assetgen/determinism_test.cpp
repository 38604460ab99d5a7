// The build runs the generator whenever it changes and trusts its output, and
// the contact sheet is how the art is reviewed: two runs must agree to the
// byte, and the sheet must come out.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "generated.h"

namespace {

using assetgen_test::GameDir;
using assetgen_test::ReadBytes;
using assetgen_test::RunAssetgen;
using assetgen_test::ScratchDir;

TEST(Determinism, ASecondRunWritesTheSameBytes) {
  const std::filesystem::path& first = GameDir();
  std::filesystem::path second = ScratchDir("again");
  ASSERT_EQ(RunAssetgen("--out '" + second.string() + "'"), 0);
  int files = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(first)) {
    if (!e.is_regular_file()) continue;
    std::filesystem::path rel = std::filesystem::relative(e.path(), first);
    EXPECT_EQ(ReadBytes(e.path()), ReadBytes(second / rel)) << rel;
    ++files;
  }
  // cg.qda, twelve waves, nine tunes and their list
  EXPECT_EQ(files, 23);
}

TEST(ContactSheet, IsWrittenAsPng) {
  std::filesystem::path out = ScratchDir("sheet") / "sub" / "contact.png";
  ASSERT_EQ(RunAssetgen("--contact-sheet '" + out.string() + "'"), 0);
  std::vector<uint8_t> png = ReadBytes(out);
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
}

TEST(CommandLine, RejectsUnknownArguments) {
  EXPECT_NE(RunAssetgen("--frobnicate 2>/dev/null"), 0);
  EXPECT_NE(RunAssetgen("2>/dev/null"), 0);
}

}  // namespace
