// Stage 2 in crimson: the boss and its two gun pods, the heavy gunship, and
// the X-winged fighter with five cells of bank. None of them has the long
// body and swept wings of the player's ship.
#include <cmath>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

// The boss, 160 x 160 on image 9: a crab-like warship whose two prongs carry
// the corner guns (8, 152), (20, 156) and their mirror images; its inner guns
// sit at (38, 130) and (48, 150), its main cannon at (80, 148).
void DrawBoss(Images& images) {
  const Family& f = Crimson;
  Mesh m;
  m.Loft({{-74, 8, 8, 2}, {-62, 20, 16, -2}, {-24, 27, 22, -3}, {20, 25, 20, -3},
          {50, 16, 15, -2}, {62, 8, 12, 2}},
         f.Hull, 12, 0.6);
  // prongs sweeping out and down to the corners
  for (int s = -1; s <= 1; s += 2) {
    m.Loft({{-44, 4, 10, 4, s * 34.0}, {-34, 9, 13, 0, s * 40.0}, {0, 10, 13, -1, s * 54.0},
            {40, 9, 11, -1, s * 63.0}, {62, 7, 9, 0, s * 66.0}, {68, 3, 7, 2, s * 66.0}},
           f.Hull, 10, 0.6, 0, 0.3);
    m.Barrel(s * 72.0, 7, 52, 72, 2.4, f.Dark, 6, 1.2);
    m.Barrel(s * 60.0, 7, 56, 76, 2.4, f.Dark, 6, 1.2);
  }
  // armour webs between keel and prongs
  m.Plate({{20, -40}, {40, -34}, {56, 0}, {60, 36}, {44, 40}, {22, 30}}, 4, 0.03, f.Dark, true, 0.3,
          -0.2);
  m.Plate({{24, -30}, {38, -28}, {50, 0}, {30, 4}}, 6, 0.03, f.Trim, true, 0.5, 0.2);
  for (int s = -1; s <= 1; s += 2) {
    Turret(m, s * 42.0, 42, 8, 6, f, 1, 3);
    Turret(m, s * 32.0, 58, 6, 5, f, 1, 5);
  }
  // main cannon and bridge
  m.Loft({{40, 9, 20, 8}, {56, 8, 18, 8}, {60, 6, 16, 9}}, f.Dark, 10, 0.7, 0, 1);
  m.Barrel(0, 13, 56, 68, 3.8, f.Hull, 8, 2);
  m.Dome(0, -24, 21, 12, 8, f.Dark, 0.8, 0, 12, 1);
  m.Dome(0, -24, 26, 7.5, 6, f.Glass, 1, 0, 12, 1.5);
  Placed cell = StageCell(2, 621);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 80;
    v.Cy = 80;
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 10.0, -76, 6}, 8, f);
    Exhaust(cr, v, {0, -76, 6}, 6, f);
    Render(cr, m, v);
    Projected core = Project(v, {0, -24, 33});
    Glow(cr, core.X, core.Y, 9, Hex(0xffffff), f.Glass, 0.9);
    for (int s = -1; s <= 1; s += 2) {
      Seam(cr, v, {{s * 26.0, -34, 6}, {s * 56.0, 10, 6}});
      Seam(cr, v, {{s * 12.0, -60, 16}, {s * 18.0, 40, 18}}, 0.35);
      Lamp(cr, v, {s * 66.0, 62, 9}, 2.2, f.Light);
      Lamp(cr, v, {s * 40.0, -30, 14}, 1.8, f.Light);
      Lamp(cr, v, {s * 9.0, 48, 20}, 1.6, f.Light);
    }
    Lamp(cr, v, {0, 67, 13}, 2.6, Hex(0xffe080));
  });
  Rim(images, cell.Image, cell.Cell);
}

// Gun pod (80 x 80, image 7): the boss's detachable side turret; it fires
// from 30 pixels below its centre, and its wreck falls as the same picture.
void DrawGunPod(Images& images) {
  const Family& f = Crimson;
  Mesh m;
  m.Loft({{-30, 10, 8, 2}, {-22, 24, 14, -2}, {0, 30, 18, -3}, {18, 24, 14, -2}, {26, 12, 9, 0}},
         f.Hull, 12, 0.6);
  m.Plate({{26, -22}, {38, -14}, {38, 10}, {28, 18}}, 4, 0, f.Dark, true, 0.4);
  m.Dome(0, 0, 16, 15, 9, f.Dark, 0.8, 0, 12, 1);
  m.Dome(0, 0, 20, 10, 8, f.Hull, 0.9, 0, 12, 1.2);
  for (int s = -1; s <= 1; s += 2) m.Barrel(s * 4.0, 24, 6, 30, 2.6, f.Dark, 8, 2);
  Placed cell = StageCell(2, 619);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 40;
    v.Cy = 40;
    Exhaust(cr, v, {0, -32, 4}, 7, f);
    Render(cr, m, v);
    Lamp(cr, v, {0, -2, 29}, 3, f.Glass);
    for (int s = -1; s <= 1; s += 2) {
      Lamp(cr, v, {s * 36.0, 0, 5}, 1.8, f.Light);
      Seam(cr, v, {{s * 20.0, -18, 12}, {s * 24.0, 14, 12}});
    }
  });
  Rim(images, cell.Image, cell.Cell);
}

// Heavy gunship (80 x 80, image 7): a wingless armoured barge whose twin
// side guns ride sponsons 30 pixels out and 12 below the centre, with a nose
// gun 36 below it.
void DrawGunship(Images& images) {
  const Family& f = Crimson;
  Mesh m;
  m.Loft({{-32, 8, 7, 1}, {-26, 16, 12, -2}, {-8, 19, 14, -3}, {14, 18, 13, -3}, {26, 13, 11, -2},
          {33, 6, 8, 1}},
         f.Hull, 12, 0.6);
  // sponsons joined to the hull by armour
  m.LoftPair({{-22, 3, 8, 3}, {-16, 7, 11, 0}, {6, 7, 11, 0}, {12, 4, 9, 2}}, f.Hull, 30, 10, 0.6,
             0.4);
  m.Plate({{14, -14}, {26, -16}, {26, 6}, {14, 10}}, 5, 0, f.Dark, true, 0.3, 0.1);
  m.Plate({{16, -10}, {24, -11}, {24, -6}, {16, -5}}, 6.5, 0, f.Trim, true, 0.5, 0.3);
  for (int s = -1; s <= 1; s += 2) m.Barrel(s * 30.0, 6, 10, 17, 2.2, f.Dark, 6, 1.4);
  m.Barrel(0, 7, 30, 38, 2.6, f.Dark, 6, 1.2);
  // armour bands across the back and the bridge
  m.Plate({{0, -24}, {14, -22}, {14, -18}, {0, -20}}, 13.5, 0, f.Trim, true, 0.5, 0.6);
  m.Dome(0, 4, 13, 8, 5, f.Dark, 0.8, 0, 12, 1);
  m.Dome(0, 5, 16, 4.5, 4, f.Glass, 1, 0, 10, 1.4);
  Placed cell = StageCell(2, 613);
  images.Paint(cell, [&](cairo_t* cr, double, double) {
    View v;
    v.Cx = 40;
    v.Cy = 40;
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 30.0, -24, 3}, 6, f);
    for (int s = -1; s <= 1; s += 2) Exhaust(cr, v, {s * 8.0, -34, 3}, 5, f);
    Render(cr, m, v);
    for (int s = -1; s <= 1; s += 2) {
      Seam(cr, v, {{s * 10.0, -26, 11}, {s * 12.0, 26, 11}});
      Lamp(cr, v, {s * 37.0, 0, 6}, 1.6, f.Light);
    }
  });
  Rim(images, cell.Image, cell.Cell);
}

// X-winged fighter (64 x 64, image 8): a slim body with one pair of wings
// swept back and one reaching forward, cells 614 to 618, 614 sliding right
// with its right side dipped, 616 level, 618 sliding left.
void DrawFighters(Images& images) {
  const Family& f = Crimson;
  Mesh m;
  m.Loft({{-24, 2, 4, 1}, {-18, 5, 7, -1}, {0, 6, 8, -2}, {14, 4.5, 7, -1}, {24, 1, 4, 1}}, f.Hull,
         8, 0.6);
  // rear wings swept back, front wings reaching forward
  m.Plate({{4, -8}, {22, -24.5}, {28.5, -19.5}, {6, 4}}, 2, 0.06, f.Hull, true, 0.45);
  m.Plate({{4, 4}, {27, 18}, {23, 25}, {4, 15}}, 2, 0.06, f.Hull, true, 0.45);
  m.Plate({{9, -6}, {23, -17.5}, {25, -16.5}, {11, -3}}, 3, 0.06, f.Trim, true, 0.5, 0.3);
  m.Plate({{9, 9.5}, {22, 18}, {21, 20}, {9, 12.5}}, 3, 0.06, f.Trim, true, 0.5, 0.3);
  m.Dome(0, 8, 7.5, 3.6, 3, f.Glass, 1, 0, 10, 1);
  for (int k = 0; k < 5; ++k) {
    Placed cell = StageCell(2, 614, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 32;
      v.Cy = 32;
      v.Roll = (2 - k) * 0.3;
      Exhaust(cr, v, {0, -25, 3}, 5, f);
      Render(cr, m, v);
      for (int s = -1; s <= 1; s += 2) {
        Lamp(cr, v, {s * 26.0, -21, 3}, 1.6, f.Light);
        Lamp(cr, v, {s * 25.0, 22, 3}, 1.6, f.Light);
      }
    });
    Rim(images, cell.Image, cell.Cell);
  }
}

}  // namespace

void DrawStage2(Images& images) {
  DrawBoss(images);
  DrawGunPod(images);
  DrawGunship(images);
  DrawFighters(images);
}

}  // namespace assetgen
