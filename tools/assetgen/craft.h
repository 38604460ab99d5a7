// Pieces shared by the enemy craft: each stage's colour family and the small
// parts (turrets, engines, lights, panel lines) the hulls are dressed with.
// Enemy models are built in screen orientation: origin at the cell's centre,
// x to the right, y down the screen (the way they fly), z toward the viewer.
#pragma once
#include <utility>
#include <vector>

#include "mesh.h"

namespace assetgen {

struct Family {
  Rgb Hull;   // main armour
  Rgb Dark;   // recesses, engines, under-plates
  Rgb Trim;   // stripes and fins
  Rgb Light;  // lamps, eyes, exhaust
  Rgb Glass;  // canopies and sensor domes
};

extern const Family Jade;     // stage 1
extern const Family Crimson;  // stage 2
extern const Family Violet;   // stage 3
extern const Family Bronze;   // stage 4
extern const Family Olive;    // the small craft every stage meets

// A turret: a dome with a barrel (or two) pointing down the screen.
void Turret(Mesh& m, double x, double y, double z, double r, const Family& f, int barrels = 1,
            double length = 0);
// Exhaust glow at model point p, drawn before the hull so the hull covers its root.
void Exhaust(cairo_t* cr, const View& v, V3 p, double r, const Family& f);
// A small lamp on the hull.
void Lamp(cairo_t* cr, const View& v, V3 p, double r, Rgb c);
// Dark panel seams along a model polyline.
void Seam(cairo_t* cr, const View& v, const std::vector<V3>& pts, double alpha = 0.45,
          double width = 0.8);

}  // namespace assetgen
