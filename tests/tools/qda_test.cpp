#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "media/archive.h"
#include "media/hand_made.h"
#include "qda_writer.h"
#include "scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// 8-bit pixels like our sheets: shaded discs on a key colour, 16 shades per hue.
Bytes SheetLike(int side) {
  Bytes px(static_cast<size_t>(side) * side, 0);
  for (int s = 0; s < (side / 32) * (side / 32); ++s)
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const double d = std::hypot(x - 15.5, y - 15.5) / (6 + s % 10);
        if (d < 1)
          px[(s / (side / 32) * 32 + y) * side + s % (side / 32) * 32 + x] =
              static_cast<uint8_t>((1 + s % 15) * 16 + static_cast<int>((1 - d) * 15));
      }
  return px;
}

Bytes Random(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (uint8_t& v : b) v = static_cast<uint8_t>(rng());
  return b;
}

TEST(BytePairs, RoundTripsAndCompressesStructuredData) {
  Bytes chain;  // one long distinct sequence again and again nests pairs deeply
  for (int r = 0; r < 64; ++r)
    for (int i = 0; i < 120; ++i) chain.push_back(static_cast<uint8_t>(i * 7));
  Bytes mixed = Random(3000, 2);
  mixed.resize(70000, 42);
  const struct {
    const char* Name;
    Bytes Data;
    double MaxRatio;
  } cases[] = {
      {"empty", {}, 1},
      {"one byte", {7}, 8},
      {"random", Random(100000, 1), 1.01},
      {"random then run", mixed, 0.1},
      {"zeros", Bytes(1 << 18, 0), 0.001},
      {"chain", chain, 0.05},
      {"sheet", SheetLike(256), 0.3},
  };
  for (const auto& c : cases) {
    const Bytes encoded = qda::EncodeBytePairs(c.Data);
    Bytes back;
    ASSERT_TRUE(omb::ExpandBytePairs(encoded, static_cast<uint32_t>(c.Data.size()), back))
        << c.Name;
    EXPECT_EQ(back, c.Data) << c.Name;
    EXPECT_LE(encoded.size(), c.MaxRatio * std::max<size_t>(c.Data.size(), 1)) << c.Name;
  }
}

TEST(Pack, ArchivesReadBackStoredAndEncoded) {
  const std::vector<qda::Entry> entries = {
      {"cg1.bmp", SheetLike(128)}, {"empty", {}}, {"noise", Random(5000, 3)}, {"x", {1}}};
  for (bool bpe : {false, true}) {
    const Bytes archive = qda::Pack(entries, bpe);
    bool compressed = !bpe;
    std::vector<omb::ArchiveListing> list;
    std::string error;
    ASSERT_TRUE(omb::ListArchive(archive, compressed, list, error)) << error;
    EXPECT_EQ(compressed, bpe);
    ASSERT_EQ(list.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(list[i].Name, entries[i].Name);
      EXPECT_EQ(list[i].FullSize, entries[i].Data.size());
      EXPECT_GE(list[i].Position, 256u + 268 * entries.size());
      Bytes back;
      ASSERT_TRUE(omb::ReadArchiveEntry(archive, entries[i].Name, back, error)) << error;
      EXPECT_EQ(back, entries[i].Data);
    }
    EXPECT_EQ(list[0].StoredSize < list[0].FullSize, bpe);
  }
}

TEST(WriteFileAtomic, ReplacesTheFileAndLeavesNoTemporary) {
  omb::ScratchDirectory dir;
  std::string error;
  WriteBytes("out", {9, 9, 9, 9});
  ASSERT_TRUE(qda::WriteFileAtomic("out", Bytes{1, 2}, error)) << error;
  EXPECT_EQ(ReadBytes("out"), (Bytes{1, 2}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
  EXPECT_FALSE(qda::WriteFileAtomic("no/such/dir/out", Bytes{1}, error));
  EXPECT_NE(error.find("no/such/dir/out"), std::string::npos) << error;
}

// The qda tool, found before any test leaves the starting directory.
const char* const kBinaryDir = std::getenv("OMBREZZA_BINARY_DIR");
const fs::path kQda = fs::absolute(fs::path(kBinaryDir != nullptr ? kBinaryDir : "..") / "tools/qda");

// Runs the qda tool in the working directory; returns its exit status, with stdout and stderr.
int Qda(const std::string& args, std::string* out = nullptr, std::string* err = nullptr) {
  const int status = std::system((kQda.string() + " " + args + " >stdout 2>stderr").c_str());
  if (out != nullptr) *out = omb::ReadFile("stdout");
  if (err != nullptr) *err = omb::ReadFile("stderr");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QdaTool, PacksListsAndExtracts) {
  omb::ScratchDirectory dir;
  const Bytes sheet = SheetLike(256);
  WriteBytes("sheet.bmp", sheet);
  WriteBytes("small.bin", {1, 2, 3});
  for (const std::string mode : {"", "--bpe "}) {
    ASSERT_EQ(Qda("pack cg.qda " + mode + "cg1.bmp=sheet.bmp Small=small.bin"), 0);
    std::string out, err;
    ASSERT_EQ(Qda("list cg.qda", &out), 0);
    auto stored = [&](const Bytes& b) { return mode.empty() ? b.size() : qda::EncodeBytePairs(b).size(); };
    EXPECT_EQ(out, "cg1.bmp\t" + std::to_string(stored(sheet)) + "\t65536\nSmall\t" +
                       std::to_string(stored({1, 2, 3})) + "\t3\n");
    EXPECT_EQ(stored(sheet) < sheet.size(), !mode.empty());

    ASSERT_EQ(Qda("extract cg.qda CG1.BMP back.bmp"), 0);
    EXPECT_EQ(ReadBytes("back.bmp"), sheet);
    EXPECT_EQ(Qda("extract cg.qda cg9.bmp none", nullptr, &err), 1);
    EXPECT_NE(err.find("'cg9.bmp'"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists("none"));
  }
}

TEST(QdaTool, FailsOnBadInputAndBadArguments) {
  omb::ScratchDirectory dir;
  WriteBytes("junk", Bytes(300, 'j'));
  std::string err;
  EXPECT_EQ(Qda("list junk", nullptr, &err), 1);
  EXPECT_NE(err.find("QDAアーカイブとして扱えるデータではありません"), std::string::npos) << err;
  EXPECT_EQ(Qda("list missing"), 1);
  EXPECT_EQ(Qda("pack a.qda x=missing"), 1);
  EXPECT_FALSE(fs::exists("a.qda"));
  for (const std::string& bad :
       std::vector<std::string>{"", "list", "frobnicate x", "extract a b", "pack out",
                                "pack out --zip a=b", "pack out noequals", "pack out =path",
                                "pack out a=x A=y", "pack out " + std::string(256, 'n') + "=x"})
    EXPECT_EQ(Qda(bad), 2) << bad;
}

}  // namespace
