#include "media/archive.h"

#include <gtest/gtest.h>

#include <map>

#include "counting_new.h"
#include "media/hand_made.h"

namespace {

Bytes Block(Bytes table, const Bytes& codes) {
  Add(table, static_cast<uint32_t>(codes.size()));
  table.insert(table.end(), codes.begin(), codes.end());
  return table;
}

const Bytes kAllLiteral = {255, 128, 254};  // skip to 128, 128 itself, skip the rest

std::string Read(const Bytes& archive, std::string_view name, Bytes& out) {
  std::string error;
  if (!omb::ReadArchiveEntry(archive, name, out, error)) {
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(error.empty());
    return error;
  }
  return "";
}

TEST(Archive, FindsNamesRegardlessOfAsciiCaseFirstMatchWinning) {
  const Bytes a = Archive(
      0,
      {{"cg1.bmp", {1, 2, 3}, 3}, {"CG2.bmp", {4}, 1}, {"CG1.BMP", {9}, 1}, {"\xe9.bmp", {5}, 1}});
  Bytes out;
  EXPECT_EQ(Read(a, "CG1.BMP", out), "");
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
  EXPECT_EQ(Read(a, "cg2.BMP", out), "");
  EXPECT_EQ(out, Bytes{4});
  // Only ASCII letters fold; other bytes must match exactly.
  EXPECT_EQ(Read(a, "\xc9.bmp", out),
            "アーカイブ内には指定されたID '\xc9.bmp' を持つデータが見つかりません");
  EXPECT_EQ(Read(a, "Cg13.Bmp", out),
            "アーカイブ内には指定されたID 'Cg13.Bmp' を持つデータが見つかりません");
}

TEST(Archive, StoredEntriesYieldExactlyTheirFullSize) {
  // Any flag other than 1 means stored; the full size decides the length.
  for (uint32_t flag : {0u, 2u, 0x100u}) {
    Bytes a = Archive(flag, {{"a", {7, 8, 9, 10}, 2}, {"b", {}, 0}});
    Bytes out;
    EXPECT_EQ(Read(a, "a", out), "");
    EXPECT_EQ(out, (Bytes{7, 8}));
    EXPECT_EQ(Read(a, "b", out), "");
    EXPECT_TRUE(out.empty());
  }
}

TEST(Archive, ExpandsPairTablesAcrossBlocksAndNothingBroken) {
  // Block 1: code 128 = "ab", code 129 = 128 128; block 2 all literal.
  const Bytes first = Block({255, 'a', 'b', 0, 128, 128, 253}, {129, 'c', 128});
  const Bytes second = Block(kAllLiteral, {128, 129, 'z'});
  Bytes stored = first;
  stored.insert(stored.end(), second.begin(), second.end());
  const Bytes want = {'a', 'b', 'a', 'b', 'c', 'a', 'b', 128, 129, 'z'};
  Bytes out;
  EXPECT_EQ(Read(Archive(1, {{"x", stored, 10}}), "X", out), "");
  EXPECT_EQ(out, want);

  // The same data cut anywhere, or claiming another size, never decodes.
  for (size_t n = 0; n < stored.size(); ++n)
    EXPECT_FALSE(omb::ExpandBytePairs({stored.data(), n}, n == 0 ? 1 : 10, out)) << n;
  EXPECT_FALSE(omb::ExpandBytePairs(stored, 9, out));
  EXPECT_FALSE(omb::ExpandBytePairs(stored, 11, out));
  EXPECT_TRUE(out.empty());

  // Nor does a broken pair table, a block without its length, or an absurd size.
  for (const Bytes& table : {Bytes{255, 128, 255, 1},       // skips past code 256
                             Bytes{255, 128, 252, 254, 5},  // entries run past 256
                             Bytes{}, Bytes{255}, Bytes{0, 5}}) {
    EXPECT_FALSE(omb::ExpandBytePairs(Block(table, {'a'}), 1, out));
  }
  EXPECT_FALSE(omb::ExpandBytePairs({kAllLiteral.data(), 3}, 0, out));
  EXPECT_FALSE(omb::ExpandBytePairs(Block(kAllLiteral, {1}), 0x7FFFFFFF, out));
}

TEST(Archive, ExpansionStackHolds256BytesAndNoMore) {
  // Code k = (k + 1, 255) for k < 255: code 0 nests 255 pairs deep, the
  // most an acyclic table can, and needs the whole 256-byte stack.
  Bytes chain = {127};
  for (int k = 0; k < 128; ++k) chain.insert(chain.end(), {static_cast<uint8_t>(k + 1), 255});
  chain.push_back(127);
  for (int k = 128; k < 255; ++k) chain.insert(chain.end(), {static_cast<uint8_t>(k + 1), 255});
  chain.push_back(255);  // code 255 stays literal
  const Bytes want(256, 255);
  Bytes out;
  ASSERT_TRUE(omb::ExpandBytePairs(Block(chain, {0}), 256, out));
  EXPECT_EQ(out, want);

  // Codes 0 and 1 naming each other would expand forever.
  const Bytes cycle = Block({1, 1, 7, 0, 7, 255, 130, 252}, {0});
  EXPECT_EQ(Read(Archive(1, {{"c", cycle, 100}}), "c", out),
            "アーカイブ内のID 'c' の圧縮データの展開スタックが溢れました");
}

// A whole pair table written out code by code; codes not given stay literal.
Bytes Table(const std::map<int, std::pair<int, int>>& pairs) {
  Bytes t;
  for (int c = 0; c < 256; ++c) {
    if (c % 128 == 0) t.push_back(127);
    const auto pair = pairs.find(c);
    if (pair == pairs.end()) {
      t.push_back(static_cast<uint8_t>(c));
    } else {
      t.push_back(static_cast<uint8_t>(pair->second.first));
      t.push_back(static_cast<uint8_t>(pair->second.second));
    }
  }
  return t;
}

TEST(Archive, ExpansionCostsOnlyWhatTheDeclaredSizeAllows) {
  // Code k = (k - 1, k - 1): code 24 alone is 16 MiB of zeros, the most an
  // entry may hold. 201 and 202 name each other as left halves and overflow
  // the stack; 210 and 211 name each other as right halves, "abab..." forever.
  std::map<int, std::pair<int, int>> pairs;
  for (int k = 1; k <= 24; ++k) pairs[k] = {k - 1, k - 1};
  pairs[200] = {24, 201};
  pairs[201] = {202, 'x'};
  pairs[202] = {201, 'x'};
  pairs[210] = {'a', 211};
  pairs[211] = {'b', 210};
  const Bytes table = Table(pairs);
  constexpr uint32_t kFull = 1u << 24;

  Bytes out;
  ASSERT_TRUE(omb::ExpandBytePairs(Block(table, {24}), kFull, out));
  EXPECT_EQ(out, Bytes(kFull, 0));

  // Sizes the data cannot reach fail before anything is allocated.
  const struct {
    Bytes Codes;
    uint32_t FullSize;
  } unreachable[] = {{{24}, kFull - 1}, {{24, 24}, kFull}, {{1, 24}, kFull},
                     {{210}, kFull}, {{'q', 200}, kFull}, {{200}, 5}};
  for (const auto& c : unreachable) {
    const Bytes stored = Block(table, c.Codes);
    out.clear();
    Allocations = 0;
    CountAllocations = true;
    const bool expanded = omb::ExpandBytePairs(stored, c.FullSize, out);
    CountAllocations = false;
    EXPECT_FALSE(expanded) << c.FullSize;
    EXPECT_EQ(Allocations, 0) << c.FullSize;
  }

  // Code 200 writes all of code 24 before its right half overflows the
  // stack; which failure is reported depends on whether that much fits.
  EXPECT_EQ(Read(Archive(1, {{"d", Block(table, {200}), kFull}}), "d", out),
            "アーカイブ内のID 'd' の圧縮データの展開スタックが溢れました");
  EXPECT_EQ(Read(Archive(1, {{"d", Block(table, {200}), kFull - 1}}), "d", out),
            "アーカイブ内のID 'd' の展開後の大きさが目録と一致しません");
  EXPECT_EQ(Read(Archive(1, {{"r", Block(table, {'a', 210}), kFull}}), "r", out),
            "アーカイブ内のID 'r' の展開後の大きさが目録と一致しません");
}

TEST(Archive, MalformedArchivesFailWithTheirReason) {
  const Bytes good = Archive(0, {{"cg1.bmp", {1, 2, 3, 4}, 4}});
  auto with = [&](size_t at, uint32_t v) {
    Bytes b = good;
    Put(b, at, v);
    return b;
  };
  Bytes unterminated = good;
  std::memset(&unterminated[256 + 12], 'x', 256);
  Bytes badMagic = good;
  badMagic[7] = '1';
  const struct {
    Bytes File;
    const char* Message;
  } cases[] = {
      {{}, "QDAアーカイブのヘッダーが途中で切れています"},
      {Bytes(good.begin(), good.begin() + 100), "QDAアーカイブのヘッダーが途中で切れています"},
      {badMagic, "QDAアーカイブとして扱えるデータではありません"},
      {with(8, 0xFFFFFFFF), "QDAアーカイブの目録(4294967295項目)がファイルに収まりません"},
      {with(8, 2), "QDAアーカイブの目録(2項目)がファイルに収まりません"},
      {unterminated, "QDAアーカイブの目録の1番目の名前が終端されていません"},
      {with(256, 0), "アーカイブ内のID 'cg1.bmp' のデータの位置が不正です"},
      {with(256, 0xFFFFFFFE),
       "アーカイブ内のID 'cg1.bmp' のデータがファイルの終わりを越えています"},
      {with(264, 5), "アーカイブ内のID 'cg1.bmp' のデータがファイルの終わりを越えています"},
      {Bytes(good.begin(), good.end() - 1),
       "アーカイブ内のID 'cg1.bmp' のデータがファイルの終わりを越えています"},
      {Archive(1, {{"cg1.bmp", Block(kAllLiteral, {1, 2}), 3}}),
       "アーカイブ内のID 'cg1.bmp' の展開後の大きさが目録と一致しません"},
      {Archive(1, {{"cg1.bmp", {255, 128}, 3}}),
       "アーカイブ内のID 'cg1.bmp' の圧縮データが途中で切れています"},
      {Archive(1, {{"cg1.bmp", {255, 128, 255, 0, 0, 0, 0}, 0}}),
       "アーカイブ内のID 'cg1.bmp' の圧縮データのペア表が不正です"},
      {Archive(1, {{"cg1.bmp", {}, (16u << 20) + 1}}), "アーカイブ内のID 'cg1.bmp' のデータが大きすぎます"},
  };
  for (const auto& c : cases) {
    Bytes out;
    EXPECT_EQ(Read(c.File, "cg1.bmp", out), c.Message);
  }
}

}  // namespace
