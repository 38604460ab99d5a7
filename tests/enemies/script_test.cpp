#include <gtest/gtest.h>

#include <vector>

#include "enemies/script.h"
#include "objects/motion.h"

namespace omb {
namespace {

constexpr uint32_t kSeed = 12345;

std::vector<ScriptEntry> Build(int look, uint32_t seed) {
  RandSeed = seed;
  BuildStageScript(look);
  return {StageScript.begin(), StageScript.begin() + ScriptCount};
}

// Draws made by the builder, found by stepping a copy of the generator from
// the seed until it reaches the state the builder left behind.
int DrawsOf(int look, uint32_t seed) {
  RandSeed = seed;
  BuildStageScript(look);
  const uint32_t after = RandSeed;
  RandSeed = seed;
  for (int n = 0; n <= 2000; ++n) {
    if (RandSeed == after) return n;
    Random(1);
  }
  return -1;
}

void SkipDraws(int n) {
  for (int k = 0; k < n; ++k) Random(1);
}

struct StageShape {
  int look;
  int32_t count;
  int16_t warning;  // frame of the entries just before the warning marker
  int16_t boss;
  int bossEntries;
  int draws;
};

TEST(StageScriptTest, SizesMarkersAndTiming) {
  const StageShape stages[] = {
      {1, 109, 2200, 2410, 1, 94},
      {2, 282, 6540, 6770, 3, 230},
      {3, 219, 7545, 7775, 1, 141},
      {4, 154, 3950, 4255, 1, 202},
  };
  for (const StageShape& st : stages) {
    SCOPED_TRACE(st.look);
    const auto s = Build(st.look, kSeed);
    ASSERT_EQ(static_cast<int32_t>(s.size()), st.count);
    EXPECT_EQ(s.front().Time, 150);
    EXPECT_EQ(s.back().Time, ScriptEnd);

    const std::size_t warn = s.size() - 2 - st.bossEntries;
    EXPECT_EQ(s[warn].Time, ScriptWarning);
    EXPECT_EQ(s[warn - 1].Time, st.warning);
    for (int b = 0; b < st.bossEntries; ++b) EXPECT_EQ(s[warn + 1 + b].Time, st.boss);

    // The reader discards any entry whose frame has passed, so a step back in
    // time would silently lose enemies.
    for (std::size_t k = 1; k < warn; ++k) ASSERT_GE(s[k].Time, s[k - 1].Time) << "entry " << k;

    EXPECT_EQ(DrawsOf(st.look, kSeed), st.draws);
  }
}

TEST(StageScriptTest, Stage2BossPartsPrecedeTheBoss) {
  const auto s = Build(2, kSeed);
  const std::size_t first = s.size() - 4;
  const ScriptEntry want[] = {{6770, 120, -80, 7}, {6770, 280, -80, 7}, {6770, 160, -160, 9}};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(s[first + k], want[k]) << "boss entry " << k;
}

TEST(StageScriptTest, Stage3MirrorEntriesDrawTheirOwnOffset) {
  const auto s = Build(3, kSeed);
  RandSeed = kSeed;
  SkipDraws(11 + 11 + 26);  // steps 1, 2 and 4
  const std::size_t first = 11 + 11 + 1 + 26;
  bool offsetsDiffer = false;
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    const int32_t left = Random(32), right = Random(32);
    offsetsDiffer |= left != right;
    const ScriptEntry& l = s[first + 2 * i];
    const ScriptEntry& r = s[first + 2 * i + 1];
    EXPECT_EQ((std::vector<int32_t>{l.X, r.X, r.Time}),
              (std::vector<int32_t>{40 * i + left, 432 - (40 * i + right), l.Time + 15}));
  }
  EXPECT_EQ(s[first].Time, 1960);
  EXPECT_TRUE(offsetsDiffer);  // else a shared offset would pass unnoticed
}

TEST(StageScriptTest, Stage4FlankersDrawMagnitudeBeforeSign) {
  const auto s = Build(4, kSeed);
  RandSeed = kSeed;
  SkipDraws(50);  // steps 2 to 4
  const std::size_t first = 3 + 50;
  int leftward = 0;
  for (int k = 0; k < 20; ++k) {
    const int32_t m = 100 + Random(80);
    const int32_t sign = 2 * Random(2) - 1;
    leftward += sign < 0;
    EXPECT_EQ(s[first + k].X, 224 + m * sign) << "entry " << k;
  }
  EXPECT_GT(leftward, 0);
  EXPECT_LT(leftward, 20);
}

TEST(StageScriptTest, SeedChangesPositionsNeverTiming) {
  for (int look = 1; look <= 4; ++look) {
    SCOPED_TRACE(look);
    const auto a = Build(look, kSeed);
    EXPECT_EQ(Build(look, kSeed), a);
    const auto b = Build(look, kSeed + 1);
    ASSERT_EQ(b.size(), a.size());
    int moved = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
      EXPECT_EQ(b[k].Time, a[k].Time);
      EXPECT_EQ(b[k].Spawn, a[k].Spawn);
      moved += b[k].X != a[k].X || b[k].Y != a[k].Y;
    }
    EXPECT_GT(moved, 0);
  }
}

TEST(StageScriptTest, RebuildLeavesNothingOfTheLongerScript) {
  Build(2, kSeed);
  const auto s = Build(1, kSeed);
  for (std::size_t k = s.size(); k < StageScript.size(); ++k) ASSERT_EQ(StageScript[k], ScriptEntry{}) << k;

  // An unknown look gets a script that ends at once.
  Build(0, kSeed);
  ASSERT_EQ(ScriptCount, 1);
  EXPECT_EQ(StageScript[0].Time, ScriptEnd);
}

TEST(StageScriptTest, AddEntryKeepsLow16BitsAndStopsAtTheTableEnd) {
  ResetStageScript();
  ScriptTime = 65536 + 700;
  AddEntry(3, -240, 20);
  EXPECT_EQ(StageScript[0], (ScriptEntry{700, -240, 20, 3}));

  ScriptCount = ScriptCapacity - 1;
  AddEntry(1, 2, 3);
  AddEntry(4, 5, 6);  // no room: dropped
  EXPECT_EQ(ScriptCount, ScriptCapacity);
  EXPECT_EQ(StageScript.back(), (ScriptEntry{700, 2, 3, 1}));
}

}  // namespace
}  // namespace omb
