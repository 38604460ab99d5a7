// Stage 3: craft that stop and slide, large craft with muzzles, craft rising
// from the sides, and the boss with its orbiting parts and drones. Until its
// craft and boss are built, every spawn code makes an idle craft of kind 0.
#include "enemies/script.h"
#include "enemies/stages.h"
#include "objects/motion.h"

namespace omb {
namespace {

// Spawn codes (6 and 7 are spawned by the boss).
enum : int32_t {
  SpawnSlider = 0,
  SpawnLargeCraft = 1,
  SpawnRiser = 2,
  SpawnQuietRiser = 3,
  SpawnHunter = 4,
  SpawnCrossingCraft = 5,
  SpawnOrbitingPart = 6,
  SpawnDrone = 7,
  SpawnBoss = 8,
};

}  // namespace

std::span<const SpawnRow> Stage3Spawns() { return {}; }

void Stage3Behaviour(int) {}

void BuildStage3Script() {
  OpenScript();
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnSlider, Random(432), -48); ScriptTime += 50; }
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnSlider, Random(432), -48); ScriptTime += 30; }
  ScriptTime += 50;
  AddEntry(SpawnLargeCraft, 192, -96);
  // Alternating down the left and right edges.
  for (int k = 0; k < 13; ++k) {
    AddEntry(SpawnSlider, Random(100), -48);
    ScriptTime += 30;
    AddEntry(SpawnSlider, 332 + Random(100), -48);
    ScriptTime += 30;
  }
  // Two columns closing in from the edges; each side has its own jitter.
  ScriptTime += 100;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnSlider, 40 * i + Random(32), -48);
    ScriptTime += 15;
    AddEntry(SpawnSlider, 432 - (40 * i + Random(32)), -48);
    ScriptTime += 15;
  }
  // y runs 250..295 and back to 250 on the eleventh pair.
  ScriptTime += 250;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnRiser, -48, 250 + 5 * (i % 10));
    AddEntry(SpawnRiser, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  ScriptTime += 250;
  AddEntry(SpawnLargeCraft, 102, -96);
  ScriptTime += 50;
  AddEntry(SpawnLargeCraft, 282, -96);
  ScriptTime += 200;
  AddEntry(SpawnLargeCraft, 192, -96);
  ScriptTime += 300;
  for (int i = 0; i < 5; ++i) {
    AddEntry(SpawnQuietRiser, -48, 250 + 40 * i);
    AddEntry(SpawnQuietRiser, 464, 250 + 40 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int i = 0; i < 11; ++i) {
    AddEntry(SpawnQuietRiser, -48, 250 + 5 * (i % 10));
    AddEntry(SpawnQuietRiser, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  // A sweep from left to right, with a large craft cutting in after the
  // eleventh.
  ScriptTime += 150;
  for (int i = 0; i < 11; ++i) { AddEntry(SpawnSlider, 12 * i + Random(30), -48); ScriptTime += 25; }
  AddEntry(SpawnLargeCraft, 320, -96);
  for (int i = 11; i < 31; ++i) { AddEntry(SpawnSlider, 12 * i + Random(30), -48); ScriptTime += 25; }
  ScriptTime += 130;
  for (int i = 0; i < 7; ++i) {
    AddEntry(SpawnQuietRiser, -48, 400 - 20 * i);
    AddEntry(SpawnQuietRiser, 464, 400 - 20 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 50; }
  AddEntry(SpawnCrossingCraft, -96, 150);
  for (int k = 0; k < 11; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 50; }
  AddEntry(SpawnCrossingCraft, 480, 100);
  for (int k = 0; k < 18; ++k) { AddEntry(SpawnHunter, Random(432), -48); ScriptTime += 30; }
  AddWarning();
  AddEntry(SpawnBoss, 160, -160);
  AddEnd();
}

}  // namespace omb
