// Stage 4: three large craft riding their ellipse, diving and tilting craft,
// and the seven-life boss with its bombs and drones. Until its craft and boss
// are built, every spawn code makes an idle craft of kind 0.
#include "enemies/script.h"
#include "enemies/stages.h"
#include "objects/motion.h"

namespace omb {
namespace {

// Spawn codes (3 and 4 are thrown by the boss).
enum : int32_t {
  SpawnLargeCraft = 0,
  SpawnSmallCraft = 1,
  SpawnDiver = 2,
  SpawnBomb = 3,
  SpawnDrone = 4,
  SpawnBoss = 5,
};

// A flank craft: a distance from the centre line, then a side.
void AddFlanker(int32_t base, int32_t spread) {
  const int32_t m = base + Random(spread);
  const int32_t s = 2 * Random(2) - 1;
  AddEntry(SpawnSmallCraft, 224 + m * s, -32);
}

}  // namespace

std::span<const SpawnRow> Stage4Spawns() { return {}; }

void Stage4Behaviour(int) {}

void BuildStage4Script() {
  OpenScript();
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 340, -96);
  ScriptTime += 700;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 40; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 30; }
  for (int k = 0; k < 30; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 15; }
  for (int k = 0; k < 20; ++k) { AddFlanker(100, 80); ScriptTime += 15; }
  // Each round a diving craft, then five flankers a frame quicker than the
  // round before.
  for (int i = 0; i < 6; ++i) {
    AddEntry(SpawnDiver, Random(432), -48);
    for (int k = 0; k < 5; ++k) { AddFlanker(140, 60); ScriptTime += 25 - i; }
  }
  for (int r = 0; r < 4; ++r) {
    for (int k = 0; k < 2; ++k) { AddEntry(SpawnDiver, Random(432), -48); ScriptTime += 5; }
    for (int k = 0; k < 4; ++k) { AddFlanker(140, 60); ScriptTime += 20; }
  }
  for (int k = 0; k < 6; ++k) { AddEntry(SpawnSmallCraft, 124 + Random(201), -32); ScriptTime += 10; }
  // A column down each side in turn, the right one 100 frames after the left.
  ScriptTime += 200;
  for (int side = 0; side < 2; ++side) {
    for (int j = 0; j < 6; ++j) { AddEntry(SpawnDiver, -48 + 528 * side, -20 + 60 * j); ScriptTime += 5; }
    ScriptTime += 100;
  }
  AddWarning();
  AddEntry(SpawnBoss, 176, -128);
  AddEnd();
}

}  // namespace omb
