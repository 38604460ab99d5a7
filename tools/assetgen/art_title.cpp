// Sheet 4: the title logo "OMBREZZA" and the multiplier pop-ups x2, x3, x4.
// The runs 290 to 321 overlap the logo and the pop-ups and have no pictures
// of their own; shape 321, the first frame of the ship's burst, is the glint
// at the top right of the logo, so it reads as a spark.
#include <cmath>
#include <string>

#include "art.h"

namespace assetgen {
namespace {

void DrawLogo(Images& images) {
  images.Paint(StartupCell(149), [](cairo_t* cr, double w, double h) {
    const char* text = "OMBREZZA";
    // the horizon streak behind the letters
    cairo_pattern_t* streak = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(streak, 0, Hex(0x1870c0), 0);
    AddStop(streak, 0.5, Hex(0x50d8ff), 0.9);
    AddStop(streak, 1, Hex(0x1870c0), 0);
    cairo_set_source(cr, streak);
    cairo_rectangle(cr, 2, 30, w - 4, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(streak);

    UseFont(cr, Font::SansBold, 46, false);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 38, 46);
    cairo_set_font_matrix(cr, &m);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    double x = (w - e.width) / 2 - e.x_bearing, base = 49;
    // glow
    cairo_move_to(cr, x, base);
    cairo_text_path(cr, text);
    SetColor(cr, Hex(0x1a78c8), 0.35);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0x2090e0), 0.5);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0x06121e));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    // chrome: bright sky above the waist, dark ground with a cyan kick below
    cairo_pattern_t* p = cairo_pattern_create_linear(0, base - 34, 0, base);
    AddStop(p, 0, Hex(0xffffff));
    AddStop(p, 0.45, Hex(0xb8e0f8));
    AddStop(p, 0.5, Hex(0x2c4e72));
    AddStop(p, 0.62, Hex(0x3a82b8));
    AddStop(p, 1, Hex(0xa0f0ff));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // the glint: shape 321 is the 8 x 8 cell at (240, 24)
    Glow(cr, 244, 28, 7, Hex(0xffffff), Hex(0x60c0ff), 0.9);
    StarPath(cr, 244, 28, 4, 4.2, 0.9, 0);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
    (void)h;
  });
}

// Multiplier pop-ups: x2 green, x3 gold, x4 rose; each swells and glows
// through five frames played forth and back.
void DrawMultipliers(Images& images) {
  const uint32_t tints[3] = {0x60ff90, 0xffd040, 0xff5aa0};
  PaintRun(images, 200, 15, [&](cairo_t* cr, double w, double h, int i) {
    int m = i / 5, f = i % 5;
    double t = f / 4.0;
    Rgb tint = Hex(tints[m]);
    std::string s = "x" + std::to_string(m + 2);
    Glow(cr, w / 2, h / 2, 16 + 5 * t, Mix(tint, Hex(0xffffff), 0.3), tint, 0.35 + 0.3 * t);
    double size = 24 + 4 * t;
    UseFont(cr, Font::SansBold, size, false);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, (w - e.width) / 2 - e.x_bearing, (h - e.height) / 2 - e.y_bearing);
    cairo_text_path(cr, s.c_str());
    SetColor(cr, Hex(0x0a0a10));
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, h / 2 - size / 2, 0, h / 2 + size / 2);
    AddStop(p, 0, Hex(0xffffff));
    AddStop(p, 1, Mix(tint, Hex(0xffffff), 0.15 * t));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  });
}

}  // namespace

void DrawTitle(Images& images) {
  DrawLogo(images);
  DrawMultipliers(images);
}

}  // namespace assetgen
