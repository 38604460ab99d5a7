// Sheet 1: the 16 x 16 font, the menu cursor, the side panel, the gauges, the
// boss countdown, the background stars and the bonus pop-up.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "art.h"

namespace assetgen {
namespace {

const Rgb Ink = Hex(0xffffff);
const Rgb InkLow = Hex(0x9fd8ff);
const Rgb Shadow = Hex(0x0a0a10);

// Glyphs: DejaVu Sans Mono Bold, widened so that a line of text fills its
// 16-pixel pitch, each ringed by a one-pixel dark outline inside its cell, so
// a line stays legible over bullets, explosions and the panel alike.
void DrawFont(Images& images) {
  PaintRun(images, 0, 96, [](cairo_t* cr, double w, double, int i) {
    const int code = 32 + i;
    if (code == 32) return;
    std::string s(1, char(code));
    if (code == 127) {
      // DEL has no glyph of its own; a hatched block marks it.
      SetColor(cr, InkLow);
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
    UseFont(cr, Font::MonoBold, 14, true);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 17.5, 13.5);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    // Centred across the cell, and lifted or dropped just enough that the
    // tallest glyphs keep a row free above and below for the outline.
    double x = std::round((w - e.x_advance) / 2);
    double baseline = 11.5;
    baseline += std::max(0.0, 1.2 - (baseline + e.y_bearing));
    baseline -= std::max(0.0, baseline + e.y_bearing + e.height - 14.8);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 13);
    AddStop(p, 0, Ink);
    AddStop(p, 0.45, Ink);
    AddStop(p, 1, InkLow);
    cairo_set_source(cr, p);
    cairo_move_to(cr, x, std::round(baseline));
    cairo_show_text(cr, s.c_str());
    cairo_pattern_destroy(p);
  });
  for (int i = 1; i < 96; ++i) Rim(images, 1, StartupCell(0, i).Cell, 1.0);
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

// One piece of the side panel; five of them stack into the whole strip. The
// panel's lines come in pairs 16 pixels apart, always at 16 to 48 or 48 to 96
// pixels into a piece (FPS and TAMA at 48 and 64, SCORE at 160 and 176, BOMB
// and its gauge at 208 and 224, and so on down to 432), so each piece is one
// recessed plate from row 13 on that runs into the next piece, and the pieces
// meet on a raised bar at rows 3 to 12 that no line ever touches.
void DrawPanel(Images& images) {
  images.Paint(StartupCell(104), [](cairo_t* cr, double w, double h) {
    auto fill = [&](uint32_t c, double x, double y, double fw, double fh) {
      SetColor(cr, Hex(c));
      cairo_rectangle(cr, x, y, fw, fh);
      cairo_fill(cr);
    };
    // Flat fills only: a gradient this dark would band in the palette.
    fill(0x161c28, 0, 0, w, h);
    // the plate: rows 13 to 95 here and 0 to 2 of the next piece
    const double left = 3, right = w - 9;
    fill(0x0e121a, left, 13, right - left, h - 13);
    fill(0x0e121a, left, 0, right - left, 3);
    fill(0x070a0f, left, 13, right - left, 1);
    fill(0x070a0f, left - 1, 0, 1, h);
    fill(0x263044, left, 2, right - left, 1);
    fill(0x263044, right, 0, 1, h);
    // the bar between plates, lit from above, riveted at both ends
    fill(0x34425a, left, 4, right - left, 1);
    fill(0x202a3a, left, 5, right - left, 6);
    fill(0x0a0d14, left, 11, right - left, 1);
    for (double x : {left + 4.0, right - 5.0}) {
      SetColor(cr, Hex(0x0a0d14));
      cairo_arc(cr, x + 0.5, 8.5, 2, 0, 2 * M_PI);
      cairo_fill(cr);
      SetColor(cr, Hex(0x6a7890));
      cairo_arc(cr, x, 8, 1.4, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    // hatching down the outer rail
    SetColor(cr, Hex(0x1e2636));
    for (int k = 0; k < 12; ++k) {
      cairo_move_to(cr, right + 2, 8 * k + 2);
      cairo_line_to(cr, w - 2, 8 * k + 7);
      cairo_line_to(cr, w - 2, 8 * k + 9);
      cairo_line_to(cr, right + 2, 8 * k + 4);
      cairo_close_path(cr);
    }
    cairo_fill(cr);
    // the frame between the field and the panel: one lit line, kept thin
    // because the lines of text start on it
    fill(0x5fb8d8, 0, 0, 1, h);
    fill(0x0a0c12, 1, 0, 1, h);
    fill(0x0c0f16, w - 1, 0, 1, h);
  });
}

// The bomb gauge frame and bar and the boss gauge bar are stretched sideways
// up to tenfold, so every column of them is the same - but the first column
// of the bomb gauge's frame and bar, stretched over the panel's edge, stays
// clear, so the gauge sits inside the panel, its frame from x = 490.
void DrawGauges(Images& images) {
  auto rows = [&](int shape, std::span<const uint32_t> colours, int top, int firstColumn) {
    images.Paint(StartupCell(shape), [&](cairo_t* cr, double w, double) {
      for (size_t y = 0; y < colours.size(); ++y) {
        SetColor(cr, Hex(colours[y]));
        cairo_rectangle(cr, firstColumn, top + double(y), w - firstColumn, 1);
        cairo_fill(cr);
      }
    });
  };
  const uint32_t frame[13] = {0x9aa8bc, 0x0a0a10, 0x0e121a, 0x10141e, 0x121822, 0x121822, 0x141a26,
                              0x141a26, 0x161c28, 0x10141e, 0x0e121a, 0x0a0a10, 0x5a6678};
  rows(126, frame, 1, 1);
  const uint32_t bar[7] = {0xfff4b0, 0xffe060, 0xffc830, 0xffa820, 0xf08418, 0xd86008, 0xa84004};
  rows(127, bar, 4, 1);
  const uint32_t boss[8] = {0x0a0a10, 0xffd0e0, 0xff6080, 0xf02850,
                            0xd01840, 0xa00c30, 0x700820, 0x0a0a10};
  rows(128, boss, 0, 0);
}

// The countdown's letters, in the font's manner at the size of its cells:
// four (T and M five, I three) pixels wide and seven rows of two pixels tall,
// bright strokes in a dark one-pixel outline.
struct PixelLetter {
  int Width;
  const char* Rows[7];
};
const PixelLetter Digits[10] = {
    {4, {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."}},
    {4, {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"}},
    {4, {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"}},
    {4, {"###.", "...#", "...#", ".##.", "...#", "...#", "###."}},
    {4, {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."}},
    {4, {"####", "#...", "###.", "...#", "...#", "#..#", ".##."}},
    {4, {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."}},
    {4, {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."}},
    {4, {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."}},
    {4, {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."}},
};
const PixelLetter Time[4] = {
    {5, {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {3, {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {5, {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {4, {"####", "#...", "#...", "###.", "#...", "#...", "####"}},
};

// Draws `letter` with its strokes from column x0 + 1 and row 1, the outline
// round it; returns the column after the outline.
int PixelGlyph(cairo_t* cr, const PixelLetter& letter, int x0, Rgb top, Rgb bottom) {
  auto ink = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < letter.Width && y < 14 && letter.Rows[y / 2][x] == '#';
  };
  for (int y = -1; y <= 14; ++y)
    for (int x = -1; x <= letter.Width; ++x) {
      bool edge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) edge = edge || ink(x + dx, y + dy);
      if (ink(x, y))
        SetColor(cr, Mix(top, bottom, y / 13.0));
      else if (edge)
        SetColor(cr, Shadow);
      else
        continue;
      cairo_rectangle(cr, x0 + 1 + x, 1 + y, 1, 1);
      cairo_fill(cr);
    }
  return x0 + letter.Width + 2;
}

void DrawCountdown(Images& images) {
  PaintRun(images, 105, 10, [](cairo_t* cr, double, double, int i) {
    PixelGlyph(cr, Digits[i], 0, Ink, InkLow);
  });
  // The last ten seconds: hot red digits that alternate with the plain ones.
  PaintRun(images, 115, 10, [](cairo_t* cr, double, double, int i) {
    PixelGlyph(cr, Digits[i], 0, Hex(0xffe8a0), Hex(0xff3830));
  });
  // "TIME" two pixels in from the field's edge, and clear of the figures.
  images.Paint(StartupCell(125), [](cairo_t* cr, double, double) {
    int x = 2;
    for (const PixelLetter& letter : Time) x = PixelGlyph(cr, letter, x, Ink, InkLow) - 1;
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
