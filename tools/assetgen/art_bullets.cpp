// Sheet 5: enemy bullets, their flashes when cancelled, the captured bullet
// and the three special weapons.
//
// The barrier takes cancellable bullets and never solid ones, and a player
// must tell them apart in a storm: cancellable bullets are soft round orbs in
// rose-magenta that breathe (four frames played forth and back); solid bullets
// are hard amber stars with a dark rim that spin (eight frames round). Each
// fills its cell, since the cell's width is the bullet's hit size.
#include <cmath>

#include "art.h"

namespace assetgen {
namespace {

const Rgb Rose = Hex(0xff4aa8);
const Rgb RoseDeep = Hex(0xb0105e);
const Rgb Amber = Hex(0xffb020);
const Rgb AmberDeep = Hex(0xc05000);
const Rgb Rim = Hex(0x12080c);

void CancellableOrb(cairo_t* cr, double size, int frame) {
  double c = size / 2, r = size / 2 - 0.3;
  double breath = frame / 3.0;  // 0 quiet .. 1 bright
  cairo_pattern_t* p = cairo_pattern_create_radial(c, c, 0, c, c, r);
  AddStop(p, 0, Hex(0xffffff));
  AddStop(p, 0.32 + 0.08 * breath, Hex(0xffe0f0));
  AddStop(p, 0.5 + 0.06 * breath, Mix(Rose, Hex(0xffffff), 0.2 * breath));
  AddStop(p, 0.82, RoseDeep, 0.95);
  AddStop(p, 1, RoseDeep, 0.25 + 0.35 * breath);
  cairo_set_source(cr, p);
  cairo_arc(cr, c, c, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  if (size >= 16) {
    SetColor(cr, Hex(0xffc0e0), 0.5 + 0.4 * breath);
    cairo_set_line_width(cr, size >= 24 ? 1.4 : 1.0);
    cairo_arc(cr, c, c, r * (0.7 + 0.05 * breath), 0, 2 * M_PI);
    cairo_stroke(cr);
  }
}

void SolidStar(cairo_t* cr, double size, int frame) {
  double c = size / 2, r = size / 2 - 0.4;
  int points = size >= 24 ? 8 : 4;
  // one cycle of eight frames turns the star by one point, so it loops
  double a = frame * (2 * M_PI / points) / 8 - M_PI / 4;
  double inner = points == 8 ? r * 0.62 : r * 0.48;
  StarPath(cr, c, c, points, r, inner, a);
  SetColor(cr, Rim);
  cairo_set_line_width(cr, size >= 16 ? 1.6 : 1.2);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(c - r * 0.25, c - r * 0.25, 0, c, c, r);
  AddStop(p, 0, Hex(0xffffff));
  AddStop(p, 0.3, Hex(0xfff0a0));
  AddStop(p, 0.65, Amber);
  AddStop(p, 1, AmberDeep);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // a hard hub with a dark ring: the mark of a solid bullet
  double hub = r * (points == 8 ? 0.36 : 0.34);
  cairo_arc(cr, c, c, hub, 0, 2 * M_PI);
  SetColor(cr, Hex(0xfffbe8));
  cairo_fill_preserve(cr);
  SetColor(cr, AmberDeep);
  cairo_set_line_width(cr, size >= 24 ? 1.5 : 1.0);
  cairo_stroke(cr);
}

void DrawEnemyBullets(Images& images) {
  const struct {
    int Cancellable, Solid;
    double Size;
  } classes[] = {{434, 438, 10}, {366, 370, 16}, {378, 382, 24}, {390, 394, 32}};
  for (auto& k : classes) {
    double size = k.Size;
    PaintRun(images, k.Cancellable, 4,
             [&](cairo_t* cr, double, double, int i) { CancellableOrb(cr, size, i); });
    PaintRun(images, k.Solid, 8, [&](cairo_t* cr, double, double, int i) { SolidStar(cr, size, i); });
  }
}

// Flashes of cancelled bullets: the bullet bursts into thin sparks that fly
// apart and thin out over the eight frames, pale rose for a cancellable one,
// pale gold for a solid one. A cancel turns hundreds of bullets into flashes
// at once, so they only ever light the field up: no glow fringe, no dark
// pixel, nothing but bright strokes on the key.
void DrawFlashes(Images& images) {
  for (int solid = 0; solid < 2; ++solid) {
    const Rgb tint = solid ? Hex(0xffd868) : Hex(0xff8cc8);
    const int first = solid ? 358 : 350;
    PaintRun(images, first, 8, [&](cairo_t* cr, double w, double h, int i) {
      const double t = i / 7.0, cx = w / 2, cy = h / 2;
      if (i < 2) {
        // the pop: a small white star where the bullet was
        StarPath(cr, cx, cy, 4, 6.5 - 1.5 * i, 1.3, solid ? 0 : M_PI / 4);
        SetColor(cr, Hex(0xffffff));
        cairo_fill(cr);
      }
      // sparks: six rays (solid: eight, long and short by turns), each a
      // short bright dash that travels out and shrinks; the last frames lose
      // every third one
      Rng rng(solid ? 358 : 350);
      const int rays = solid ? 8 : 6;
      for (int k = 0; k < rays; ++k) {
        const double a = k * 2 * M_PI / rays + (solid ? M_PI / 8 : 0) + rng.Range(-0.15, 0.15);
        const double reach = (solid && k % 2 ? 0.7 : 1.0) * rng.Range(0.85, 1.0);
        const double outer = (4 + 9.5 * std::sqrt(t)) * reach;
        const double length = std::max(2.2, (6 - 4 * t) * reach);
        if (i >= 6 && k % 3 == 2) continue;
        cairo_set_line_width(cr, t < 0.45 ? 1.8 : 1.5);
        SetColor(cr, Mix(Hex(0xffffff), tint, 0.35 + 0.65 * t));
        cairo_move_to(cr, cx + std::cos(a) * (outer - length), cy + std::sin(a) * (outer - length));
        cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer);
        cairo_stroke(cr);
      }
    });
    for (int i = 0; i < 8; ++i) Harden(images, 5, StartupCell(first, i).Cell, 140);
  }
}

// A captured bullet waits, still, as a cyan crystal in a turning ring: it
// belongs to the player now.
void DrawCaptured(Images& images) {
  PaintRun(images, 402, 8, [](cairo_t* cr, double w, double h, int i) {
    double c = w / 2, a = i * (M_PI / 2) / 8;
    Glow(cr, c, h / 2, 12, Hex(0xd0ffff), Hex(0x1890d0), 0.8);
    cairo_set_line_width(cr, 1.6);
    SetColor(cr, Hex(0x9ff0ff));
    for (int k = 0; k < 4; ++k) {
      double a0 = a + k * M_PI / 2;
      cairo_arc(cr, c, h / 2, 12.5, a0, a0 + 0.9);
      cairo_stroke(cr);
    }
    RegularPolygonPath(cr, c, h / 2, 4, 6.5, a * 2 + M_PI / 4);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
  });
}

// LASER: stretched to the field's full height, so every row is the same; the
// eleven frames flare up, burn and narrow away. Dozens of beams stand side by
// side over the ship when a full barrier lets go, so each is a hot core one
// or two pixels wide, with a thin line either side only as it flares up,
// and nothing in between: the ship and its pods show through.
void DrawLaser(Images& images) {
  // per frame: core width, its white-hot column, its second (cyan) column
  // on the left or the right (the beam shimmers), and the flare's lines
  static const struct {
    int Core;
    uint32_t Hot, Side;
    bool SideLeft;
    int Edges;
  } frames[11] = {{1, 0xd8f8ff, 0, false, 0},        {2, 0xffffff, 0x9ff0ff, true, 3},
                  {2, 0xffffff, 0x9ff0ff, false, 0}, {2, 0xffffff, 0x70dcff, true, 0},
                  {2, 0xffffff, 0xb8f4ff, false, 0}, {2, 0xffffff, 0x70dcff, false, 0},
                  {2, 0xffffff, 0xb8f4ff, true, 0},  {1, 0xffffff, 0, false, 0},
                  {1, 0xe0faff, 0, false, 0},        {1, 0xb8f0ff, 0, false, 0},
                  {1, 0x80e0ff, 0, false, 0}};
  PaintRun(images, 410, 11, [](cairo_t* cr, double w, double h, int i) {
    const auto& f = frames[i];
    const int hot = int(w / 2);
    auto column = [&](int x, uint32_t c) {
      SetColor(cr, Hex(c));
      cairo_rectangle(cr, x, 0, 1, h);
      cairo_fill(cr);
    };
    column(hot, f.Hot);
    if (f.Core == 2) column(f.SideLeft ? hot - 1 : hot + 1, f.Side);
    if (f.Edges > 0) {
      column(hot - f.Edges, 0x48b8ff);
      column(hot + f.Edges, 0x48b8ff);
    }
  });
}

// ENERGY: a crackling blue-white ball, breathing forth and back.
void DrawEnergy(Images& images) {
  PaintRun(images, 421, 4, [](cairo_t* cr, double w, double h, int i) {
    double c = w / 2, t = i / 3.0;
    Glow(cr, c, h / 2, 15, Hex(0xe8e0ff), Hex(0x5040ff), 0.9);
    Rng rng(60 + i);
    cairo_set_line_width(cr, 1.2);
    for (int k = 0; k < 5; ++k) {
      double a = rng.Range(0, 2 * M_PI);
      cairo_move_to(cr, c, h / 2);
      double x = c, y = h / 2;
      for (int s = 1; s <= 4; ++s) {
        double rr = s * 3.4;
        double aa = a + rng.Range(-0.5, 0.5);
        x = c + std::cos(aa) * rr;
        y = h / 2 + std::sin(aa) * rr;
        cairo_line_to(cr, x, y);
      }
      SetColor(cr, Hex(0xd8d0ff), 0.9);
      cairo_stroke(cr);
    }
    Glow(cr, c, h / 2, 7 + 1.5 * t, Hex(0xffffff), Hex(0xa090ff));
  });
}

// AIM: a lime seeker, three-bladed, spinning through nine frames.
void DrawAim(Images& images) {
  PaintRun(images, 425, 9, [](cairo_t* cr, double w, double h, int i) {
    double c = w / 2, a = i * (2 * M_PI / 3) / 9 - M_PI / 2;
    Glow(cr, c, h / 2, 8, Hex(0xf0ffc0), Hex(0x60c020), 0.9);
    StarPath(cr, c, h / 2, 3, 7.4, 2.6, a);
    SetColor(cr, Hex(0x1a2a08));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0xc8ff60));
    cairo_fill(cr);
    Glow(cr, c, h / 2, 2.8, Hex(0xffffff), Hex(0xffffff));
  });
}

}  // namespace

void DrawBullets(Images& images) {
  DrawEnemyBullets(images);
  DrawFlashes(images);
  DrawCaptured(images);
  DrawLaser(images);
  DrawEnergy(images);
  DrawAim(images);
}

}  // namespace assetgen
