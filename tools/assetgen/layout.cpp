#include "layout.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "enemies/kinds.h"
#include "shell/assets.h"

namespace assetgen {
namespace {

// The game's own shape tables, start-up and per stage (slots 7, 8, 9), so the
// art and the game can never disagree about where a shape lies.
template <std::size_t N>
constexpr std::array<Run, N> Runs(std::span<const omb::ShapeRun, N> from) {
  std::array<Run, N> runs{};
  for (std::size_t k = 0; k < N; ++k) {
    const omb::ShapeRun& r = from[k];
    runs[k] = {r.First, r.Count, r.Sheet, r.W, r.H, r.X0, r.Y0, r.PerRow};
  }
  return runs;
}
constexpr auto Startup = Runs(std::span(omb::ShapeRuns));
constexpr auto Stage1 = Runs(std::span(omb::Stage1Shapes));
constexpr auto Stage2 = Runs(std::span(omb::Stage2Shapes));
constexpr auto Stage3 = Runs(std::span(omb::Stage3Shapes));
constexpr auto Stage4 = Runs(std::span(omb::Stage4Shapes));

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

int StageImage(int stage, int slot) { return omb::StageArts[stage - 1].SheetImages[slot - 7]; }

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
