// Stage 1 in jade: the wide bomber that stops the advance (image 7, top) and
// the boss fortress (image 8). The small fighters are the shared craft.
#include <cmath>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

// The bomber, 240 x 160: a flying wing whose three turrets ride the trailing
// edge at (64, 33), (120, 34) and (177, 34) of its picture.
void DrawBomber(Images& images) {
  const Family& f = Jade;
  Mesh m;
  m.Loft({{-74, 6, 6, 0}, {-60, 20, 13, -2}, {-20, 28, 17, -3}, {20, 24, 15, -3},
          {52, 13, 10, -1}, {70, 3, 5, 1}},
         f.Hull, 10, 0.6);
  // wing: leading edge sweeps back from the nose to the tips
  m.Plate({{18, 44}, {116, -34}, {117, -48}, {100, -56}, {18, -64}}, 2, 0.04, f.Hull, true, 0.45);
  m.Plate({{30, 22}, {108, -38}, {108, -44}, {30, 12}}, 3, 0.04, f.Trim, true, 0.5, 0.3);
  m.Plate({{40, -58}, {96, -53}, {96, -48}, {40, -52}}, 3.2, 0.04, f.Dark, true, 0.3, 0.3);
  // engine nacelles and their pylons
  m.LoftPair({{-68, 4, 8, 2}, {-58, 7, 10, 0}, {-20, 7, 10, 0}, {-8, 3, 8, 2}}, f.Dark, 38, 8,
             0.7, 0.6);
  m.LoftPair({{-64, 3, 7, 2}, {-54, 5.5, 8.5, 0.5}, {-30, 5.5, 8.5, 0.5}, {-22, 2, 7, 2}}, f.Dark,
             84, 8, 0.7, 0.6);
  // canopy at the nose
  m.Loft({{28, 0, 16, 14}, {36, 6, 19, 13}, {50, 5, 16, 11}, {58, 0, 12, 11}}, f.Glass, 8, 1, 0, 1);
  Turret(m, -56, -47, 5, 9, f, 2);
  Turret(m, 0, -46, 16, 10, f, 2);
  Turret(m, 57, -46, 5, 9, f, 2);

  images.Paint(StageCell(1, 606), [&](cairo_t* cr, double w, double h) {
    View v;
    v.Cx = 120;
    v.Cy = 80;
    for (double x : {-84.0, -38.0, 38.0, 84.0}) Exhaust(cr, v, {x, -70, 6}, 8, f);
    Render(cr, m, v);
    for (int s = -1; s <= 1; s += 2) {
      Seam(cr, v, {{s * 24.0, 30, 4}, {s * 110.0, -40, 6}});
      Seam(cr, v, {{s * 24.0, -10, 4}, {s * 60.0, -40, 5}, {s * 60.0, -60, 5}});
      Seam(cr, v, {{s * 64.0, -12, 5}, {s * 64.0, -56, 5}});
      Lamp(cr, v, {s * 114.0, -44, 7}, 3, s < 0 ? Hex(0xff5050) : Hex(0x60ff80));
      Lamp(cr, v, {s * 12.0, 40, 12}, 1.8, f.Light);
    }
    Seam(cr, v, {{0, -70, 14}, {0, -56, 17}});
    (void)w;
    (void)h;
  });
  Rim(images, StageCell(1, 606).Image, StageCell(1, 606).Cell);
}

// The boss, 176 x 176: a jade fortress with a glowing core and twin cannons
// under it; the right cannon's mouth is the muzzle at (102, 137).
void DrawBoss(Images& images) {
  const Family& f = Jade;
  Mesh m;
  // central keel
  m.Loft({{-84, 8, 10, 2}, {-70, 22, 20, -2}, {-30, 30, 26, -4}, {20, 30, 24, -4},
          {50, 22, 18, -2}, {66, 10, 12, 2}},
         f.Hull, 12, 0.6);
  // armoured wings with a hard kink
  m.Plate({{24, -56}, {62, -66}, {86, -40}, {86, 6}, {70, 30}, {40, 40}, {24, 40}}, 3, 0.05,
          f.Hull, true, 0.45);
  m.Plate({{30, -50}, {60, -58}, {80, -38}, {80, -30}, {58, -48}, {30, -42}}, 5, 0.05, f.Trim, true,
          0.6, 0.3);
  m.Plate({{34, 24}, {66, 22}, {60, 32}, {38, 34}}, 5, 0.05, f.Dark, true, 0.3, 0.3);
  // engine pods on the wings
  m.LoftPair({{-82, 6, 10, 3}, {-70, 11, 14, 0}, {-10, 12, 15, 0}, {8, 7, 12, 3}}, f.Dark, 58, 10,
             0.7, 0.8);
  m.LoftPair({{-76, 3, 12, 8}, {-66, 6, 16, 9}, {-18, 6, 16, 9}, {-8, 2, 13, 9}}, f.Hull, 58, 8,
             0.7, 1.0);
  // the core
  m.Dome(0, -18, 24, 17, 10, f.Dark, 0.8, 0, 12, 1);
  m.Dome(0, -18, 30, 11, 9, f.Glass, 1, 0, 12, 1.5);
  // twin cannons at the chin and turrets on the wings
  for (int s = -1; s <= 1; s += 2) {
    m.Loft({{16, 6, 22, 12}, {28, 7, 22, 12}, {30, 5, 20, 13}}, f.Dark, 8, 0.7, s * 14, 1);
    m.Barrel(s * 14, 17, 26, 39, 3.2, f.Hull, 8, 2);
    m.Barrel(s * 14, 17, 39, 41, 4.2, f.Dark, 8, 2.2);
    Turret(m, s * 38, 6, 8, 8, f, 2, 8);
    Turret(m, s * 70, 14, 12, 6, f, 1, 6);
  }
  images.Paint(StageCell(1, 605), [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 88;
    v.Cy = 96;
    for (int s = -1; s <= 1; s += 2) {
      Exhaust(cr, v, {s * 58.0, -86, 8}, 10, f);
      Exhaust(cr, v, {s * 14.0, -86, 8}, 6, f);
    }
    Render(cr, m, v);
    Projected core = Project(v, {0, -18, 38});
    Glow(cr, core.X, core.Y, 12, Hex(0xffffff), f.Glass, 0.9);
    for (int s = -1; s <= 1; s += 2) {
      Seam(cr, v, {{s * 28.0, -48, 8}, {s * 84.0, -30, 9}});
      Seam(cr, v, {{s * 28.0, 10, 8}, {s * 86.0, 4, 9}});
      Seam(cr, v, {{s * 46.0, -60, 8}, {s * 46.0, 36, 8}});
      Lamp(cr, v, {s * 84.0, -2, 10}, 3, s < 0 ? Hex(0xff5050) : Hex(0x60ff80));
      Lamp(cr, v, {s * 22.0, -56, 24}, 2, f.Light);
      Lamp(cr, v, {s * 14.0, 41, 17}, 2.6, Hex(0xffe080));
    }
    Seam(cr, v, {{0, 2, 26}, {0, 60, 14}}, 0.5, 1);
  });
  Rim(images, StageCell(1, 605).Image, StageCell(1, 605).Cell);
}

}  // namespace

void DrawStage1(Images& images) {
  DrawBomber(images);
  DrawBoss(images);
}

}  // namespace assetgen
