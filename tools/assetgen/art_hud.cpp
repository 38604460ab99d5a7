// Sheet 1: the 16 x 16 font, the menu cursor, the side panel, the gauges, the
// boss countdown, the background stars and the bonus pop-up.
#include <cmath>
#include <string>

#include "art.h"

namespace assetgen {
namespace {

const Rgb Ink = Hex(0xffffff);
const Rgb InkLow = Hex(0x9fd8ff);
const Rgb Shadow = Hex(0x0a0a10);

// Glyphs: DejaVu Sans Mono Bold, widened so that a line of text fills its
// 16-pixel pitch, with a hard shadow that keeps it legible over the panel,
// the stars and the explosions alike.
void DrawFont(Images& images) {
  PaintRun(images, 0, 96, [](cairo_t* cr, double w, double h, int i) {
    const int code = 32 + i;
    if (code == 32) return;
    std::string s(1, char(code));
    if (code == 127) {
      // DEL has no glyph of its own; a hatched block marks it.
      SetColor(cr, Shadow);
      cairo_rectangle(cr, 3, 3, 11, 12);
      cairo_fill(cr);
      SetColor(cr, InkLow);
      cairo_rectangle(cr, 2, 2, 11, 12);
      cairo_set_line_width(cr, 1);
      cairo_rectangle(cr, 2.5, 2.5, 10, 11);
      cairo_stroke(cr);
      for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 3 + 3 * k, 13);
        cairo_line_to(cr, 9 + 3 * k, 3);
      }
      cairo_stroke(cr);
      return;
    }
    cairo_set_font_face(cr, FontFace(Font::MonoBold));
    UseFont(cr, Font::MonoBold, 15, true);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 18.5, 15);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    double x = std::round((w - 1 - e.x_advance) / 2);
    double baseline = 12;
    cairo_move_to(cr, x + 1, baseline + 1);
    SetColor(cr, Shadow);
    cairo_show_text(cr, s.c_str());
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 13);
    AddStop(p, 0, Ink);
    AddStop(p, 0.45, Ink);
    AddStop(p, 1, InkLow);
    cairo_set_source(cr, p);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, s.c_str());
    cairo_pattern_destroy(p);
    (void)h;
  });
}

// The menu cursor: a chevron pointing at the item, breathing forward and back.
void DrawCursor(Images& images) {
  PaintRun(images, 96, 8, [](cairo_t* cr, double, double, int i) {
    double phase = 2 * M_PI * i / 8;
    double dx = 1.5 * std::sin(phase);
    double glow = 0.55 + 0.45 * std::cos(phase);
    Glow(cr, 8 + dx, 8, 8, Hex(0x7fe7ff), Hex(0x1060a0), 0.35 + 0.3 * glow);
    cairo_move_to(cr, 3 + dx, 2.5);
    cairo_line_to(cr, 13 + dx, 8);
    cairo_line_to(cr, 3 + dx, 13.5);
    cairo_line_to(cr, 6 + dx, 8);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, 14);
    AddStop(p, 0, Mix(Hex(0xb8f4ff), Hex(0xffffff), glow));
    AddStop(p, 1, Hex(0x2aa8e0));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0x0a2440));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  });
}

// One piece of the side panel; five of them stack into the whole strip, so
// its top and bottom rows meet seamlessly.
void DrawPanel(Images& images) {
  images.Paint(StartupCell(104), [](cairo_t* cr, double w, double h) {
    // Flat fills only: a gradient this dark would band in the palette.
    SetColor(cr, Hex(0x161c28));
    cairo_paint(cr);
    // a recessed channel down the middle where the figures stand
    SetColor(cr, Hex(0x111620));
    cairo_rectangle(cr, 10, 0, w - 20, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x222c3e));
    cairo_rectangle(cr, w - 11, 0, 1, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x0a0d14));
    cairo_rectangle(cr, 9, 0, 1, h);
    cairo_fill(cr);
    // hatching along the outer rail
    SetColor(cr, Hex(0x1e2636));
    for (int k = 0; k < 12; ++k) {
      cairo_move_to(cr, w - 9, 8 * k + 2);
      cairo_line_to(cr, w - 3, 8 * k + 8);
      cairo_line_to(cr, w - 3, 8 * k + 10);
      cairo_line_to(cr, w - 9, 8 * k + 4);
      cairo_close_path(cr);
    }
    cairo_fill(cr);
    // the frame between the field and the panel
    SetColor(cr, Hex(0x0a0c12));
    cairo_rectangle(cr, 0, 0, 2, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x5fb8d8));
    cairo_rectangle(cr, 2, 0, 1, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x2b4a66));
    cairo_rectangle(cr, 3, 0, 2, h);
    cairo_fill(cr);
    SetColor(cr, Hex(0x0c0f16));
    cairo_rectangle(cr, w - 2, 0, 2, h);
    cairo_fill(cr);
    // a seam across the top of each piece, with rivets
    SetColor(cr, Hex(0x0c0f16));
    cairo_rectangle(cr, 5, 0, w - 7, 1);
    cairo_fill(cr);
    SetColor(cr, Hex(0x2e3a50));
    cairo_rectangle(cr, 5, 1, w - 7, 1);
    cairo_fill(cr);
    for (double x : {5.5, w - 6}) {
      SetColor(cr, Hex(0x0c0f16));
      cairo_arc(cr, x + 0.5, 6.5, 2, 0, 2 * M_PI);
      cairo_fill(cr);
      SetColor(cr, Hex(0x6a7890));
      cairo_arc(cr, x, 6, 1.5, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  });
}

// The bomb gauge frame and bar and the boss gauge bar are stretched sideways
// up to tenfold, so every column of them is the same.
void DrawGauges(Images& images) {
  images.Paint(StartupCell(126, 0), [](cairo_t* cr, double w, double) {
    const uint32_t rows[16] = {0x0a0a10, 0x7a8aa0, 0xc8d4e4, 0x303848, 0x121620, 0x121620,
                               0x141a24, 0x141a24, 0x161c28, 0x161c28, 0x181e2a, 0x181e2a,
                               0x1a202c, 0x5a6678, 0x9aa8bc, 0x0a0a10};
    for (int y = 0; y < 16; ++y) {
      SetColor(cr, Hex(rows[y]));
      cairo_rectangle(cr, 0, y, w, 1);
      cairo_fill(cr);
    }
  });
  images.Paint(StartupCell(126, 1), [](cairo_t* cr, double w, double) {
    const uint32_t rows[9] = {0xfff4b0, 0xffe060, 0xffc830, 0xffa820, 0xff9018,
                              0xf07010, 0xd85808, 0xb84004, 0x902c00};
    for (int y = 0; y < 9; ++y) {
      SetColor(cr, Hex(rows[y]));
      cairo_rectangle(cr, 0, 4 + y, w, 1);
      cairo_fill(cr);
    }
  });
  images.Paint(StartupCell(128), [](cairo_t* cr, double w, double) {
    const uint32_t rows[8] = {0x0a0a10, 0xffd0e0, 0xff6080, 0xf02850,
                              0xd01840, 0xa00c30, 0x700820, 0x0a0a10};
    for (int y = 0; y < 8; ++y) {
      SetColor(cr, Hex(rows[y]));
      cairo_rectangle(cr, 0, y, w, 1);
      cairo_fill(cr);
    }
  });
}

// 5 x 7 pixel letters for the countdown, drawn two pixels tall per row.
const char* const PixelGlyphs[] = {
    ".###.#...##..###.#.###..##...#.###.",  // 0
    "..#...##....#....#....#....#...###.",  // 1
    ".###.#...#....#...#...#...#...#####",  // 2
    ".###.#...#....#..##.....##...#.###.",  // 3
    "...#...##..#.#.#..#.#####...#....#.",  // 4
    "######....####.....#....##...#.###.",  // 5
    "..##..#...#....####.#...##...#.###.",  // 6
    "#####....#...#...#...#....#....#...",  // 7
    ".###.#...##...#.###.#...##...#.###.",  // 8
    ".###.#...##...#.####....#...#..##..",  // 9
    "#####..#....#....#....#....#....#..",  // T
    ".###...#....#....#....#....#...###.",  // I
    "#...###.###.#.##.#.##...##...##...#",  // M
    "######....#....####.#....#....#####",  // E
};

void PixelGlyph(cairo_t* cr, int glyph, double x0, Rgb top, Rgb bottom, bool shadow) {
  const char* g = PixelGlyphs[glyph];
  for (int pass = shadow ? 0 : 1; pass < 2; ++pass)
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 5; ++x) {
        if (g[y * 5 + x] != '#') continue;
        if (pass == 0) {
          SetColor(cr, Shadow);
          cairo_rectangle(cr, x0 + x + 1, 1 + y * 2 + 1, 1, 2);
        } else {
          SetColor(cr, Mix(top, bottom, y / 6.0));
          cairo_rectangle(cr, x0 + x, 1 + y * 2, 1, 2);
        }
        cairo_fill(cr);
      }
}

void DrawCountdown(Images& images) {
  PaintRun(images, 105, 10, [](cairo_t* cr, double, double, int i) {
    PixelGlyph(cr, i, 0, Hex(0xffffff), Hex(0xffd870), true);
  });
  PaintRun(images, 115, 10, [](cairo_t* cr, double, double, int i) {
    SetColor(cr, Hex(0x600010));
    cairo_rectangle(cr, 0, 0, 6, 16);
    cairo_fill(cr);
    PixelGlyph(cr, i, 0, Hex(0xffffff), Hex(0xff4040), false);
  });
  images.Paint(StartupCell(125), [](cairo_t* cr, double, double) {
    for (int k = 0; k < 4; ++k) PixelGlyph(cr, 10 + k, k * 6, Hex(0xd8f4ff), Hex(0x60b8f0), true);
  });
}

void DrawStars(Images& images) {
  PaintRun(images, 129, 8, [](cairo_t* cr, double, double, int i) {
    switch (i) {
      case 0: Glow(cr, 4, 4, 1.4, Hex(0x8090b0), Hex(0x303850)); break;
      case 1: Glow(cr, 4, 4, 1.6, Hex(0xd0d8e8), Hex(0x505870)); break;
      case 2: Glow(cr, 4, 4, 2.2, Hex(0x90b8ff), Hex(0x203070)); break;
      case 3: Glow(cr, 4, 4, 2.4, Hex(0xfff0c0), Hex(0x705020)); break;
      case 4: Glow(cr, 4, 4, 2.2, Hex(0xe8f0ff), Hex(0x506890)); break;
      case 5: Glow(cr, 4, 4, 3, Hex(0xc0e0ff), Hex(0x2050a0)); break;
      case 6: Glow(cr, 4, 4, 2, Hex(0xffb0a0), Hex(0x602020)); break;
      default:
        // the one bright star with a glint
        Glow(cr, 4, 4, 2.8, Hex(0xffffff), Hex(0x80a0ff));
        SetColor(cr, Hex(0xc8d8ff), 0.55);
        cairo_rectangle(cr, 1, 3.5, 6, 1);
        cairo_rectangle(cr, 3.5, 1, 1, 6);
        cairo_fill(cr);
        break;
    }
  });
}

// "BONUS", pulsing from gold to white and back (a ping-pong animation).
void DrawBonusPopup(Images& images) {
  PaintRun(images, 137, 5, [](cairo_t* cr, double w, double h, int i) {
    double t = i / 4.0;
    UseFont(cr, Font::SansCondensedBold, 10, true);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 8.6, 10);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t e;
    cairo_text_extents(cr, "BONUS", &e);
    double x = std::round((w - e.x_advance) / 2), y = 12;
    Glow(cr, w / 2, h / 2, 14, Hex(0xffa020), Hex(0x602000), 0.25 + 0.35 * t);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, "BONUS");
    SetColor(cr, Shadow);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    SetColor(cr, Mix(Hex(0xffc830), Hex(0xffffe0), t));
    cairo_fill(cr);
  });
}

}  // namespace

void DrawHud(Images& images) {
  DrawFont(images);
  DrawCursor(images);
  DrawPanel(images);
  DrawGauges(images);
  DrawCountdown(images);
  DrawStars(images);
  DrawBonusPopup(images);
}

}  // namespace assetgen
