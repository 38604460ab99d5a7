// Stage 3 in violet with teal light: the crescent craft (five cells of bank),
// the spinning pods the boss sets orbiting and launches as drones, the
// pronged bomber and the saucer boss.
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

// Crescent craft (48 x 48, image 10): its five guns line the lower rim at
// (3, 36), (12, 40), (23, 42), (35, 40) and (44, 36).
void DrawCrescents(Images& images) {
  const Family& f = Violet;
  Mesh m;
  m.Plate({{0, 19}, {11, 17}, {20, 13}, {23.5, 8}, {22, 2}, {15, -4}, {7, -8}, {0, -9}}, 2, 0.05,
          f.Hull, true, 0.5);
  m.Plate({{0, 15}, {10, 13.5}, {18, 10}, {20, 7}, {11, 9}, {0, 10}}, 3, 0.05, f.Trim, true, 0.5,
          0.2);
  m.Loft({{-16, 2, 4, 1}, {-10, 6, 8, 0}, {4, 7, 9, -1}, {12, 4, 7, 0}, {16, 0, 5, 2}}, f.Dark, 8,
         0.7, 0, 0.4);
  m.Dome(0, -2, 7, 4.2, 4, f.Glass, 1, 0, 10, 1);
  const double mx[5] = {-21, -12, -1, 11, 20}, my[5] = {12, 16, 18, 16, 12};
  for (int p = 0; p < 5; ++p) m.Barrel(mx[p], 3, my[p] - 4, my[p], 1.1, f.Dark, 5, 0.8);
  for (int k = 0; k < 5; ++k) {
    Placed cell = StageCell(3, 600, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 24;
      v.Cy = 24;
      v.Roll = (2 - k) * 0.3;
      Exhaust(cr, v, {0, -15, 3}, 5, f);
      Render(cr, m, v);
      Lamp(cr, v, {0, -2, 11}, 2.4, f.Glass);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

// Orbiting pod (48 x 48, six frames): a teal-eyed core in three armoured
// petals, turning a third of a turn per cycle.
void DrawPods(Images& images) {
  const Family& f = Violet;
  Mesh m;
  for (int k = 0; k < 3; ++k) {
    double a = k * 2 * M_PI / 3 - M_PI / 2;
    auto at = [&](double r, double t) {
      return std::pair<double, double>{r * std::cos(a + t), r * std::sin(a + t)};
    };
    m.Plate({at(8, -0.75), at(19, -0.35), at(21.5, 0), at(19, 0.35), at(8, 0.75)}, 2, 0, f.Hull,
            false, 0.6);
    m.Plate({at(14, -0.2), at(19.5, -0.1), at(19.5, 0.1), at(14, 0.2)}, 3, 0, f.Trim, false, 0.6,
            0.2);
  }
  m.Dome(0, 0, 1, 10, 6, f.Dark, 0.8, 0, 12, 0.6);
  m.Dome(0, 0, 5, 6, 5, f.Hull, 0.9, 0, 12, 0.8);
  for (int k = 0; k < 6; ++k) {
    Placed cell = StageCell(3, 611, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 24;
      v.Cy = 24;
      v.Yaw = k * (2 * M_PI / 3) / 6;
      Render(cr, m, v);
      Glow(cr, 24, 24 - 1, 5.5, Hex(0xffffff), f.Light, 0.95);
      for (int p = 0; p < 3; ++p) {
        double a = k * (2 * M_PI / 3) / 6 + p * 2 * M_PI / 3 - M_PI / 2;
        Glow(cr, 24 + 17 * std::cos(a), 24 + 17 * std::sin(a), 2.2, Hex(0xffffff), f.Glass, 0.9);
      }
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

// Pronged bomber (96 x 96, image 7): guns at the prong tips (2, 90) and
// (92, 90), and twin chin guns at (42, 82) and (52, 82).
void DrawBomber(Images& images) {
  const Family& f = Violet;
  Mesh m;
  m.Loft({{-44, 6, 6, 1}, {-34, 14, 12, -2}, {-4, 16, 14, -3}, {20, 12, 11, -2}, {32, 6, 8, 0}},
         f.Hull, 10, 0.6);
  for (int s = -1; s <= 1; s += 2) {
    m.Loft({{-30, 3, 8, 3, s * 14.0}, {-22, 7, 9, 0, s * 22.0}, {6, 6, 8, 0, s * 36.0},
            {32, 5, 7, 1, s * 44.0}, {40, 2.5, 6, 2, s * 45.0}},
           f.Hull, 8, 0.6, 0, 0.3);
    m.Barrel(s * 45.0, 4, 34, 44, 1.6, f.Dark, 6, 1);
    m.Barrel(s * 5.0, 8, 28, 36, 1.7, f.Dark, 6, 1);
  }
  m.Plate({{10, -26}, {24, -20}, {36, 6}, {30, 16}, {12, 14}}, 4, 0.02, f.Dark, true, 0.3, -0.2);
  m.Plate({{14, -16}, {24, -12}, {30, 4}, {22, 2}}, 5.5, 0.02, f.Trim, true, 0.5, 0.2);
  m.Dome(0, -6, 13, 8, 6, f.Glass, 1, 0, 12, 1);
  Placed cell = StageCell(3, 605);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 48;
    v.Cy = 48;
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 8.0, -46, 4}, 6, f);
    Render(cr, m, v);
    Lamp(cr, v, {0, -7, 19}, 4, f.Glass);
    for (int s = -1; s <= 1; s += 2) {
      Lamp(cr, v, {s * 44.0, 30, 8}, 2, f.Light);
      Seam(cr, v, {{s * 12.0, -20, 10}, {s * 30.0, 8, 7}});
    }
  });
  Rim(images, cell.Image, cell.Cell);
}

// The boss (160 x 160, image 10): a saucer cathedral. Upper turrets at
// (59, 64) and (99, 64); the lower rim carries (27, 147), (37, 138),
// (64, 148), their mirror images and the spine gun at (78, 157).
void DrawBoss(Images& images) {
  const Family& f = Violet;
  Mesh m;
  std::vector<Mesh::Station> disc;
  for (int k = 0; k <= 14; ++k) {
    double y = -62 + k * (124.0 / 14);
    double w = std::sqrt(std::max(0.0, 62.0 * 62.0 - y * y)) * 1.12;
    disc.push_back({y + 2, w, 6 + w * 0.08, 0});
  }
  m.Loft(disc, f.Hull, 16, 0.5);
  // the spine and the bridge tower
  m.Loft({{-76, 4, 10, 6}, {-60, 12, 18, 6}, {-20, 18, 24, 6}, {30, 16, 22, 6}, {60, 10, 18, 8},
          {74, 4, 12, 8}},
         f.Dark, 12, 0.6, 0, 0.5);
  m.Dome(0, 6, 20, 16, 12, f.Hull, 0.8, 0, 14, 1);
  m.Dome(0, 6, 30, 9, 8, f.Glass, 1, 0, 12, 1.5);
  for (int s = -1; s <= 1; s += 2) {
    // flying buttresses out to the crystal pylons
    m.Loft({{-30, 3, 14, 10, s * 30.0}, {-6, 5, 16, 10, s * 48.0}, {20, 4, 14, 10, s * 54.0}}, f.Trim,
           8, 0.6, 0, 0.6);
    m.Dome(s * 56.0, 24, 12, 7, 10, f.Light, 1, 1, 8, 1);
    Turret(m, s * 20.0, -16, 16, 7, f, 1, 4);
    // lower guns along the rim
    m.Barrel(s * 53.0, 8, 56, 68, 2, f.Dark, 6, 1.2);
    m.Barrel(s * 43.0, 8, 48, 58, 2, f.Dark, 6, 1.2);
    m.Barrel(s * 16.0, 9, 54, 68, 2.4, f.Dark, 6, 1.2);
  }
  m.Barrel(0, 10, 60, 77, 3, f.Hull, 8, 1.4);
  Placed cell = StageCell(3, 617);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 80;
    v.Cy = 80;
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 22.0, -66, 4}, 8, f);
    Render(cr, m, v);
    Projected core = Project(v, {0, 6, 38});
    Glow(cr, core.X, core.Y, 10, Hex(0xffffff), f.Glass, 0.9);
    for (int s = -1; s <= 1; s += 2) {
      Projected c = Project(v, {s * 56.0, 24, 22});
      Glow(cr, c.X, c.Y, 9, Hex(0xffffff), f.Light, 0.7);
      Seam(cr, v, {{s * 24.0, -52, 9}, {s * 60.0, -20, 10}});
      Seam(cr, v, {{s * 24.0, 52, 9}, {s * 62.0, 20, 10}});
      for (int k = 0; k < 4; ++k) {
        double a = (s < 0 ? M_PI : 0) + (k - 1.5) * 0.35;
        Lamp(cr, v, {66 * std::cos(a), 2 + 62 * std::sin(a), 8}, 1.6, f.Glass);
      }
    }
  });
  Rim(images, cell.Image, cell.Cell);
}

}  // namespace

void DrawStage3(Images& images) {
  DrawCrescents(images);
  DrawPods(images);
  DrawBomber(images);
  DrawBoss(images);
}

}  // namespace assetgen
