// Sheet 2: the player's ship by lean and its shield, the sub-shot pods, the
// main and sub shots and the barrier markers. Silver hull, cyan light.
#include <cmath>

#include "art.h"
#include "mesh.h"

namespace assetgen {
namespace {

const Rgb Silver = Hex(0xc4d0de);
const Rgb SteelBlue = Hex(0x8ea2ba);
const Rgb Gunmetal = Hex(0x5c6878);
const Rgb Cyan = Hex(0x38d0ff);
const Rgb Glass = Hex(0x1890d0);

}  // namespace

Mesh PlayerShipModel() {
  Mesh m;
  // fuselage
  m.Loft({{-21, 0, 1.5, 0.5},
          {-16, 2.0, 3.0, -1},
          {-8, 3.4, 4.4, -1.5},
          {2, 4.0, 4.6, -1.5},
          {10, 3.6, 4.0, -1.2},
          {17, 2.4, 3.0, -0.6}},
         Silver, 8, 0.7);
  // canopy
  m.Loft({{-13, 0, 4.2, 3.4}, {-9, 1.7, 6.0, 3.2}, {-4, 1.9, 6.2, 3.4}, {0, 0.6, 5.0, 3.8}}, Glass,
         8, 1.0, 0, 0.5);
  // main wings, swept, with a cyan stripe
  m.Plate({{3, -7}, {20, 8}, {20, 12}, {15, 13.5}, {3, 10}}, 0.6, 0.06, SteelBlue);
  m.Plate({{9, -1.2}, {18.5, 7.2}, {18.5, 9.2}, {9, 1.8}}, 1.2, 0.06, Cyan, true, 0.6, 0.2);
  // canards
  m.Plate({{2.5, -15}, {8, -9.5}, {8, -7.5}, {2.5, -9.5}}, 1.2, 0.05, SteelBlue);
  // engine nacelles
  m.LoftPair({{-4, 0.3, 2.6, 0.8}, {0, 2.0, 3.4, -0.5}, {12, 2.4, 3.6, -0.6}, {18, 2.0, 3.0, -0.2}},
             Gunmetal, 6.5, 6, 0.6, 0.1);
  // tail fins, leaning outward
  Facet fin;
  fin.P = {{6.5, 9, 3}, {8.5, 17, 3}, {10.5, 18, 8}, {9, 12, 8}};
  fin.Color = SteelBlue;
  fin.Shine = 0.6;
  fin.Inside = {0, 13, 3};
  fin.Bias = 0.5;
  m.AddMirrored(fin);
  return m;
}

namespace {

void DrawShip(Images& images) {
  Mesh ship = PlayerShipModel();
  PaintRun(images, 150, 7, [&](cairo_t* cr, double, double, int i) {
    int bank = i - 3;  // 150 leans hard left, 156 hard right
    View v;
    v.Cx = 24;
    v.Cy = 23;
    v.Roll = bank * 0.27;
    // exhaust behind the nacelles
    for (int s = -1; s <= 1; s += 2) {
      Projected p = Project(v, {6.5 * s, 19.5, 1.5});
      Glow(cr, p.X, p.Y + 1, 4.5, Hex(0xffffff), Cyan);
    }
    Render(cr, ship, v);
    // wing-tip lights
    for (int s = -1; s <= 1; s += 2) {
      Projected p = Project(v, {19.5 * s, 10, 1.8});
      Glow(cr, p.X, p.Y, 1.8, s < 0 ? Hex(0xff8080) : Hex(0x80ff90), Hex(0x303030));
    }
    // The ship is hit only at its centre, pixel (24, 24) of the cell in every
    // lean, so a white-hot core sits exactly there in a dark ring that keeps
    // it apart from the hull and from any bullet drifting over it.
    SetColor(cr, Hex(0x061018));
    cairo_arc(cr, 24.5, 24.5, 3, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, Hex(0xc8f8ff));
    cairo_arc(cr, 24.5, 24.5, 1.8, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, Hex(0xffffff));
    cairo_rectangle(cr, 24, 24, 1, 1);
    cairo_fill(cr);
  });
  for (int i = 0; i < 7; ++i) Rim(images, 2, StartupCell(150, i).Cell, 0.7);
}

// The shield flickers over the ship after a hit: a bright hexagonal bubble
// that thins out as the invulnerability runs down (157 fresh, 161 nearly gone).
void DrawShield(Images& images) {
  PaintRun(images, 157, 5, [](cairo_t* cr, double w, double h, int i) {
    double fade = 1.0 - i * 0.17;
    double cx = w / 2, cy = h / 2 - 1, r = 21.5;
    // an energy skin: clear inside, thickening toward the rim
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 3, cy - 4, r * 0.55, cx, cy, r + 1);
    AddStop(p, 0, Cyan, 0);
    AddStop(p, 0.72, Cyan, 0.15 * fade);
    AddStop(p, 0.93, Hex(0x7fe4ff), 0.75 * fade);
    AddStop(p, 1, Cyan, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r + 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // hexagon cells glinting on the rim, turning as the frames go by
    cairo_set_line_width(cr, 0.9);
    for (int k = 0; k < 10; ++k) {
      double a = k * 2 * M_PI / 10 + i * 0.21;
      double lit = 0.5 + 0.5 * std::cos(a + 2.3);
      SetColor(cr, Hex(0xd8f8ff), (0.25 + 0.6 * lit) * fade);
      RegularPolygonPath(cr, cx + (r - 3.5) * std::cos(a), cy + (r - 3.5) * std::sin(a), 6, 3.3, a);
      cairo_stroke(cr);
    }
    SetColor(cr, Hex(0xffffff), 0.9 * fade);
    cairo_set_line_width(cr, 1.3 - i * 0.12);
    cairo_arc(cr, cx, cy, r - 0.5, M_PI * 1.05, M_PI * 1.6);
    cairo_stroke(cr);
    double a = -2.3 + i * 0.9;
    Glow(cr, cx + r * std::cos(a), cy + r * std::sin(a), 5, Hex(0xffffff), Cyan, fade);
  });
}

Mesh PodModel() {
  Mesh m;
  m.Loft({{-9, 0, 1, 1}, {-6, 2.6, 3.4, -1}, {2, 4.2, 4.4, -2}, {7, 3.6, 3.6, -1.5}, {9, 1.6, 2, -0.5}},
         Silver, 8, 0.8);
  m.Barrel(0, 2.5, -13, -6, 1.1, Gunmetal);
  m.Plate({{3, -1}, {8, 3}, {8, 6}, {3, 5}}, 0.5, 0.1, SteelBlue);
  m.Dome(0, 1, 3.6, 1.8, 1.6, Cyan, 1, 1);
  return m;
}

// Pods tilt in steps of 1/64 of a turn: 162 leans 4 steps left, 166 is
// upright, 170 leans 4 steps right.
void DrawPods(Images& images) {
  Mesh pod = PodModel();
  PaintRun(images, 162, 9, [&](cairo_t* cr, double, double, int i) {
    View v;
    v.Cx = 16;
    v.Cy = 17;
    v.Scale = 1.1;
    v.Yaw = (i - 4) * 2 * M_PI / 64;
    Projected tail = Project(v, {0, 10, 1});
    Glow(cr, tail.X, tail.Y, 4, Hex(0xffffff), Cyan, 0.9);
    Render(cr, pod, v);
  });
  for (int i = 0; i < 9; ++i) Rim(images, 2, StartupCell(162, i).Cell, 0.7);
}

// Main shot: a long cyan bolt; the four pictures shimmer in turn.
void DrawMainShot(Images& images) {
  PaintRun(images, 171, 4, [](cairo_t* cr, double w, double h, int i) {
    double cx = w / 2;
    double half = 3.2 + 0.5 * i;
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 2, 0, h);
    AddStop(body, 0, Hex(0xffffff));
    AddStop(body, 0.35, Hex(0x9ff0ff));
    AddStop(body, 1, Cyan, 0);
    // outer glow
    cairo_pattern_t* side = cairo_pattern_create_linear(cx - half - 3, 0, cx + half + 3, 0);
    AddStop(side, 0, Cyan, 0);
    AddStop(side, 0.5, Cyan, 0.55);
    AddStop(side, 1, Cyan, 0);
    cairo_set_source(cr, side);
    cairo_move_to(cr, cx, 0);
    cairo_curve_to(cr, cx + half + 3, 6, cx + half + 2, h - 10, cx, h);
    cairo_curve_to(cr, cx - half - 2, h - 10, cx - half - 3, 6, cx, 0);
    cairo_fill(cr);
    cairo_set_source(cr, body);
    cairo_move_to(cr, cx, 1);
    cairo_curve_to(cr, cx + half, 5, cx + half * 0.7, h - 12, cx, h - 2);
    cairo_curve_to(cr, cx - half * 0.7, h - 12, cx - half, 5, cx, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_pattern_destroy(side);
    // hot core
    SetColor(cr, Hex(0xffffff));
    cairo_move_to(cr, cx, 3);
    cairo_curve_to(cr, cx + 1.4, 8, cx + 1, 22 + 3 * i, cx, 28 + 3 * i);
    cairo_curve_to(cr, cx - 1, 22 + 3 * i, cx - 1.4, 8, cx, 3);
    cairo_fill(cr);
  });
}

// Sub shots: small four-pointed stars spinning a quarter turn per cycle of
// ten frames; the left pod's are green-cyan, the right pod's blue-cyan.
void DrawSubShots(Images& images) {
  for (int side = 0; side < 2; ++side) {
    Rgb tint = side == 0 ? Hex(0x50ffc8) : Hex(0x58b8ff);
    PaintRun(images, 175 + 10 * side, 10, [&](cairo_t* cr, double w, double h, int i) {
      double a = (side == 0 ? 1 : -1) * i * (M_PI / 2) / 10;
      Glow(cr, w / 2, h / 2, 7.5, Hex(0xffffff), tint, 0.9);
      StarPath(cr, w / 2, h / 2, 4, 7.2, 2.2, a);
      SetColor(cr, Mix(tint, Hex(0xffffff), 0.5));
      cairo_fill(cr);
      Glow(cr, w / 2, h / 2, 3, Hex(0xffffff), Hex(0xffffff));
    });
  }
}

// Barrier markers: spinning crystals that ride the rim of the barrier.
void DrawMarkers(Images& images) {
  PaintRun(images, 334, 8, [](cairo_t* cr, double w, double h, int i) {
    double a = i * (M_PI / 2) / 8;
    double cx = w / 2, cy = h / 2;
    Glow(cr, cx, cy, 8, Hex(0xb0f0ff), Cyan, 0.7);
    for (int k = 0; k < 4; ++k) {
      double a0 = a + k * M_PI / 2, a1 = a0 + M_PI / 2;
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + 6.5 * std::cos(a0), cy + 6.5 * std::sin(a0));
      cairo_line_to(cr, cx + 6.5 * std::cos(a1), cy + 6.5 * std::sin(a1));
      cairo_close_path(cr);
      SetColor(cr, Mix(Hex(0x1a80c0), Hex(0xe0fcff), (std::cos(a0 + 0.6) + 1) / 2));
      cairo_fill(cr);
    }
    Glow(cr, cx, cy, 2.5, Hex(0xffffff), Hex(0xffffff));
  });
}

}  // namespace

void DrawPlayer(Images& images) {
  DrawShip(images);
  DrawShield(images);
  DrawPods(images);
  DrawMainShot(images);
  DrawSubShots(images);
  DrawMarkers(images);
}

}  // namespace assetgen
