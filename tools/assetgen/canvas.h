// Drawing helpers shared by the art files: the twelve image canvases, cells
// clipped to their rectangles, colours, glows and text through FreeType.
#pragma once
#include <cairo.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "layout.h"

namespace assetgen {

struct Rgb {
  double R = 0, G = 0, B = 0;
};
constexpr Rgb Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb a, double k);

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double at, Rgb c, double alpha = 1.0);

// A soft round glow: `core` at the centre fading through `edge` to nothing.
void Glow(cairo_t* cr, double x, double y, double r, Rgb core, Rgb edge, double alpha = 1.0);
// An n-pointed star outline centred on (x, y), first point at `angle` radians.
void StarPath(cairo_t* cr, double x, double y, int points, double outer, double inner,
              double angle);
void RegularPolygonPath(cairo_t* cr, double x, double y, int sides, double r, double angle);

// The twelve 256 x 256 pictures as premultiplied ARGB, black and clear.
class Images {
 public:
  Images();
  ~Images();
  Images(const Images&) = delete;
  Images& operator=(const Images&) = delete;

  cairo_surface_t* Surface(int image) const { return surfaces_[image - 1]; }

  // Runs `draw` with a context clipped to the cell, its origin at the cell's
  // top-left corner; w and h are the cell's size.
  void Paint(const Placed& cell, const std::function<void(cairo_t*, double w, double h)>& draw);
  // The same for a rectangle of an image that is not one cell.
  void PaintArea(int image, Rect area, const std::function<void(cairo_t*, double w, double h)>& draw);

 private:
  std::array<cairo_surface_t*, ImageCount> surfaces_{};
};

// Fonts read straight from their files. The face lives as long as the program.
enum class Font { MonoBold, SansBold, SansCondensedBold };
cairo_font_face_t* FontFace(Font font);

// Sets the context's font with hinting and antialiasing fixed, so the glyphs
// do not depend on any desktop settings.
void UseFont(cairo_t* cr, Font font, double size, bool hinted);

// The run of shapes of a cell, drawn by calling `draw` for frame i = 0..n-1.
void PaintRun(Images& images, int first, int count,
              const std::function<void(cairo_t*, double w, double h, int i)>& draw);
void PaintStageRun(Images& images, int stage, int first, int count,
                   const std::function<void(cairo_t*, double w, double h, int i)>& draw);

}  // namespace assetgen

namespace assetgen {

// The only randomness of the art: a fixed-seed generator of our own, so the
// pictures are the same on every run.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed * 2654435761u + 1u) {}
  uint32_t NextU() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double Next() { return NextU() / 4294967296.0; }                    // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  uint32_t s_;
};

}  // namespace assetgen
