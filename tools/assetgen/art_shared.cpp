// Image 9's small craft, met in every stage: the raider (five cells of bank,
// used by stages 1 to 4) and the rotor drone (eight frames of spin, stages 2
// and 4). They wear olive drab with a red eye, so they sit in any stage's
// colours and share nothing with the player's silver and cyan; the raider is
// a squat bat of a craft whose claws reach ahead of it, where the player's
// ship is a long dart with swept wings and fins. The stage 2 boss shares the
// image; it is drawn with its stage.
#include <cmath>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

Mesh RaiderModel() {
  const Family& f = Olive;
  Mesh m;
  // a stubby body, its head forward (down the screen)
  m.Loft({{-13, 1.5, 3, 1}, {-9, 5, 6, -1}, {0, 6.5, 7.5, -1.5}, {8, 6, 7, -1.2}, {13, 3.5, 5, 0},
          {15, 0.5, 3, 1.5}},
         f.Hull, 8, 0.6);
  // claw wings: from the body's flank out and then forward to the tips
  m.Plate({{4, -10}, {15, -8}, {22, -1}, {22.5, 14}, {19, 15}, {16, 6}, {11, 4}, {5, 7}}, 1.5, 0.1,
          f.Hull, true, 0.45);
  m.Plate({{8, -7.5}, {15, -5.5}, {20, 0}, {20.5, 10}, {18, 4}, {13, -2.5}, {8, -3.5}}, 2.4, 0.1,
          f.Trim, true, 0.5, 0.3);
  m.Plate({{19.5, 9}, {22.5, 12}, {22.5, 14}, {19, 15}, {18, 11}}, 2.6, 0.1, f.Dark, true, 0.4, 0.4);
  // the red eye
  m.Dome(0, 9, 5.5, 3.2, 2.5, f.Glass, 1, 1, 8, 0.8);
  return m;
}

// Cells 608 to 612 as stage 2 numbers them: cell 0 is the craft sliding
// right (its right wing dipped), cell 2 level, cell 4 sliding left.
void DrawRaiders(Images& images) {
  Mesh m = RaiderModel();
  for (int k = 0; k < 5; ++k) {
    Placed cell = StageCell(2, 608, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 24;
      v.Cy = 23;
      v.Roll = (2 - k) * 0.32;
      Exhaust(cr, v, {0, -14, 3}, 4.5, Olive);
      Render(cr, m, v);
      Lamp(cr, v, {0, 9.5, 8}, 2.2, Olive.Glass);
      for (int s = -1; s <= 1; s += 2) Lamp(cr, v, {s * 21.0, 13, 3}, 1.5, Olive.Light);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

Mesh RotorModel() {
  const Family& f = Olive;
  Mesh m;
  for (int k = 0; k < 3; ++k) {
    double a = k * 2 * M_PI / 3;
    auto at = [&](double r, double t) {
      return std::pair<double, double>{r * std::cos(a + t), r * std::sin(a + t)};
    };
    m.Plate({at(5, -0.5), at(14.5, -0.22), at(15, 0.12), at(5, 0.45)}, 2, 0, f.Hull, false, 0.6);
    m.Plate({at(10, -0.2), at(14.2, -0.15), at(14.4, 0.08), at(10, 0.12)}, 2.6, 0, f.Trim, false,
            0.6, 0.2);
  }
  m.Dome(0, 0, 1, 7, 4, f.Dark, 0.9, 0, 12, 0.5);
  m.Dome(0, 0, 3.5, 3.6, 3, f.Glass, 1, 1, 10, 1);
  return m;
}

void DrawRotors(Images& images) {
  Mesh m = RotorModel();
  for (int k = 0; k < 8; ++k) {
    Placed cell = StageCell(2, 600, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 16;
      v.Cy = 16;
      v.Yaw = k * (2 * M_PI / 3) / 8;
      Render(cr, m, v);
      Glow(cr, 16, 16, 3.5, Hex(0xffffff), Olive.Glass, 0.8);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

}  // namespace

void DrawShared(Images& images) {
  DrawRaiders(images);
  DrawRotors(images);
}

}  // namespace assetgen
