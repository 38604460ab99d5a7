#include "shell/assets.h"

#include <cstdio>

#include "shell/components.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

void LoadSheetImage(int n, int image) {
  char name[32];
  std::snprintf(name, sizeof name, "cg%d.bmp", image);
  Sheets[n].LoadFromArchive("cg.qda", name);
}

}  // namespace

void LoadSheets() {
  for (int n = 1; n <= 11; ++n) {
    Sheets[n].Create(Screen);
    LoadSheetImage(n, n);
    Sheets[n].SetColorKey(Sheets[n].GetPixel(0, 0));
  }
}

void LoadShapes() { CutShapes(ShapeRuns); }

void CutShapes(std::span<const ShapeRun> runs) {
  for (const ShapeRun& run : runs) {
    for (int i = 0; i < run.Count; ++i) {
      const int x = run.X0 + (i % run.PerRow) * run.W;
      const int y = run.Y0 + (i / run.PerRow) * run.H;
      Sprites.SetShape(run.First + i, &Sheets[run.Sheet], x, y, x + run.W, y + run.H);
    }
  }
}

void LoadWaves() {
  for (int i = 0; i < 14; ++i) {
    WaveData[i].Create(WaveFiles[i]);
    Audio.SetWaveData(i, WaveData[i]);
  }
}

void LoadSheet(int n, int image) { LoadSheetImage(n, image); }

}  // namespace omb
