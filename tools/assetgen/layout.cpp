#include "layout.h"

#include <cstdio>
#include <cstdlib>

namespace assetgen {
namespace {

constexpr Run Startup[] = {
    {0, 96, 1, 16, 16, 0, 0, 16},      // font, character code - 32
    {96, 8, 1, 16, 16, 160, 96, 6},    // menu cursor
    {104, 1, 1, 160, 96, 0, 96, 1},    // side panel piece
    {105, 10, 1, 6, 16, 160, 128, 10}, // boss countdown digits
    {115, 10, 1, 6, 16, 160, 144, 10}, // the same, flashing
    {125, 1, 1, 25, 16, 220, 144, 1},  // boss countdown label
    {126, 2, 1, 16, 16, 192, 112, 2},  // bomb gauge frame and bar
    {128, 1, 1, 8, 8, 240, 112, 1},    // boss gauge bar
    {129, 8, 1, 8, 8, 160, 160, 8},    // background stars
    {137, 5, 1, 32, 16, 160, 176, 3},  // bonus popup
    {149, 1, 4, 256, 64, 0, 0, 1},     // title logo
    {150, 12, 2, 48, 48, 0, 0, 5},     // ship by lean, shield
    {162, 9, 2, 32, 32, 96, 96, 5},    // sub-shot pods
    {171, 4, 2, 16, 48, 0, 144, 4},    // main shot
    {175, 20, 2, 16, 16, 96, 160, 10}, // sub shots
    {200, 15, 4, 48, 48, 0, 64, 5},    // multiplier popups
    {215, 11, 6, 64, 64, 0, 48, 4},    // bomb blast
    {250, 12, 3, 32, 32, 0, 0, 8},     // spark
    {262, 16, 3, 16, 16, 128, 32, 8},  // debris
    {278, 11, 3, 64, 64, 0, 64, 4},    // explosion
    {290, 4, 4, 48, 48, 0, 0, 4},
    {294, 4, 4, 32, 32, 0, 48, 4},
    {298, 8, 4, 32, 32, 0, 80, 8},
    {306, 1, 4, 128, 128, 0, 128, 1},
    {307, 15, 4, 8, 8, 192, 16, 8},    // 321: first frame of the ship's burst
    {322, 12, 4, 16, 16, 0, 208, 12},  // smoke
    {334, 8, 2, 16, 16, 0, 192, 8},    // barrier markers
    {342, 4, 3, 32, 32, 192, 192, 2},  // small spark
    {350, 8, 5, 32, 32, 0, 104, 8},    // bullet type 0: flash of a cancellable
    {358, 8, 5, 32, 32, 0, 136, 8},    // bullet type 1: flash of a solid
    {366, 4, 5, 16, 16, 0, 88, 4},     // size 2, cancellable
    {370, 8, 5, 16, 16, 64, 88, 8},    // size 2, solid
    {378, 4, 5, 24, 24, 128, 0, 4},    // size 3, cancellable
    {382, 8, 5, 24, 24, 0, 64, 8},     // size 3, solid
    {390, 4, 5, 32, 32, 0, 0, 4},      // size 4, cancellable
    {394, 8, 5, 32, 32, 0, 32, 8},     // size 4, solid
    {402, 8, 5, 32, 32, 0, 176, 8},    // captured bullet
    {410, 11, 5, 16, 16, 0, 208, 11},  // LASER
    {421, 4, 5, 32, 32, 0, 224, 4},    // ENERGY
    {425, 9, 5, 16, 16, 160, 224, 6},  // AIM
    {434, 4, 5, 10, 10, 192, 64, 4},   // size 1, cancellable
    {438, 8, 5, 10, 10, 192, 74, 4},   // size 1, solid
};

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
