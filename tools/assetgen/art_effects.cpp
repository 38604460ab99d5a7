// Effects: sparks where shots hit, debris, explosions that swell into fire
// and fade to smoke, smoke puffs (sheet 4), the small spark and the bomb's
// blasts (sheet 6).
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"

namespace assetgen {
namespace {

// Colour of fire by temperature: 1 white-hot, through yellow, orange and
// red, down to brown smoke at 0.
Rgb FireColour(double t) {
  struct Stop {
    double T;
    uint32_t C;
  };
  static const Stop stops[] = {{0.0, 0x2c2624}, {0.12, 0x4a3028}, {0.25, 0x8a2410},
                               {0.4, 0xd84810}, {0.55, 0xff8a20}, {0.7, 0xffc040},
                               {0.85, 0xfff080}, {1.0, 0xffffff}};
  t = std::clamp(t, 0.0, 1.0);
  for (size_t i = 1; i < std::size(stops); ++i)
    if (t <= stops[i].T)
      return Mix(Hex(stops[i - 1].C), Hex(stops[i].C), (t - stops[i - 1].T) / (stops[i].T - stops[i - 1].T));
  return Hex(0xffffff);
}

// A billowing ball of soft blobs. `heat` sets how hot its middle burns,
// `thin` how much of it has already thinned out to nothing.
void Fireball(cairo_t* cr, double cx, double cy, double radius, double heat, double thin,
              uint32_t seed, int blobs = 26, double smoke = 0) {
  Rng rng(seed);
  struct Blob {
    double X, Y, R, T;
  };
  std::vector<Blob> list;
  for (int k = 0; k < blobs; ++k) {
    double a = rng.Range(0, 2 * M_PI);
    double d = std::sqrt(rng.Next()) * 0.75;
    double r = radius * rng.Range(0.28, 0.5) * (1 - 0.3 * d);
    double t = heat * (1.05 - 0.75 * d) + rng.Range(-0.08, 0.08);
    bool gone = rng.Next() < thin;
    if (!gone) list.push_back({cx + std::cos(a) * d * radius, cy + std::sin(a) * d * radius, r, t});
  }
  std::stable_sort(list.begin(), list.end(), [](const Blob& a, const Blob& b) { return a.T < b.T; });
  for (const Blob& b : list) {
    cairo_pattern_t* p = cairo_pattern_create_radial(b.X - b.R * 0.2, b.Y - b.R * 0.25, 0, b.X, b.Y, b.R);
    // Cooling fire turns to grey smoke rather than staying red.
    auto colour = [&](double t) {
      Rgb fire = FireColour(t);
      return t < 0.3 ? Mix(Hex(0x5a5450), fire, std::max(0.0, t / 0.3) * (1 - smoke) + 0.0) : fire;
    };
    AddStop(p, 0, colour(b.T + 0.12), 1);
    AddStop(p, 0.6, colour(b.T), 0.9);
    AddStop(p, 1, colour(b.T - 0.15), 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, b.X, b.Y, b.R, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

// Hit spark: a white flash that throws out rays, which stretch and then
// shrink to embers over twelve frames.
void DrawSpark(Images& images) {
  PaintRun(images, 250, 12, [](cairo_t* cr, double w, double h, int i) {
    double t = i / 11.0;
    double cx = w / 2, cy = h / 2;
    Rng rng(77);
    if (i < 4) Glow(cr, cx, cy, 9 - i * 1.5, Hex(0xffffff), Hex(0xffc040));
    for (int k = 0; k < 9; ++k) {
      double a = k * 2 * M_PI / 9 + rng.Range(-0.25, 0.25);
      double reach = rng.Range(0.7, 1.0) * 14;
      double outer = reach * std::min(1.0, 0.35 + t * 2.2);
      double inner = outer - reach * std::max(0.15, 0.8 - t);
      inner = std::max(inner, reach * t * 0.9);
      if (outer - inner < 0.5) continue;
      cairo_set_line_width(cr, std::max(0.8, 2.2 * (1 - t)));
      SetColor(cr, Mix(Hex(0xffffff), Hex(0xff9a30), t), 1 - 0.6 * t);
      cairo_move_to(cr, cx + std::cos(a) * inner, cy + std::sin(a) * inner);
      cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer);
      cairo_stroke(cr);
    }
    if (i >= 4) Glow(cr, cx, cy, 4 * (1 - t) + 1, Hex(0xfff0a0), Hex(0xff6010), 1 - t * 0.7);
  });
}

// Debris: four kinds of hull fragment, each tumbling through four frames.
void DrawDebris(Images& images) {
  PaintRun(images, 262, 16, [](cairo_t* cr, double w, double h, int i) {
    int piece = i / 4, frame = i % 4;
    Rng rng(900 + piece);
    std::vector<std::pair<double, double>> pts;
    int n = 4 + piece % 3;
    for (int k = 0; k < n; ++k) {
      double a = k * 2 * M_PI / n + rng.Range(-0.3, 0.3);
      double r = rng.Range(3.2, 6.5);
      pts.push_back({std::cos(a) * r, std::sin(a) * r});
    }
    double rot = frame * M_PI / 2 + piece * 0.7;
    double squash = 0.45 + 0.55 * std::fabs(std::cos(frame * M_PI / 4 + piece));
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rot);
    cairo_scale(cr, 1, squash);
    for (size_t k = 0; k < pts.size(); ++k)
      k == 0 ? cairo_move_to(cr, pts[k].first, pts[k].second)
             : cairo_line_to(cr, pts[k].first, pts[k].second);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(-6, -6, 6, 6);
    AddStop(p, 0, Hex(0xb0b0b8));
    AddStop(p, 1, Hex(0x383840));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    SetColor(cr, Hex(0xff9030));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    Glow(cr, w / 2 + pts[0].first * 0.5, h / 2 + pts[0].second * 0.5, 2.5, Hex(0xffffa0),
         Hex(0xff6000), 0.9);
  });
}

// Explosion: a flash, a fireball that swells, then darkens and breaks up
// into smoke. Frame 0 is the bright start, frame 10 the last wisps.
void DrawExplosion(Images& images) {
  PaintRun(images, 278, 11, [](cairo_t* cr, double w, double h, int i) {
    double t = i / 10.0;
    double cx = w / 2, cy = h / 2;
    double radius = 9 + 20 * (1 - (1 - t) * (1 - t));
    double heat = std::max(0.05, 1.15 - 1.05 * t);
    double thin = std::max(0.0, (t - 0.55) * 1.6);
    if (i <= 2) Glow(cr, cx, cy, radius * 1.35, Hex(0xffffe0), Hex(0xff8020), 0.9 - 0.2 * i);
    Fireball(cr, cx, cy - t * 3, radius, heat, thin, 1200 + 7 * i, 30, std::min(1.0, t * 1.3));
    if (i >= 3 && i <= 7) {
      Rng rng(400 + i);
      for (int k = 0; k < 7; ++k) {
        double a = rng.Range(0, 2 * M_PI), d = radius * rng.Range(0.9, 1.15);
        Glow(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 1.8, Hex(0xffe080), Hex(0xff5000),
             1 - t);
      }
    }
  });
}

// Smoke puffs grow and fade; the first frames still glow from the fire.
void DrawSmoke(Images& images) {
  PaintRun(images, 322, 12, [](cairo_t* cr, double w, double h, int i) {
    double t = i / 11.0;
    double cx = w / 2, cy = h / 2;
    Rng rng(3100);
    double r = 4 + 3.8 * std::sqrt(t);
    for (int k = 0; k < 5; ++k) {
      double a = rng.Range(0, 2 * M_PI), d = rng.Range(0, 0.5) * r;
      double br = r * rng.Range(0.6, 0.85);
      Rgb c = Mix(i < 2 ? Hex(0xa06040) : Hex(0x908c88), Hex(0x3a3836), t);
      cairo_pattern_t* p = cairo_pattern_create_radial(cx + std::cos(a) * d - br * 0.3,
                                                       cy + std::sin(a) * d - br * 0.3, 0,
                                                       cx + std::cos(a) * d, cy + std::sin(a) * d, br);
      AddStop(p, 0, Mix(c, Hex(0xffffff), 0.25 * (1 - t)), 1 - 0.55 * t);
      AddStop(p, 0.7, c, 0.85 - 0.5 * t);
      AddStop(p, 1, c, 0);
      cairo_set_source(cr, p);
      cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, br, 0, 2 * M_PI);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  });
}

// Small spark where the ENERGY ball bites: a blue-white star that shrinks.
void DrawSmallSpark(Images& images) {
  PaintRun(images, 342, 4, [](cairo_t* cr, double w, double h, int i) {
    double s = 1 - i * 0.22;
    Glow(cr, w / 2, h / 2, 11 * s, Hex(0xffffff), Hex(0x6080ff), 0.9);
    StarPath(cr, w / 2, h / 2, 4, 14 * s, 2 * s, i * 0.4);
    SetColor(cr, Hex(0xe0f0ff), 0.9);
    cairo_fill(cr);
  });
}

// Bomb blast: white-hot plasma in a widening cyan shock ring, eleven frames
// from ignition to the last flicker.
void DrawBombBlast(Images& images) {
  PaintRun(images, 215, 11, [](cairo_t* cr, double w, double h, int i) {
    double t = i / 10.0;
    double cx = w / 2, cy = h / 2;
    double ring = 10 + 19 * std::sqrt(t);
    cairo_set_line_width(cr, 4 * (1 - t) + 1);
    SetColor(cr, Hex(0x80e8ff), 0.9 - 0.6 * t);
    cairo_arc(cr, cx, cy, ring, 0, 2 * M_PI);
    cairo_stroke(cr);
    Fireball(cr, cx, cy, 12 + 12 * t, 1.25 - 0.8 * t, std::max(0.0, t - 0.5), 5000 + i, 22);
    Glow(cr, cx, cy, (1 - t) * 16 + 3, Hex(0xffffff), Hex(0x80e0ff), 1 - 0.7 * t);
  });
}

}  // namespace

void DrawEffects(Images& images) {
  DrawSpark(images);
  DrawDebris(images);
  DrawExplosion(images);
  DrawSmoke(images);
  DrawSmallSpark(images);
  DrawBombBlast(images);
}

}  // namespace assetgen
