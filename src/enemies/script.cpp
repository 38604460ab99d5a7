// The four stage builders. Each walks its stage's timeline step by step,
// moving the cursor with `ScriptTime +=`; random positions are drawn at the
// moment their entry is added, in this exact order, since replays rebuild the
// scripts from the same generator sequence. Never put two Random calls in one
// expression: argument evaluation order is unspecified.
#include "enemies/script.h"

#include "objects/motion.h"

namespace omb {
namespace {

void OpenScript() {
  StageScript.fill(ScriptEntry{});  // nothing of the previous stage survives
  ScriptCount = 0;
  ScriptTime = 150;
}

// The warning marker, read as soon as the reader reaches it, i.e. together
// with the last regular entries; the boss follows 100 frames after the
// cursor. Returns with the cursor on the boss's frame.
void AddWarning() {
  ScriptTime += 100;
  const int32_t t = ScriptTime;
  ScriptTime = ScriptWarning;
  AddEntry(0, 0, 0);
  ScriptTime = t + 100;
}

void AddEnd() {
  ScriptTime = ScriptEnd;
  AddEntry(0, 0, 0);
}

// Stage 4's flank craft: a distance from the centre line, then a side.
void AddFlanker(int32_t base, int32_t spread) {
  const int32_t m = base + Random(spread);
  const int32_t s = 2 * Random(2) - 1;
  AddEntry(1, 224 + m * s, -32);
}

}  // namespace

void AddEntry(int32_t spawn, int32_t x, int32_t y) {
  // The longest script has 282 entries; the guard only keeps a bad builder
  // from writing past the table.
  if (ScriptCount < 0 || ScriptCount >= ScriptCapacity) return;
  StageScript[ScriptCount] = ScriptEntry{static_cast<int16_t>(ScriptTime), static_cast<int16_t>(x),
                                         static_cast<int16_t>(y), static_cast<uint8_t>(spawn)};
  ++ScriptCount;
}

void BuildStage1Script() {
  OpenScript();
  for (int k = 0; k < 21; ++k) { AddEntry(0, 116 + Random(200), -48); ScriptTime += 30; }
  // The pairs share the frame of the next step's first entry.
  for (int i = 0; i < 2; ++i) AddEntry(1, 48 + 336 * i, -48);
  for (int k = 0; k < 21; ++k) { AddEntry(0, 116 + Random(200), -48); ScriptTime += 20; }
  for (int i = 0; i < 2; ++i) AddEntry(2, 48 + 336 * i, -48);
  for (int k = 0; k < 21; ++k) { AddEntry(0, 116 + Random(200), -48); ScriptTime += 15; }
  // Both large craft enter together, one from each side.
  ScriptTime += 100;
  for (int i = 0; i < 2; ++i) AddEntry(3, -240 + 720 * i, 20 + 80 * i);
  ScriptTime += 100;
  for (int k = 0; k < 31; ++k) { AddEntry(0, 116 + Random(200), -48); ScriptTime += 15; }
  // Three widening pairs, 10 frames apart.
  for (int i = 0; i < 3; ++i) {
    AddEntry(2, 216 - (40 + 60 * i), -48);
    AddEntry(2, 216 + (40 + 60 * i), -48);
    ScriptTime += 10;
  }
  AddWarning();
  AddEntry(4, 152, -176);
  AddEnd();
}

void BuildStage2Script() {
  OpenScript();
  for (int k = 0; k < 50; ++k) { AddEntry(0, Random(448), -32); ScriptTime += 8; }
  for (int k = 0; k < 30; ++k) { AddEntry(1, Random(448), -32); ScriptTime += 8; }
  ScriptTime += 100;
  AddEntry(2, 216, -48);
  ScriptTime += 80;
  AddEntry(2, 166, -48);
  ScriptTime += 80;
  AddEntry(2, 266, -48);
  ScriptTime += 130;
  // A line of six abreast.
  for (int i = 0; i < 6; ++i) AddEntry(1, 60 + 60 * i, -32);
  ScriptTime += 130;
  for (int i = 0; i < 9; ++i) { AddEntry(2, 30 + 48 * i, -48); ScriptTime += 50; }
  ScriptTime += 50;
  for (int k = 0; k < 10; ++k) { AddEntry(3, -32, Random(120)); ScriptTime += 20; }
  for (int k = 0; k < 10; ++k) { AddEntry(3, -32, Random(240)); ScriptTime += 15; }
  for (int i = 0; i < 20; ++i) { AddEntry(3, i % 2 == 0 ? -32 : 480, Random(240)); ScriptTime += 10; }
  ScriptTime += 100;
  AddEntry(4, 200, -80);
  ScriptTime += 300;
  for (int k = 0; k < 50; ++k) { AddEntry(1, Random(448), -32); ScriptTime += 15; }
  for (int k = 0; k < 10; ++k) { AddEntry(1, Random(448), -32); ScriptTime += 5; }
  // Side pairs, 150 frames apart, alternating between two heights.
  ScriptTime += 150;
  for (int i = 0; i < 6; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(5, -48, y);
    AddEntry(5, 480, y);
    ScriptTime += 150;
  }
  for (int i = 0; i < 4; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(5, -48, y);
    AddEntry(5, 480, y);
    for (int k = 0; k < 5; ++k) { AddEntry(0, Random(448), -32); ScriptTime += 30; }
  }
  ScriptTime += 60;
  for (int i = 0; i < 4; ++i) {
    AddEntry(5, -48, 280 - 48 * i);
    AddEntry(5, 480, 280 - 48 * i);
    ScriptTime += 50;
  }
  ScriptTime += 100;
  for (int k = 0; k < 10; ++k) { AddEntry(6, Random(432), -64); ScriptTime += 40; }
  for (int k = 0; k < 20; ++k) { AddEntry(6, Random(432), -64); ScriptTime += 30; }
  AddWarning();
  // The parts come first: they take lower slots than the boss, so they are
  // updated before it and its parts census is complete when it reads it.
  AddEntry(7, 120, -80);
  AddEntry(7, 280, -80);
  AddEntry(9, 160, -160);
  AddEnd();
}

void BuildStage3Script() {
  OpenScript();
  for (int k = 0; k < 11; ++k) { AddEntry(0, Random(432), -48); ScriptTime += 50; }
  for (int k = 0; k < 11; ++k) { AddEntry(0, Random(432), -48); ScriptTime += 30; }
  ScriptTime += 50;
  AddEntry(1, 192, -96);
  // Alternating down the left and right edges.
  for (int k = 0; k < 13; ++k) {
    AddEntry(0, Random(100), -48);
    ScriptTime += 30;
    AddEntry(0, 332 + Random(100), -48);
    ScriptTime += 30;
  }
  // Two columns closing in from the edges; each side has its own jitter.
  ScriptTime += 100;
  for (int i = 0; i < 11; ++i) {
    AddEntry(0, 40 * i + Random(32), -48);
    ScriptTime += 15;
    AddEntry(0, 432 - (40 * i + Random(32)), -48);
    ScriptTime += 15;
  }
  // y runs 250..295 and back to 250 on the eleventh pair.
  ScriptTime += 250;
  for (int i = 0; i < 11; ++i) {
    AddEntry(2, -48, 250 + 5 * (i % 10));
    AddEntry(2, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  ScriptTime += 250;
  AddEntry(1, 102, -96);
  ScriptTime += 50;
  AddEntry(1, 282, -96);
  ScriptTime += 200;
  AddEntry(1, 192, -96);
  ScriptTime += 300;
  for (int i = 0; i < 5; ++i) {
    AddEntry(3, -48, 250 + 40 * i);
    AddEntry(3, 464, 250 + 40 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int i = 0; i < 11; ++i) {
    AddEntry(3, -48, 250 + 5 * (i % 10));
    AddEntry(3, 464, 250 + 5 * (i % 10));
    ScriptTime += 40;
  }
  // A sweep from left to right, with a large craft cutting in after the
  // eleventh.
  ScriptTime += 150;
  for (int i = 0; i < 11; ++i) { AddEntry(0, 12 * i + Random(30), -48); ScriptTime += 25; }
  AddEntry(1, 320, -96);
  for (int i = 11; i < 31; ++i) { AddEntry(0, 12 * i + Random(30), -48); ScriptTime += 25; }
  ScriptTime += 130;
  for (int i = 0; i < 7; ++i) {
    AddEntry(3, -48, 400 - 20 * i);
    AddEntry(3, 464, 400 - 20 * i);
    ScriptTime += 5;
  }
  ScriptTime += 300;
  for (int k = 0; k < 11; ++k) { AddEntry(4, Random(432), -48); ScriptTime += 50; }
  AddEntry(5, -96, 150);
  for (int k = 0; k < 11; ++k) { AddEntry(4, Random(432), -48); ScriptTime += 50; }
  AddEntry(5, 480, 100);
  for (int k = 0; k < 18; ++k) { AddEntry(4, Random(432), -48); ScriptTime += 30; }
  AddWarning();
  AddEntry(8, 160, -160);
  AddEnd();
}

void BuildStage4Script() {
  OpenScript();
  AddEntry(0, 340, -96);
  ScriptTime += 100;
  AddEntry(0, 340, -96);
  ScriptTime += 100;
  AddEntry(0, 340, -96);
  ScriptTime += 700;
  for (int k = 0; k < 10; ++k) { AddEntry(1, 124 + Random(201), -32); ScriptTime += 40; }
  for (int k = 0; k < 10; ++k) { AddEntry(1, 124 + Random(201), -32); ScriptTime += 30; }
  for (int k = 0; k < 30; ++k) { AddEntry(1, 124 + Random(201), -32); ScriptTime += 15; }
  for (int k = 0; k < 20; ++k) { AddFlanker(100, 80); ScriptTime += 15; }
  // Each round a heavy craft, then five flankers a frame quicker than the
  // round before.
  for (int i = 0; i < 6; ++i) {
    AddEntry(2, Random(432), -48);
    for (int k = 0; k < 5; ++k) { AddFlanker(140, 60); ScriptTime += 25 - i; }
  }
  for (int r = 0; r < 4; ++r) {
    for (int k = 0; k < 2; ++k) { AddEntry(2, Random(432), -48); ScriptTime += 5; }
    for (int k = 0; k < 4; ++k) { AddFlanker(140, 60); ScriptTime += 20; }
  }
  for (int k = 0; k < 6; ++k) { AddEntry(1, 124 + Random(201), -32); ScriptTime += 10; }
  // A column down each side in turn, the right one 100 frames after the left.
  ScriptTime += 200;
  for (int side = 0; side < 2; ++side) {
    for (int j = 0; j < 6; ++j) { AddEntry(2, -48 + 528 * side, -20 + 60 * j); ScriptTime += 5; }
    ScriptTime += 100;
  }
  AddWarning();
  AddEntry(5, 176, -128);
  AddEnd();
}

void BuildStageScript(int look) {
  switch (look) {
    case 1: BuildStage1Script(); break;
    case 2: BuildStage2Script(); break;
    case 3: BuildStage3Script(); break;
    case 4: BuildStage4Script(); break;
    default:
      OpenScript();
      AddEnd();
      break;
  }
}

void ResetStageScript() {
  StageScript.fill(ScriptEntry{});
  ScriptPos = 0;
  ScriptHold = false;
  ScriptTime = 150;
  ScriptCount = 0;
}

}  // namespace omb
