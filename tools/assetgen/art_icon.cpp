// The icon: the player's ship, nose up, on a night-blue disc with a few stars
// and a cyan rim. Drawn on a 256-unit square and scaled to each size, so the
// small icons are the big one made smaller, not redrawn.
#include <cmath>
#include <filesystem>

#include "art.h"
#include "icon.h"

namespace assetgen {
namespace {

constexpr double Design = 256;
const Rgb Cyan = Hex(0x38d0ff);

void DrawDisc(cairo_t* cr) {
  const double c = Design / 2, r = 120;
  cairo_pattern_t* p = cairo_pattern_create_radial(c - 20, c - 28, 8, c, c, r);
  AddStop(p, 0, Hex(0x1c2c4c));
  AddStop(p, 0.6, Hex(0x0e1628));
  AddStop(p, 1, Hex(0x05070e));
  cairo_set_source(cr, p);
  cairo_arc(cr, c, c, r, 0, 2 * M_PI);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);

  // stars, only inside the disc
  cairo_save(cr);
  cairo_clip(cr);
  Rng rng(2024);
  for (int i = 0; i < 28; ++i) {
    const double x = rng.Range(16, 240), y = rng.Range(16, 240), size = rng.Range(0.8, 2.2);
    SetColor(cr, Mix(Hex(0x8090b0), Hex(0xffffff), rng.Next()), rng.Range(0.4, 0.9));
    cairo_arc(cr, x, y, size, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  Glow(cr, 64, 78, 9, Hex(0xffffff), Hex(0x6080c0), 0.8);
  cairo_restore(cr);

  // the rim: a dark edge with a thin cyan light inside it
  cairo_set_line_width(cr, 6);
  SetColor(cr, Hex(0x020308));
  cairo_arc(cr, c, c, r + 2, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.5);
  SetColor(cr, Cyan, 0.75);
  cairo_arc(cr, c, c, r - 2, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.2);
  SetColor(cr, Hex(0xd8f8ff), 0.8);
  cairo_arc(cr, c, c, r - 2, M_PI * 1.05, M_PI * 1.45);
  cairo_stroke(cr);
}

void DrawShip(cairo_t* cr) {
  const Mesh ship = PlayerShipModel();
  View v;
  v.Cx = Design / 2;
  v.Cy = 132;
  v.Scale = 4.6;
  v.Roll = 0.12;
  v.Outline = 0.9;
  for (int s = -1; s <= 1; s += 2) {
    Projected p = Project(v, {6.5 * s, 20, 1.5});
    Glow(cr, p.X, p.Y + 6, 22, Hex(0xffffff), Cyan);
  }
  Render(cr, ship, v);
  for (int s = -1; s <= 1; s += 2) {
    Projected p = Project(v, {19.5 * s, 10, 1.8});
    Glow(cr, p.X, p.Y, 7, s < 0 ? Hex(0xff8080) : Hex(0x80ff90), Hex(0x303030));
  }
}

}  // namespace

const std::vector<int>& IconSizes() {
  static const std::vector<int> sizes{48, 64, 128, 256};
  return sizes;
}

bool WriteIcon(int size, const std::string& path, std::string& error) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, size / Design, size / Design);
  DrawDisc(cr);
  DrawShip(cr);
  cairo_destroy(cr);

  std::filesystem::path temp(path);
  temp += ".tmp";
  cairo_status_t st = cairo_surface_status(s);
  if (st == CAIRO_STATUS_SUCCESS) st = cairo_surface_write_to_png(s, temp.string().c_str());
  cairo_surface_destroy(s);
  if (st != CAIRO_STATUS_SUCCESS) {
    error = path + ": " + cairo_status_to_string(st);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    error = path + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace assetgen
