#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "media/archive.h"
#include "qda_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
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

struct TempDir {
  fs::path Path = fs::temp_directory_path() / ("omb_qda_" + std::to_string(getpid()));
  TempDir() { fs::create_directories(Path); }
  ~TempDir() { fs::remove_all(Path); }
  std::string operator/(const std::string& name) const { return (Path / name).string(); }
};

Bytes Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

TEST(WriteFileAtomic, ReplacesTheFileAndLeavesNoTemporary) {
  TempDir dir;
  std::string error;
  Spit(dir / "out", {9, 9, 9, 9});
  ASSERT_TRUE(qda::WriteFileAtomic(dir / "out", Bytes{1, 2}, error)) << error;
  EXPECT_EQ(Slurp(dir / "out"), (Bytes{1, 2}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), {}), 1);
  EXPECT_FALSE(qda::WriteFileAtomic(dir / "no/such/dir/out", Bytes{1}, error));
  EXPECT_NE(error.find("no/such/dir/out"), std::string::npos) << error;
}

// Runs the qda tool; returns its exit status, with stdout and stderr.
int Qda(const TempDir& dir, const std::string& args, std::string* out = nullptr,
        std::string* err = nullptr) {
  const char* bin = std::getenv("OMBREZZA_BINARY_DIR");
  const std::string qda = std::string(bin != nullptr ? bin : "..") + "/tools/qda";
  const int status =
      std::system((qda + " " + args + " >" + (dir / "stdout") + " 2>" + (dir / "stderr")).c_str());
  auto text = [&](const char* name) {
    Bytes b = Slurp(dir / name);
    return std::string(b.begin(), b.end());
  };
  if (out != nullptr) *out = text("stdout");
  if (err != nullptr) *err = text("stderr");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(QdaTool, PacksListsAndExtracts) {
  TempDir dir;
  const Bytes sheet = SheetLike(256), small = {1, 2, 3};
  Spit(dir / "sheet.bmp", sheet);
  Spit(dir / "small.bin", small);
  for (const char* mode : {"", "--bpe "}) {
    const std::string archive = dir / "cg.qda";
    ASSERT_EQ(Qda(dir, "pack " + archive + " " + mode + "cg1.bmp=" + (dir / "sheet.bmp") +
                           " Small=" + (dir / "small.bin")),
              0);
    std::string out, err;
    ASSERT_EQ(Qda(dir, "list " + archive, &out), 0);
    std::istringstream lines(out);
    std::string name;
    uint32_t stored = 0, full = 0;
    lines >> name >> stored >> full;
    EXPECT_EQ(name, "cg1.bmp");
    EXPECT_EQ(full, sheet.size());
    EXPECT_EQ(stored < full, *mode != 0);
    lines >> name >> stored >> full;
    EXPECT_EQ(name + std::to_string(full), "Small3");

    ASSERT_EQ(Qda(dir, "extract " + archive + " CG1.BMP " + (dir / "back.bmp")), 0);
    EXPECT_EQ(Slurp(dir / "back.bmp"), sheet);
    EXPECT_EQ(Qda(dir, "extract " + archive + " cg9.bmp " + (dir / "none"), nullptr, &err), 1);
    EXPECT_NE(err.find("'cg9.bmp'"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "none"));
  }
}

TEST(QdaTool, FailsOnBadInputAndBadArguments) {
  TempDir dir;
  Spit(dir / "junk", Bytes(300, 'j'));
  std::string err;
  EXPECT_EQ(Qda(dir, "list " + (dir / "junk"), nullptr, &err), 1);
  EXPECT_NE(err.find("QDAアーカイブとして扱えるデータではありません"), std::string::npos) << err;
  EXPECT_EQ(Qda(dir, "list " + (dir / "missing")), 1);
  EXPECT_EQ(Qda(dir, "pack " + (dir / "a.qda") + " x=" + (dir / "missing")), 1);
  EXPECT_FALSE(fs::exists(dir / "a.qda"));
  for (const std::string& bad :
       std::vector<std::string>{"", "list", "frobnicate x", "extract a b", "pack out",
                                "pack out --zip a=b", "pack out noequals", "pack out =path",
                                "pack out a=x A=y", "pack out " + std::string(256, 'n') + "=x"})
    EXPECT_EQ(Qda(dir, bad), 2) << bad;
}

}  // namespace
