#include "canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
Rgb Scale(Rgb a, double k) { return {a.R * k, a.G * k, a.B * k}; }

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}
void AddStop(cairo_pattern_t* p, double at, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, at, c.R, c.G, c.B, alpha);
}

void Glow(cairo_t* cr, double x, double y, double r, Rgb core, Rgb edge, double alpha) {
  if (r <= 0) return;
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  AddStop(p, 0, core, alpha);
  AddStop(p, 0.35, Mix(core, edge, 0.6), alpha * 0.8);
  AddStop(p, 0.7, edge, alpha * 0.35);
  AddStop(p, 1, edge, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void StarPath(cairo_t* cr, double x, double y, int points, double outer, double inner,
              double angle) {
  for (int i = 0; i < points * 2; ++i) {
    double a = angle + i * M_PI / points;
    double r = (i % 2 == 0) ? outer : inner;
    if (i == 0)
      cairo_move_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    else
      cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void RegularPolygonPath(cairo_t* cr, double x, double y, int sides, double r, double angle) {
  for (int i = 0; i < sides; ++i) {
    double a = angle + i * 2 * M_PI / sides;
    if (i == 0)
      cairo_move_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    else
      cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
  }
  cairo_close_path(cr);
}

Images::Images() {
  for (auto& s : surfaces_) s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SheetSize, SheetSize);
}
Images::~Images() {
  for (auto* s : surfaces_) cairo_surface_destroy(s);
}

void Images::PaintArea(int image, Rect area,
                       const std::function<void(cairo_t*, double, double)>& draw) {
  cairo_t* cr = cairo_create(Surface(image));
  cairo_rectangle(cr, area.X, area.Y, area.W, area.H);
  cairo_clip(cr);
  cairo_translate(cr, area.X, area.Y);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  draw(cr, area.W, area.H);
  cairo_destroy(cr);
}

void Images::Paint(const Placed& cell, const std::function<void(cairo_t*, double, double)>& draw) {
  PaintArea(cell.Image, cell.Cell, draw);
}

namespace {

struct LoadedFont {
  FT_Face Face = nullptr;
  cairo_font_face_t* Cairo = nullptr;
};

FT_Library Library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) {
      std::fputs("assetgen: FreeType failed to start\n", stderr);
      std::exit(1);
    }
    return l;
  }();
  return lib;
}

LoadedFont Load(const char* file) {
  std::string path = std::string(ASSETGEN_FONT_DIR) + "/" + file;
  LoadedFont f;
  if (FT_New_Face(Library(), path.c_str(), 0, &f.Face) != 0) {
    std::fprintf(stderr, "assetgen: cannot read the font %s (Debian package fonts-dejavu-core)\n",
                 path.c_str());
    std::exit(1);
  }
  f.Cairo = cairo_ft_font_face_create_for_ft_face(f.Face, 0);
  return f;
}

}  // namespace

cairo_font_face_t* FontFace(Font font) {
  static LoadedFont mono = Load("DejaVuSansMono-Bold.ttf");
  static LoadedFont sans = Load("DejaVuSans-Bold.ttf");
  static LoadedFont condensed = Load("DejaVuSansCondensed-Bold.ttf");
  switch (font) {
    case Font::MonoBold: return mono.Cairo;
    case Font::SansBold: return sans.Cairo;
    case Font::SansCondensedBold: return condensed.Cairo;
  }
  return mono.Cairo;
}

void UseFont(cairo_t* cr, Font font, double size, bool hinted) {
  cairo_set_font_face(cr, FontFace(font));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(o, hinted ? CAIRO_HINT_STYLE_FULL : CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, hinted ? CAIRO_HINT_METRICS_ON : CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

void PaintRun(Images& images, int first, int count,
              const std::function<void(cairo_t*, double, double, int)>& draw) {
  for (int i = 0; i < count; ++i)
    images.Paint(StartupCell(first, i), [&](cairo_t* cr, double w, double h) { draw(cr, w, h, i); });
}

void PaintStageRun(Images& images, int stage, int first, int count,
                   const std::function<void(cairo_t*, double, double, int)>& draw) {
  for (int i = 0; i < count; ++i)
    images.Paint(StageCell(stage, first, i),
                 [&](cairo_t* cr, double w, double h) { draw(cr, w, h, i); });
}

}  // namespace assetgen
