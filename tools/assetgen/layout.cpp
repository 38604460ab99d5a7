#include "layout.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "shell/assets.h"

namespace assetgen {
namespace {

// The game's own start-up shape table, so the art and the game can never
// disagree about where a shape lies.
constexpr auto Startup = [] {
  std::array<Run, std::size(omb::ShapeRuns)> runs{};
  for (std::size_t k = 0; k < runs.size(); ++k) {
    const omb::ShapeRun& r = omb::ShapeRuns[k];
    runs[k] = {r.First, r.Count, r.Sheet, r.W, r.H, r.X0, r.Y0, r.PerRow};
  }
  return runs;
}();

// Slots are 7, 8, 9 as BuildEnemyKinds names them.
constexpr Run Stage1[] = {
    {600, 4, 7, 48, 48, 0, 32, 5},
    {605, 1, 8, 176, 176, 64, 64, 1},
    {606, 1, 9, 240, 160, 0, 0, 1},
};
constexpr Run Stage2[] = {
    {600, 8, 7, 32, 32, 0, 0, 8},
    {608, 5, 7, 48, 48, 0, 32, 5},
    {613, 1, 8, 80, 80, 96, 160, 1},
    {614, 5, 9, 64, 64, 0, 0, 4},
    {619, 1, 8, 80, 80, 176, 160, 1},
    {620, 1, 8, 80, 80, 176, 160, 1},
    {621, 1, 7, 160, 160, 0, 80, 1},
};
constexpr Run Stage3[] = {
    {600, 5, 7, 48, 48, 0, 0, 5},
    {605, 1, 8, 96, 96, 0, 160, 1},
    {606, 5, 9, 48, 48, 0, 32, 5},
    {611, 6, 7, 48, 48, 0, 48, 5},
    {617, 1, 7, 160, 160, 48, 96, 1},
};
constexpr Run Stage4[] = {
    {600, 1, 7, 96, 96, 0, 96, 1},
    {601, 6, 7, 48, 48, 0, 0, 5},
    {607, 6, 7, 32, 32, 0, 192, 6},
    {613, 8, 8, 32, 32, 0, 0, 8},
    {621, 5, 8, 48, 48, 0, 32, 5},
    {626, 4, 9, 128, 128, 0, 0, 2},
    {630, 1, 7, 128, 128, 96, 64, 1},
};

// Images loaded into slots 7, 8, 9 by stage look 1 to 4.
constexpr int SlotImages[4][3] = {{9, 8, 7}, {9, 7, 8}, {10, 7, 9}, {11, 9, 12}};

[[noreturn]] void Fail(const char* what, int stage, int first) {
  std::fprintf(stderr, "assetgen: no %s run holds shape %d (stage %d)\n", what, first, stage);
  std::abort();
}

}  // namespace

std::span<const Run> StartupRuns() { return Startup; }

std::span<const Run> StageRuns(int stage) {
  switch (stage) {
    case 1: return Stage1;
    case 2: return Stage2;
    case 3: return Stage3;
    case 4: return Stage4;
  }
  return {};
}

int StageImage(int stage, int slot) { return SlotImages[stage - 1][slot - 7]; }

Placed StartupCell(int shape, int i) {
  shape += i;
  for (const Run& r : Startup)
    if (shape >= r.First && shape < r.First + r.Count) return {r.Sheet, r.Cell(shape - r.First)};
  Fail("start-up", 0, shape);
}

Placed StageCell(int stage, int shape, int i) {
  shape += i;
  for (const Run& r : StageRuns(stage))
    if (shape >= r.First && shape < r.First + r.Count)
      return {StageImage(stage, r.Sheet), r.Cell(shape - r.First)};
  Fail("stage", stage, shape);
}

}  // namespace assetgen
