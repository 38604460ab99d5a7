// Where every picture lives: the start-up shape table, the cells each stage
// cuts from its three enemy sheets, and which archive image a stage loads into
// which sheet slot. The drawing code asks this table for its cells, and the
// contact sheet walks it, so a picture can never drift out of its rectangle.
#pragma once
#include <span>
#include <vector>

namespace assetgen {

constexpr int ImageCount = 12;  // "cg1.bmp" to "cg12.bmp"
constexpr int SheetSize = 256;

struct Rect {
  int X = 0, Y = 0, W = 0, H = 0;
};

// A run of shapes cut on a grid: shape First + i is the cell of W x H at
// (X0 + (i mod PerRow) * W, Y0 + (i div PerRow) * H) of Sheet.
struct Run {
  int First;
  int Count;
  int Sheet;  // start-up runs: the image number; stage runs: the slot 7, 8 or 9
  int W, H;
  int X0, Y0;
  int PerRow;
  Rect Cell(int i) const {
    return {X0 + (i % PerRow) * W, Y0 + (i / PerRow) * H, W, H};
  }
};

std::span<const Run> StartupRuns();
// Stage 1 to 4: the runs of shapes from 600 up that BuildEnemyKinds defines.
std::span<const Run> StageRuns(int stage);
// The image loaded into sheet slot 7, 8 or 9 at the start of a stage.
int StageImage(int stage, int slot);

struct Placed {
  int Image = 0;
  Rect Cell;
};

// The cell of shape `shape + i` in the start-up table.
Placed StartupCell(int shape, int i = 0);
// The cell of shape `shape + i` of a stage, on the image that holds it.
Placed StageCell(int stage, int shape, int i = 0);

}  // namespace assetgen
