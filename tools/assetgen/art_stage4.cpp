// Stage 4 in bronze and gunmetal with red light: the fortress craft, the
// boss's spiked bombs and little drones, and the boss in five cells of bank.
#include <cmath>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

// Fortress craft (96 x 96, image 11): corner guns at (7, 80), (7, 18), the
// chin guns at (20, 94) and (47, 82), the rear guns at (32, 12), each with
// its mirror image across the middle.
void DrawFortress(Images& images) {
  const Family& f = Bronze;
  Mesh m;
  // keel
  m.Loft({{-42, 8, 8, 2}, {-32, 16, 14, -2}, {8, 18, 16, -3}, {30, 14, 13, -2}, {40, 7, 9, 1}},
         f.Hull, 12, 0.6);
  // four armoured nacelles joined by a deck
  m.LoftPair({{-42, 3, 8, 3}, {-36, 7, 10, 0}, {26, 7, 10, 0}, {34, 4, 9, 2}}, f.Hull, 40, 8, 0.6,
             0.3);
  m.Plate({{14, -30}, {36, -34}, {36, 28}, {14, 30}}, 3, 0.02, f.Dark, true, 0.3, -0.2);
  m.Plate({{16, -16}, {34, -18}, {34, -10}, {16, -8}}, 4.5, 0.02, f.Trim, true, 0.4, 0.1);
  m.Plate({{16, 6}, {34, 4}, {34, 12}, {16, 14}}, 4.5, 0.02, f.Trim, true, 0.4, 0.1);
  for (int s = -1; s <= 1; s += 2) {
    Turret(m, s * 41.0, -30, 9, 5, f, 1, 2);       // rear corner guns (7, 18)
    m.Barrel(s * 41.0, 6, 26, 36, 2.2, f.Trim, 6, 1.2);  // front corner guns (7, 80)
    m.Barrel(s * 28.0, 6, 34, 46, 2, f.Trim, 6, 1.2);    // chin guns (20, 94)
    m.Barrel(s * 15.0, 10, -40, -34, 1.8, f.Trim, 6, 1.2);  // rear guns (32, 12)
  }
  m.Barrel(0, 10, 28, 36, 2.6, f.Trim, 8, 1.4);  // (47, 82)
  m.Dome(0, -4, 15, 10, 7, f.Trim, 0.9, 0, 12, 1);
  Placed cell = StageCell(4, 600);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 48;
    v.Cy = 48;
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 40.0, -44, 5}, 5, f);
    Render(cr, m, v);
    Lamp(cr, v, {0, -5, 23}, 4.5, f.Light);
    for (int s = -1; s <= 1; s += 2) {
      Seam(cr, v, {{s * 40.0, -20, 10}, {s * 40.0, 20, 10}});
      Seam(cr, v, {{s * 6.0, 10, 16}, {s * 10.0, 34, 13}});
      Lamp(cr, v, {s * 40.0, 32, 8}, 1.8, f.Light);
      Lamp(cr, v, {s * 25.0, -2, 5}, 1.5, f.Glass);
    }
  });
  Rim(images, cell.Image, cell.Cell);
}

// Spiked bomb (48 x 48, six frames): it turns a sixth of a turn per cycle
// while its red eye pulses; it cannot be shot.
void DrawBombs(Images& images) {
  const Family& f = Bronze;
  Mesh m;
  for (int k = 0; k < 6; ++k) {
    double a = k * M_PI / 3;
    auto at = [&](double r, double t) {
      return std::pair<double, double>{r * std::cos(a + t), r * std::sin(a + t)};
    };
    m.Plate({at(8, -0.35), at(21, 0), at(8, 0.35)}, 4, 0, k % 2 ? f.Hull : f.Trim, false, 0.8, -0.5);
  }
  m.Dome(0, 0, 0, 13, 11, f.Trim, 0.9, 0, 14, 0.5);
  m.Dome(0, 0, 4, 9, 9, f.Hull, 0.9, 0, 12, 0.7);
  for (int k = 0; k < 6; ++k) {
    Placed cell = StageCell(4, 601, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 24;
      v.Cy = 24;
      v.Yaw = k * (M_PI / 3) / 6;
      Render(cr, m, v);
      double pulse = 0.5 + 0.5 * std::cos(k * 2 * M_PI / 6);
      Glow(cr, 24, 23, 4 + 3 * pulse, Hex(0xffffff), f.Light, 0.5 + 0.5 * pulse);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

// Drone (32 x 32, six frames): a three-armed rotor round a red eye.
void DrawDrones(Images& images) {
  const Family& f = Bronze;
  Mesh m;
  for (int k = 0; k < 3; ++k) {
    double a = k * 2 * M_PI / 3 + M_PI / 2;
    auto at = [&](double r, double t) {
      return std::pair<double, double>{r * std::cos(a + t), r * std::sin(a + t)};
    };
    m.Plate({at(4, -0.6), at(13.5, -0.25), at(14.5, 0.2), at(4, 0.6)}, 2, 0, f.Hull, false, 0.7);
  }
  m.Dome(0, 0, 1, 6.5, 4, f.Trim, 0.9, 0, 12, 0.5);
  for (int k = 0; k < 6; ++k) {
    Placed cell = StageCell(4, 607, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 16;
      v.Cy = 16;
      v.Yaw = -k * (2 * M_PI / 3) / 6;
      Render(cr, m, v);
      Glow(cr, 16, 15.5, 3.6, Hex(0xffffff), f.Light, 0.95);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

// The boss (128 x 128): cells 626 to 629 on image 12 and 630 on image 11.
// 626 banks hard one way, 628 is level, 630 banks hard the other way, as it
// slides right. Its guns: wingtips (14, 108), (36, 87), (44, 94), the nose
// (63, 116) and the tail turret (63, 9), with their mirror images.
void DrawBoss(Images& images) {
  const Family& f = Bronze;
  Mesh m;
  // blunt stern with two great nozzles, the bow tapering down to the cannon
  m.Loft({{-60, 13, 10, 2}, {-52, 19, 16, -2}, {-14, 21, 20, -3}, {24, 15, 17, -3},
          {44, 8, 12, -1}, {56, 2, 7, 2}},
         f.Hull, 12, 0.6);
  m.LoftPair({{-64, 5, 9, 3}, {-58, 6, 10, 2}, {-50, 5, 9, 3}}, f.Dark, 9, 8, 0.8, 0.4);
  m.Plate({{14, -36}, {34, -34}, {62, 20}, {60, 46}, {46, 48}, {30, 30}, {14, 32}}, 3, 0.05, f.Hull,
          true, 0.45);
  m.Plate({{20, -24}, {32, -22}, {54, 20}, {48, 24}}, 4.5, 0.05, f.Trim, true, 0.5, 0.2);
  m.Plate({{16, 14}, {34, 20}, {36, 28}, {16, 26}}, 4.5, 0.05, f.Dark, true, 0.3, 0.2);
  for (int s = -1; s <= 1; s += 2) {
    m.Loft({{-30, 3, 10, 4, s * 24.0}, {-22, 6, 12, 2, s * 24.0}, {10, 6, 12, 2, s * 26.0},
            {18, 3, 10, 4, s * 26.0}},
           f.Trim, 8, 0.7, 0, 0.6);
    m.Barrel(s * 49.0, 6, 36, 46, 1.8, f.Trim, 6, 1.2);
    Turret(m, s * 27.0, 18, 10, 5, f, 1, 1);
    m.Barrel(s * 19.0, 8, 22, 32, 1.6, f.Trim, 6, 1.2);
  }
  m.Barrel(0, 9, 48, 54, 2.6, f.Trim, 8, 1.4);
  Turret(m, 0, -48, 15, 5, f, 2, 0);
  m.Dome(0, -6, 20, 12, 8, f.Trim, 0.8, 0, 12, 1);
  for (int k = 0; k < 5; ++k) {
    Placed cell = StageCell(4, 626, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 64;
      v.Cy = 65;
      v.Scale = 0.95;
      v.Roll = (k - 2) * 0.3;
      for (int s = -1; s <= 1; s += 2) {
        Exhaust(cr, v, {s * 24.0, -34, 8}, 6, f);
        Exhaust(cr, v, {s * 9.0, -66, 5}, 8, f);
      }
      Render(cr, m, v);
      Lamp(cr, v, {0, -7, 28}, 6, f.Light);
      for (int s = -1; s <= 1; s += 2) {
        Seam(cr, v, {{s * 16.0, -30, 5}, {s * 58.0, 40, 6}});
        Lamp(cr, v, {s * 60.0, 44, 7}, 2, f.Light);
        Lamp(cr, v, {s * 8.0, 30, 16}, 1.6, f.Glass);
      }
    });
    Rim(images, cell.Image, cell.Cell);
  }
}

}  // namespace

void DrawStage4(Images& images) {
  DrawFortress(images);
  DrawBombs(images);
  DrawDrones(images);
  DrawBoss(images);
}

}  // namespace assetgen
