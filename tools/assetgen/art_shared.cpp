// Image 9's small craft, met in every stage: the dart fighter (five cells of
// bank, used by stages 1 to 4) and the rotor drone (eight frames of spin,
// stages 2 and 4). They wear neutral steel with amber lights so they sit in
// any stage's colours. The stage 2 boss shares the image; it is drawn with
// its stage.
#include <cmath>

#include "art.h"
#include "craft.h"

namespace assetgen {
namespace {

Mesh DartModel() {
  const Family& f = Steel;
  Mesh m;
  m.Loft({{-19, 2, 4, 1}, {-14, 4.2, 6, -1}, {0, 5, 7, -1.5}, {12, 3.6, 5.5, -1}, {20, 0.5, 3, 1}},
         f.Hull, 8, 0.7);
  m.Plate({{4, 4}, {21, -10}, {21, -15}, {16, -16}, {4, -12}}, 1.5, 0.08, f.Hull, true, 0.45);
  m.Plate({{7, 0}, {19, -10.5}, {19, -12.5}, {7, -4}}, 2.2, 0.08, f.Trim, true, 0.5, 0.3);
  Facet fin;
  fin.P = {{4, -8, 4}, {5, -19, 4}, {7.5, -20, 10}, {6, -12, 9}};
  fin.Color = f.Dark;
  fin.Inside = {0, -14, 4};
  fin.Bias = 0.6;
  m.AddMirrored(fin);
  m.Dome(0, 10, 4.5, 2.6, 2.2, f.Glass, 1, 1, 8, 0.8);
  return m;
}

// Cells 608 to 612 as stage 2 numbers them: cell 0 is the craft sliding
// right (its right wing dipped), cell 2 level, cell 4 sliding left.
void DrawDarts(Images& images) {
  Mesh m = DartModel();
  for (int k = 0; k < 5; ++k) {
    Placed cell = StageCell(2, 608, k);
    images.Paint(cell, [&](cairo_t* cr, double, double) {
      View v;
      v.Cx = 24;
      v.Cy = 24;
      v.Roll = (2 - k) * 0.32;
      Exhaust(cr, v, {0, -20, 3}, 4.5, Steel);
      Render(cr, m, v);
      for (int s = -1; s <= 1; s += 2) Lamp(cr, v, {s * 20.5, -13, 2}, 1.6, Steel.Light);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

Mesh RotorModel() {
  const Family& f = Steel;
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
      Glow(cr, 16, 16, 3.5, Hex(0xffffff), Steel.Glass, 0.8);
    });
    Rim(images, cell.Image, cell.Cell, 0.75);
  }
}

}  // namespace

void DrawShared(Images& images) {
  DrawDarts(images);
  DrawRotors(images);
}

}  // namespace assetgen
