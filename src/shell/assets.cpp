#include "shell/assets.h"

#include <cstdio>

#include "shell/components.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

bool LoadImage(Surface& surface, int image) {
  char name[32];
  std::snprintf(name, sizeof name, "cg%d.bmp", image);
  return surface.LoadFromArchive("cg.qda", name);
}

// The images a stage start loads into sheets 7 to 9 (7 to 12), kept as
// decoded at start-up, so that a stage start reads no file and allocates
// nothing in the middle of play.
constexpr int FirstStageImage = 7, LastStageImage = 12;
std::array<Surface, LastStageImage - FirstStageImage + 1> StageImages;
std::array<bool, LastStageImage - FirstStageImage + 1> StageImageKept{};

}  // namespace

void LoadSheets() {
  StageImageKept.fill(false);
  for (int n = 1; n <= 11; ++n) {
    Sheets[n].Create(Screen);
    const bool loaded = LoadImage(Sheets[n], n);
    Sheets[n].SetColorKey(Sheets[n].GetPixel(0, 0));
    if (loaded && n >= FirstStageImage) {
      StageImages[n - FirstStageImage].CopyPixelsFrom(Sheets[n]);
      StageImageKept[n - FirstStageImage] = true;
    }
  }
  // Image 12 is no start-up sheet; only a stage loads it.
  StageImageKept[LastStageImage - FirstStageImage] = LoadImage(StageImages[LastStageImage - FirstStageImage], 12);
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

void LoadSheet(int n, int image) {
  if (image >= FirstStageImage && image <= LastStageImage && StageImageKept[image - FirstStageImage]) {
    Sheets[n].CopyPixelsFrom(StageImages[image - FirstStageImage]);
  } else {
    LoadImage(Sheets[n], image);
  }
}

}  // namespace omb
