// Stage 2: swaying and tilting craft, the large craft that holds the script
// while its crossing streams sweep, and the boss with two parts. Until its
// craft and boss are built, every spawn code makes an idle craft of kind 0.
#include "enemies/script.h"
#include "enemies/stages.h"
#include "objects/motion.h"

namespace omb {
namespace {

// Spawn codes (8, the debris of a part, is spawned by the part).
enum : int32_t {
  SpawnSwayer = 0,
  SpawnFiringSwayer = 1,
  SpawnBraker = 2,
  SpawnCrosser = 3,
  SpawnLargeCraft = 4,
  SpawnSideDasher = 5,
  SpawnRinger = 6,
  SpawnBossPart = 7,
  SpawnPartDebris = 8,
  SpawnBoss = 9,
};

}  // namespace

std::span<const SpawnRow> Stage2Spawns() { return {}; }

void Stage2Behaviour(int) {}

void BuildStage2Script() {
  OpenScript();
  for (int k = 0; k < 50; ++k) { AddEntry(SpawnSwayer, Random(448), -32); ScriptTime += 8; }
  for (int k = 0; k < 30; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 8; }
  ScriptTime += 100;
  AddEntry(SpawnBraker, 216, -48);
  ScriptTime += 80;
  AddEntry(SpawnBraker, 166, -48);
  ScriptTime += 80;
  AddEntry(SpawnBraker, 266, -48);
  ScriptTime += 130;
  // A line of six abreast.
  for (int i = 0; i < 6; ++i) AddEntry(SpawnFiringSwayer, 60 + 60 * i, -32);
  ScriptTime += 130;
  for (int i = 0; i < 9; ++i) { AddEntry(SpawnBraker, 30 + 48 * i, -48); ScriptTime += 50; }
  ScriptTime += 50;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnCrosser, -32, Random(120)); ScriptTime += 20; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnCrosser, -32, Random(240)); ScriptTime += 15; }
  for (int i = 0; i < 20; ++i) { AddEntry(SpawnCrosser, i % 2 == 0 ? -32 : 480, Random(240)); ScriptTime += 10; }
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 200, -80);
  ScriptTime += 300;
  for (int k = 0; k < 50; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 15; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 5; }
  // Side pairs, 150 frames apart, alternating between two heights.
  ScriptTime += 150;
  for (int i = 0; i < 6; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(SpawnSideDasher, -48, y);
    AddEntry(SpawnSideDasher, 480, y);
    ScriptTime += 150;
  }
  for (int i = 0; i < 4; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(SpawnSideDasher, -48, y);
    AddEntry(SpawnSideDasher, 480, y);
    for (int k = 0; k < 5; ++k) { AddEntry(SpawnSwayer, Random(448), -32); ScriptTime += 30; }
  }
  ScriptTime += 60;
  for (int i = 0; i < 4; ++i) {
    AddEntry(SpawnSideDasher, -48, 280 - 48 * i);
    AddEntry(SpawnSideDasher, 480, 280 - 48 * i);
    ScriptTime += 50;
  }
  ScriptTime += 100;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnRinger, Random(432), -64); ScriptTime += 40; }
  for (int k = 0; k < 20; ++k) { AddEntry(SpawnRinger, Random(432), -64); ScriptTime += 30; }
  AddWarning();
  // The parts come first: they take lower slots than the boss, so they are
  // updated before it and its parts census is complete when it reads it.
  AddEntry(SpawnBossPart, 120, -80);
  AddEntry(SpawnBossPart, 280, -80);
  AddEntry(SpawnBoss, 160, -160);
  AddEnd();
}

}  // namespace omb
