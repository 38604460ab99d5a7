// Effects: sparks where shots hit, debris, explosions that swell into fire
// and fade to smoke, smoke puffs that are also the shards of the ship's burst
// (sheet 4), the small spark and the bomb's blasts (sheet 6). Enemy bullets
// are rose and amber; nothing here that flies about wears either colour.
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
  for (int i = 0; i < 12; ++i) Harden(images, 3, StartupCell(250, i).Cell, 56);
}

// Debris: four kinds of hull fragment, each tumbling through four frames:
// bright bare metal in a dark rim with a white-hot edge, so it reads as
// wreckage flying off and never as a bullet.
void DrawDebris(Images& images) {
  PaintRun(images, 262, 16, [](cairo_t* cr, double w, double h, int i) {
    int piece = i / 4, frame = i % 4;
    Rng rng(900 + piece);
    std::vector<std::pair<double, double>> pts;
    int n = 4 + piece % 3;
    for (int k = 0; k < n; ++k) {
      double a = k * 2 * M_PI / n + rng.Range(-0.3, 0.3);
      double r = rng.Range(3.2, 6.2);
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
    // the face turned to the light flashes as the piece tumbles
    double lit = 0.5 + 0.5 * std::cos(frame * M_PI / 2 + piece);
    cairo_pattern_t* p = cairo_pattern_create_linear(-6, -6, 6, 6);
    AddStop(p, 0, Mix(Hex(0xc8ccd6), Hex(0xffffff), lit));
    AddStop(p, 1, Mix(Hex(0x5c606c), Hex(0x9aa0ac), lit));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    // the torn edge, still white-hot
    cairo_move_to(cr, w / 2 + pts[0].first, h / 2 + pts[0].second * squash);
    cairo_line_to(cr, w / 2 + pts[1].first, h / 2 + pts[1].second * squash);
    SetColor(cr, Hex(0xfffbe8));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
  });
  for (int i = 0; i < 16; ++i) {
    Harden(images, 3, StartupCell(262, i).Cell, 40);
    Rim(images, 3, StartupCell(262, i).Cell, 1.0);
  }
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
  // Explosions go off over the craft that burst; a dim fringe would leave
  // a dark scorched ring on them.
  for (int i = 0; i < 11; ++i) Harden(images, 3, StartupCell(278, i).Cell, 56);
}

// Smoke puffs, which are also the shards the ship's burst throws out (after
// the glint of shape 321): a white-hot flame that cools through yellow and
// red to a grey puff that grows and thins away. A damaged craft seems to burn.
void DrawSmoke(Images& images) {
  PaintRun(images, 322, 12, [](cairo_t* cr, double w, double h, int i) {
    const double t = i / 11.0, cx = w / 2, cy = h / 2;
    if (i < 6) {
      // flame: a white-hot heart in a ragged red tongue of fire, shrinking
      // as it cools
      const double heat = 1 - i / 6.0;
      const double r = 7.4 - 2 * t;
      Rng rng(3000 + i);
      for (int k = 0; k < 7; ++k) {
        const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0.2, 0.5) * r;
        const double br = r * rng.Range(0.5, 0.62);
        SetColor(cr, Mix(Hex(0xb01410), Hex(0xff3c1c), heat));
        cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, br, 0, 2 * M_PI);
        cairo_fill(cr);
      }
      SetColor(cr, Mix(Hex(0xff7848), Hex(0xfff6d8), heat));
      cairo_arc(cr, cx, cy, r * (0.3 + 0.3 * heat), 0, 2 * M_PI);
      cairo_fill(cr);
      if (i < 3) {
        SetColor(cr, Hex(0xffffff));
        cairo_arc(cr, cx, cy, 2.4 - 0.5 * i, 0, 2 * M_PI);
        cairo_fill(cr);
      }
      return;
    }
    // smoke: soft grey blobs that spread and thin out
    Rng rng(3100);
    const double r = 4 + 3.5 * std::sqrt(t);
    const int blobs = 5 - (i - 6) * 2 / 3;
    for (int k = 0; k < blobs; ++k) {
      double a = rng.Range(0, 2 * M_PI), d = rng.Range(0, 0.5) * r;
      double br = r * rng.Range(0.55, 0.8);
      Rgb c = Mix(Hex(0xb4b0ac), Hex(0x7c7876), t);
      SetColor(cr, i == 6 ? Mix(c, Hex(0xc04030), 0.4) : c);
      cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, br, 0, 2 * M_PI);
      cairo_fill(cr);
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

// Bomb blast: a ball of white plasma that bursts into a widening cyan ring
// and scatters sparks, eleven frames from ignition to the last flicker. Only
// bright colours: the blasts sweep over everything round the ship, and every
// second frame they are not drawn at all, so they flash.
void DrawBombBlast(Images& images) {
  PaintRun(images, 215, 11, [](cairo_t* cr, double w, double h, int i) {
    const double t = i / 10.0, cx = w / 2, cy = h / 2;
    const double ring = 9 + 20 * std::sqrt(t);
    // the plasma ball, largest at the start
    const double ball = 22 * (1 - t) + 3;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, ball);
    AddStop(p, 0, Hex(0xffffff));
    AddStop(p, 0.55, Hex(0xe8fcff));
    AddStop(p, 1, Hex(0x80e8ff));
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, ball, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // the shock ring
    if (i >= 1) {
      cairo_set_line_width(cr, 4.5 * (1 - t) + 1.2);
      SetColor(cr, Mix(Hex(0xffffff), Hex(0x58d8ff), t));
      cairo_arc(cr, cx, cy, ring, 0, 2 * M_PI);
      cairo_stroke(cr);
    }
    // sparks flung out past the ring
    Rng rng(5000);
    cairo_set_line_width(cr, 1.5);
    for (int k = 0; k < 12; ++k) {
      const double a = rng.Range(0, 2 * M_PI), speed = rng.Range(0.8, 1.15);
      const double outer = std::min(30.0, (ring + 3) * speed), length = 5 * (1 - t) + 1.5;
      if (i == 0 || (i > 7 && k % 2)) continue;
      SetColor(cr, Mix(Hex(0xffffff), Hex(0xa0f0ff), t));
      cairo_move_to(cr, cx + std::cos(a) * (outer - length), cy + std::sin(a) * (outer - length));
      cairo_line_to(cr, cx + std::cos(a) * outer, cy + std::sin(a) * outer);
      cairo_stroke(cr);
    }
  });
  for (int i = 0; i < 11; ++i) Harden(images, 6, StartupCell(215, i).Cell, 120);
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
