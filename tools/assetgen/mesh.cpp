#include "mesh.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace assetgen {
namespace {

V3 Sub(V3 a, V3 b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
double Dot(V3 a, V3 b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
V3 Normalise(V3 a) {
  double l = std::sqrt(Dot(a, a));
  return l > 0 ? V3{a.X / l, a.Y / l, a.Z / l} : V3{0, 0, 1};
}

V3 Newell(const std::vector<V3>& p) {
  V3 n{0, 0, 0};
  for (size_t i = 0; i < p.size(); ++i) {
    const V3& a = p[i];
    const V3& b = p[(i + 1) % p.size()];
    n.X += (a.Y - b.Y) * (a.Z + b.Z);
    n.Y += (a.Z - b.Z) * (a.X + b.X);
    n.Z += (a.X - b.X) * (a.Y + b.Y);
  }
  return Normalise(n);
}

V3 Centroid(const std::vector<V3>& p) {
  V3 c{0, 0, 0};
  for (const V3& v : p) c.X += v.X, c.Y += v.Y, c.Z += v.Z;
  double n = double(p.size());
  return {c.X / n, c.Y / n, c.Z / n};
}

V3 Turn(const View& v, V3 p) {
  // yaw about z, then pitch about x, then roll about y
  double c = std::cos(v.Yaw), s = std::sin(v.Yaw);
  p = {p.X * c - p.Y * s, p.X * s + p.Y * c, p.Z};
  c = std::cos(v.Pitch), s = std::sin(v.Pitch);
  p = {p.X, p.Y * c - p.Z * s, p.Y * s + p.Z * c};
  c = std::cos(v.Roll), s = std::sin(v.Roll);
  return {p.X * c + p.Z * s, p.Y, -p.X * s + p.Z * c};
}

const V3 Light = Normalise({-0.45, -0.6, 0.66});
const V3 Half = Normalise({Light.X, Light.Y, Light.Z + 1});

}  // namespace

void Mesh::AddMirrored(const Facet& f) {
  Add(f);
  Facet m = f;
  std::reverse(m.P.begin(), m.P.end());
  for (V3& p : m.P) p.X = -p.X;
  m.Inside.X = -m.Inside.X;
  Add(m);
}

void Mesh::Loft(const std::vector<Station>& st, Rgb color, int sides, double shine, double xOffset,
                double bias) {
  auto ring = [&](const Station& s) {
    std::vector<V3> r;
    double mid = (s.Top + s.Bottom) / 2, h = (s.Top - s.Bottom) / 2;
    for (int i = 0; i < sides; ++i) {
      double a = 2 * M_PI * i / sides;
      r.push_back({xOffset + s.X + s.HalfWidth * std::cos(a), s.Y, mid + h * std::sin(a)});
    }
    return r;
  };
  for (size_t k = 0; k + 1 < st.size(); ++k) {
    auto a = ring(st[k]), b = ring(st[k + 1]);
    V3 axis{xOffset + (st[k].X + st[k + 1].X) / 2, (st[k].Y + st[k + 1].Y) / 2,
            (st[k].Top + st[k].Bottom + st[k + 1].Top + st[k + 1].Bottom) / 4};
    for (int i = 0; i < sides; ++i) {
      int j = (i + 1) % sides;
      Facet f;
      f.P = {a[i], a[j], b[j], b[i]};
      // Drop degenerate corners at a pointed nose or tail.
      std::vector<V3> q;
      for (const V3& p : f.P)
        if (q.empty() || std::fabs(p.X - q.back().X) + std::fabs(p.Y - q.back().Y) +
                                 std::fabs(p.Z - q.back().Z) > 1e-9)
          q.push_back(p);
      if (q.size() >= 3 && std::fabs(q.front().X - q.back().X) + std::fabs(q.front().Y - q.back().Y) +
                                   std::fabs(q.front().Z - q.back().Z) < 1e-9)
        q.pop_back();
      if (q.size() < 3) continue;
      f.P = q;
      f.Color = color;
      f.Shine = shine;
      f.Inside = axis;
      f.Bias = bias;
      Add(f);
    }
  }
}

void Mesh::LoftPair(const std::vector<Station>& st, Rgb color, double x, int sides, double shine,
                    double bias) {
  Loft(st, color, sides, shine, x, bias);
  std::vector<Station> mirrored = st;
  for (Station& s : mirrored) s.X = -s.X;
  Loft(mirrored, color, sides, shine, -x, bias);
}

void Mesh::Plate(const std::vector<std::pair<double, double>>& outline, double z0, double dihedral,
                 Rgb color, bool mirrored, double shine, double bias) {
  Facet f;
  for (auto [x, y] : outline) f.P.push_back({x, y, z0 + dihedral * std::fabs(x)});
  f.Color = color;
  f.Shine = shine;
  V3 c = Centroid(f.P);
  f.Inside = {c.X, c.Y, c.Z - 1000};
  f.Bias = bias;
  if (mirrored)
    AddMirrored(f);
  else
    Add(f);
}

void Mesh::Dome(double x, double y, double z, double r, double height, Rgb color, double shine,
                double glow, int sides, double bias) {
  // three rings: base, shoulder, crown, then a cap
  const double rs[3] = {r, r * 0.8, r * 0.42};
  const double hs[3] = {0, height * 0.55, height * 0.92};
  for (int k = 0; k < 2; ++k) {
    for (int i = 0; i < sides; ++i) {
      double a0 = 2 * M_PI * i / sides, a1 = 2 * M_PI * (i + 1) / sides;
      Facet f;
      f.P = {{x + rs[k] * std::cos(a0), y + rs[k] * std::sin(a0), z + hs[k]},
             {x + rs[k] * std::cos(a1), y + rs[k] * std::sin(a1), z + hs[k]},
             {x + rs[k + 1] * std::cos(a1), y + rs[k + 1] * std::sin(a1), z + hs[k + 1]},
             {x + rs[k + 1] * std::cos(a0), y + rs[k + 1] * std::sin(a0), z + hs[k + 1]}};
      f.Color = color;
      f.Shine = shine;
      f.Glow = glow;
      f.Inside = {x, y, z};
      f.Bias = bias;
      Add(f);
    }
  }
  Facet cap;
  for (int i = 0; i < sides; ++i) {
    double a = 2 * M_PI * i / sides;
    cap.P.push_back({x + rs[2] * std::cos(a), y + rs[2] * std::sin(a), z + hs[2]});
  }
  cap.Color = color;
  cap.Shine = shine;
  cap.Glow = glow;
  cap.Inside = {x, y, z};
  cap.Bias = bias;
  Add(cap);
}

void Mesh::Barrel(double x, double z, double y0, double y1, double r, Rgb color, int sides,
                  double bias) {
  for (int i = 0; i < sides; ++i) {
    double a0 = 2 * M_PI * i / sides, a1 = 2 * M_PI * (i + 1) / sides;
    Facet f;
    f.P = {{x + r * std::cos(a0), y0, z + r * std::sin(a0)},
           {x + r * std::cos(a1), y0, z + r * std::sin(a1)},
           {x + r * std::cos(a1), y1, z + r * std::sin(a1)},
           {x + r * std::cos(a0), y1, z + r * std::sin(a0)}};
    f.Color = color;
    f.Shine = 0.7;
    f.Inside = {x, (y0 + y1) / 2, z};
    f.Bias = bias;
    Add(f);
  }
}

Projected Project(const View& view, V3 p) {
  V3 t = Turn(view, p);
  return {view.Cx + t.X * view.Scale, view.Cy + t.Y * view.Scale, t.Z};
}

void Render(cairo_t* cr, const Mesh& mesh, const View& view) {
  struct Item {
    size_t Index;
    double Depth;
    V3 Normal;
  };
  std::vector<Item> items;
  for (size_t i = 0; i < mesh.Facets.size(); ++i) {
    const Facet& f = mesh.Facets[i];
    std::vector<V3> t;
    for (const V3& p : f.P) t.push_back(Turn(view, p));
    V3 n = Newell(t);
    V3 c = Centroid(t);
    V3 inside = Turn(view, f.Inside);
    if (Dot(n, Sub(c, inside)) < 0) n = {-n.X, -n.Y, -n.Z};
    if (n.Z <= 1e-6) continue;  // facing away
    items.push_back({i, c.Z + f.Bias, n});
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const Item& a, const Item& b) { return a.Depth < b.Depth; });
  for (const Item& it : items) {
    const Facet& f = mesh.Facets[it.Index];
    Rgb c;
    if (f.Glow > 0) {
      c = f.Color;
    } else {
      double diffuse = std::max(0.0, Dot(it.Normal, Light));
      double shine = std::pow(std::max(0.0, Dot(it.Normal, Half)), 24) * f.Shine;
      double k = 0.3 + 0.85 * diffuse;
      c = {std::min(1.0, f.Color.R * k + shine), std::min(1.0, f.Color.G * k + shine),
           std::min(1.0, f.Color.B * k + shine)};
    }
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (size_t k = 0; k < f.P.size(); ++k) {
      Projected p = Project(view, f.P[k]);
      x0 = std::min(x0, p.X), y0 = std::min(y0, p.Y), x1 = std::max(x1, p.X), y1 = std::max(y1, p.Y);
      if (k == 0)
        cairo_move_to(cr, p.X, p.Y);
      else
        cairo_line_to(cr, p.X, p.Y);
    }
    cairo_close_path(cr);
    // A gentle sheen across each facet, brighter toward the light, so plates
    // read as brushed metal rather than flat paint.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(x0, y0, x1, y1);
    const double lift = f.Glow > 0 ? 0 : view.Sheen;
    AddStop(sheen, 0, Mix(c, Hex(0xffffff), lift));
    AddStop(sheen, 1, Scale(c, 1 - lift));
    cairo_set_source(cr, sheen);
    if (view.Outline > 0) {
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, view.Outline);
      cairo_stroke(cr);
    } else {
      cairo_fill(cr);
    }
    cairo_pattern_destroy(sheen);
  }
}

}  // namespace assetgen
