#include "craft.h"

namespace assetgen {

const Family Jade{Hex(0x4a9a74), Hex(0x1f4a3a), Hex(0xc8d860), Hex(0xfff070), Hex(0xb8ff48)};
const Family Crimson{Hex(0xc03040), Hex(0x4a1018), Hex(0xe8c8b0), Hex(0xffa040), Hex(0xffd060)};
const Family Violet{Hex(0x8058c8), Hex(0x2c1c58), Hex(0xd0b8ff), Hex(0xa0ff58), Hex(0xff70e0)};
const Family Bronze{Hex(0xc09040), Hex(0x4a3418), Hex(0x303038), Hex(0xff4a20), Hex(0xffe070)};
const Family Olive{Hex(0x8c9452), Hex(0x33391e), Hex(0xe6dc9a), Hex(0xff5a3c), Hex(0xff2a18)};

void Turret(Mesh& m, double x, double y, double z, double r, const Family& f, int barrels,
            double length) {
  if (length <= 0) length = r * 1.6;
  m.Dome(x, y, z, r, r * 0.8, f.Dark, 0.9, 0, 10, 1.0);
  m.Dome(x, y, z + r * 0.3, r * 0.62, r * 0.6, f.Hull, 0.9, 0, 10, 1.2);
  double bz = z + r * 0.55;
  if (barrels == 1) {
    m.Barrel(x, bz, y, y + r + length, r * 0.22, f.Dark, 6, 1.4);
  } else {
    for (int s = -1; s <= 1; s += 2)
      m.Barrel(x + s * r * 0.3, bz, y, y + r + length, r * 0.18, f.Dark, 6, 1.4);
  }
}

void Exhaust(cairo_t* cr, const View& v, V3 p, double r, const Family& f) {
  Projected q = Project(v, p);
  Glow(cr, q.X, q.Y, r, Hex(0xffffff), f.Light, 0.95);
}

void Lamp(cairo_t* cr, const View& v, V3 p, double r, Rgb c) {
  Projected q = Project(v, p);
  Glow(cr, q.X, q.Y, r, Mix(c, Hex(0xffffff), 0.6), c, 1);
}

void Seam(cairo_t* cr, const View& v, const std::vector<V3>& pts, double alpha, double width) {
  for (size_t k = 0; k < pts.size(); ++k) {
    Projected q = Project(v, pts[k]);
    k == 0 ? cairo_move_to(cr, q.X, q.Y) : cairo_line_to(cr, q.X, q.Y);
  }
  SetColor(cr, Hex(0x0a0a10), alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

}  // namespace assetgen
