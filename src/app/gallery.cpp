#include "app/gallery.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "objects/bullets.h"
#include "objects/objects.h"
#include "platform/headless/headless_platform.h"
#include "platform/png/png_writer.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int Centre = 240;       // every figure starts at the field's centre
constexpr int Tile = 320;         // the middle of the field, cut out
constexpr int TileLeft = Centre - Tile / 2;
constexpr int Gap = 4;
constexpr int Styles = 5;
constexpr int SetsPerPattern = 3;
constexpr uint32_t GapColour = 0x404040;
constexpr const char* StyleNames[Styles] = {"NORMAL", "SMALL", "BIG", "MICRO", "HUGE"};

// One argument set: fires the figure and says how it was called.
struct ArgumentSet {
  const char* Label;  // at most 20 characters: one line of the font
  int Frames;         // moved on this long before the picture is taken
  void (*Fire)();
};

struct Pattern {
  const char* Name;
  ArgumentSet Sets[SetsPerPattern];
};

constexpr int C = Centre;

// Stars and chevrons for the outlines: (speed, angle) corners.
constexpr OutlinePoint Star[] = {{2200, 768}, {900, 870}, {2200, 972}, {900, 51},  {2200, 154}, {900, 256},
                                 {2200, 358}, {900, 461}, {2200, 563}, {900, 666}, {2200, 768}};
constexpr OutlinePoint Chevron[] = {{2200, 192}, {700, 256}, {2200, 320}};
constexpr OutlinePoint Square[] = {{2000, 128}, {2000, 384}, {2000, 640}, {2000, 896}, {2000, 128}};

// Types alternate between cancellable (even) and solid (odd) and run
// through the sizes, so that each style shows all of its pictures.
const Pattern Patterns[] = {
    {"FireSeries",
     {{"SPIRAL 24 T2", 55, [] { FireSeries(C, C, 24, 0, 0, 43, 40, 0, 1200, 2); }},
      {"SWEEP 16 T5", 50, [] { FireSeries(C, C, 16, 0, 0, 24, 0, 64, 2000, 5); }},
      {"STREAM 7 T8", 40, [] { FireSeries(C, C, 7, 0, 0, 0, 500, 256, 500, 8); }}}},
    {"FireRing",
     {{"RING 16 T2", 60, [] { FireRing(C, C, 16, 0, 0, 0, 0, 2000, 2); }},
      {"RING 7 ANGLE 64 T7", 60, [] { FireRing(C, C, 7, 0, 0, 0, 64, 2000, 7); }},
      {"RING 24 TURN 3 T4", 60, [] { FireRing(C, C, 24, 3, 0, 50, 0, 1000, 4); }}}},
    {"FireLine",
     {{"LINE 8 NO END T2", 50, [] { FireLine(C, C, 8, 0, false, 2000, 2000, 2000, -2000, 2); }},
      {"LINE 8 END T3", 50, [] { FireLine(C, C, 8, 0, true, 2000, 2000, 2000, -2000, 3); }},
      {"LINE 10 ACCEL T6", 45, [] { FireLine(C, C, 10, 20, true, 1000, 2000, -1000, -2000, 6); }}}},
    {"FirePolygon",
     {{"TRIANGLE 3x5 T2", 60, [] { FirePolygon(C, C, 5, 0, 3, 768, 2000, 2); }},
      {"SQUARE 4x4 T5", 60, [] { FirePolygon(C, C, 4, 0, 4, 0, 2000, 5); }},
      {"HEXAGON 6x3 T8", 60, [] { FirePolygon(C, C, 3, 0, 6, 0, 2000, 8); }}}},
    {"FireEllipse",
     {{"WIDE 24 T2", 55, [] { FireEllipse(C, C, 24, 0, 0, 0, 1000, 2500, 2); }},
      {"TURNED 128 T3", 55, [] { FireEllipse(C, C, 24, 0, 0, 128, 1000, 2500, 3); }},
      {"TURNED 256 T4", 55, [] { FireEllipse(C, C, 32, 0, 0, 256, 800, 2500, 4); }}}},
    {"FireFlower",
     {{"3 PETALS T2", 50, [] { FireFlower(C, C, 36, 0, 0, 3, 700, 0, 2000, 2); }},
      {"5 PETALS T5", 55, [] { FireFlower(C, C, 40, 0, 0, 5, 600, 0, 2000, 5); }},
      {"8 PETALS T6", 55, [] { FireFlower(C, C, 48, 0, 0, 8, 400, 0, 2000, 6); }}}},
    {"FireFan",
     {{"FAN 5 DOWN T2", 60, [] { FireFan(C, C, 5, 0, 0, 32, 0, 256, 2000, 2); }},
      {"FAN 8 UP T7", 60, [] { FireFan(C, C, 8, 0, 0, 32, 0, 768, 2000, 7); }},
      {"FAN 7 STEP RIGHT T4", 60, [] { FireFan(C, C, 7, 0, 0, 40, 150, 0, 1200, 4); }}}},
    {"FireArrow",
     {{"ARROW 5 DOWN T2", 55, [] { FireArrow(C, C, 5, 0, 0, 24, 300, 256, 2400, 2); }},
      {"ARROW 8 DOWN T9", 55, [] { FireArrow(C, C, 8, 0, 0, 16, 200, 256, 2400, 9); }},
      {"ARROW 11 UP T6", 45, [] { FireArrow(C, C, 11, 0, 0, 20, 250, 768, 2600, 6); }}}},
    {"FireOutline",
     {{"STAR 10x3 T2", 50, [] { FireOutline(C, C, 3, 0, false, Star, 11, 2); }},
      {"CHEVRON CLOSED T3", 60, [] { FireOutline(C, C, 4, 0, true, Chevron, 3, 3); }},
      {"SQUARE 4x4 T8", 60, [] { FireOutline(C, C, 4, 0, false, Square, 5, 8); }}}},
};

// One line of glyphs in text slots from *slot on; shape = character - 32.
void Caption(int& slot, int x, int y, const char* text) {
  for (const char* c = text; *c != '\0' && slot <= TextLast; ++c, x += 16) {
    if (*c == ' ') continue;
    Activate(slot, x, y);
    SpriteRegister& s = Sprites.Sprite(slot);
    s.Shape = *c - 32;
    s.FirstFrame = s.LastFrame = 0;
    ++slot;
  }
}

// Fires one argument set in one style, moves it on and copies the middle of
// the field into the sheet at (left, top).
void DrawTile(const ArgumentSet& set, int style, std::vector<uint32_t>& sheet, int sheetWidth, int left,
              int top) {
  ReleaseRange(0, ObjectCount);
  BulletStyle = style;
  ResetBulletTypes();
  set.Fire();
  for (int k = 0; k < set.Frames; ++k) UpdateBullets();
  int slot = TextFirst;
  Caption(slot, TileLeft + 4, TileLeft + 4, set.Label);
  Caption(slot, TileLeft + 4, TileLeft + 22, StyleNames[style]);

  Screen.Clear();
  Sprites.DrawAll(Screen);
  const uint32_t* back = Screen.BackBuffer();
  for (int y = 0; y < Tile; ++y) {
    for (int x = 0; x < Tile; ++x) {
      sheet[(top + y) * sheetWidth + left + x] = back[(TileLeft + y) * Display::Width + TileLeft + x];
    }
  }
  // A small cross where the figure was fired.
  for (int d = -3; d <= 3; ++d) {
    sheet[(top + Tile / 2) * sheetWidth + left + Tile / 2 + d] = GapColour;
    sheet[(top + Tile / 2 + d) * sheetWidth + left + Tile / 2] = GapColour;
  }
}

}  // namespace

int RunGallery(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "ombrezza: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
    return 1;
  }
  ResetAllVariables();
  LoadSheets();
  Screen.BackColor = Screen.ColorMatch(0x000000);
  Sprites.Create();
  LoadShapes();
  BulletTypes = StartBulletTypes;

  constexpr int Width = Styles * Tile + (Styles + 1) * Gap;
  constexpr int Height = SetsPerPattern * Tile + (SetsPerPattern + 1) * Gap;
  std::vector<uint32_t> sheet(static_cast<std::size_t>(Width) * Height);
  int failures = 0;
  for (const Pattern& p : Patterns) {
    std::fill(sheet.begin(), sheet.end(), GapColour);
    for (int row = 0; row < SetsPerPattern; ++row) {
      for (int style = 0; style < Styles; ++style) {
        DrawTile(p.Sets[row], style, sheet, Width, Gap + style * (Tile + Gap), Gap + row * (Tile + Gap));
      }
    }
    std::string error;
    const std::string path = dir + "/" + p.Name + ".png";
    if (!WritePng(path, sheet.data(), Width, Height, error)) {
      std::fprintf(stderr, "ombrezza: %s\n", error.c_str());
      ++failures;
    }
  }
  ReleaseRange(0, ObjectCount);
  BulletStyle = 0;
  ResetBulletTypes();
  return failures == 0 ? 0 : 1;
}

}  // namespace omb
