// A small faceted-model renderer for the craft. Ships, enemies and bosses are
// built from lofted hulls and plates in 3D, then drawn from above with one
// light from the upper left. Rolling the model is what makes a craft bank:
// the wing on the turn side dips, darkens and foreshortens, the far one lifts
// into the light, and the canopy slides toward the turn.
#pragma once
#include <cairo.h>

#include <vector>

#include "canvas.h"

namespace assetgen {

struct V3 {
  double X = 0, Y = 0, Z = 0;
};

struct Facet {
  std::vector<V3> P;
  Rgb Color;
  double Shine = 0.5;   // strength of the specular highlight
  double Glow = 0;      // 1 = lit from within, not shaded
  V3 Inside{0, 0, -1e6};  // a point behind the facet: its normal faces away from it
  double Bias = 0;      // added to the depth when sorting, to settle overlaps
};

// Model axes: x right, y toward the tail (the nose points to -y, up the
// screen), z toward the viewer.
class Mesh {
 public:
  void Add(const Facet& f) { Facets.push_back(f); }
  // Adds `f` and its mirror image across x = 0.
  void AddMirrored(const Facet& f);

  // A hull lofted through cross-sections, symmetric about x = 0. Each station
  // is a y position with a half width, a top height and a bottom height; the
  // section is an ellipse-like ring of `sides` points (even).
  struct Station {
    double Y, HalfWidth, Top, Bottom;
    double X = 0;  // the section's centre, for hulls that sweep sideways
  };
  void Loft(const std::vector<Station>& stations, Rgb color, int sides = 8, double shine = 0.5,
            double xOffset = 0, double bias = 0);
  // A loft placed at x and at -x.
  void LoftPair(const std::vector<Station>& stations, Rgb color, double x, int sides = 8,
                double shine = 0.5, double bias = 0);
  // A flat plate: `outline` gives (x, y) points of the right-hand half (or
  // the whole plate when not mirrored), z = z0 + dihedral * |x|.
  void Plate(const std::vector<std::pair<double, double>>& outline, double z0, double dihedral,
             Rgb color, bool mirrored = true, double shine = 0.4, double bias = 0);
  // A dome (turret, canopy) of radius r at (x, y) resting at height z.
  void Dome(double x, double y, double z, double r, double height, Rgb color, double shine = 0.8,
            double glow = 0, int sides = 10, double bias = 0.5);
  // A cylinder (barrel) along y from y0 to y1 centred at (x, z).
  void Barrel(double x, double z, double y0, double y1, double r, Rgb color, int sides = 6,
              double bias = 0.3);

  std::vector<Facet> Facets;
};

struct View {
  double Cx = 0, Cy = 0;  // where the model's origin lands in the cell
  double Scale = 1;       // pixels per model unit
  double Roll = 0;        // radians; > 0 dips the screen-right side
  double Pitch = 0;       // radians; > 0 lifts the nose toward the viewer
  double Yaw = 0;         // radians, turns the model about the view axis
  double Outline = 0.55;  // stroke that closes the hairlines between facets
  double Sheen = 0.12;    // brightness spread across each facet
};

struct Projected {
  double X, Y, Z;
};
Projected Project(const View& view, V3 p);

void Render(cairo_t* cr, const Mesh& mesh, const View& view);

}  // namespace assetgen
