#include "palette.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "layout.h"

namespace assetgen {
namespace {

// Pixels this faint vanish on the black field anyway; drawing them opaque
// would only cut dark squares out of the stars behind a sprite.
constexpr int FaintLevel = 12;
constexpr int OpaqueAlpha = 160;

struct Colour {
  int R, G, B;
};

// Straight from the premultiplied pixel: its colour over black, and whether
// it is transparent.
inline bool Visible(uint32_t argb, Colour& c) {
  int a = argb >> 24;
  c = {int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255)};
  if (a == 0) return false;
  int m = std::max({c.R, c.G, c.B});
  return !(m < FaintLevel && a < OpaqueAlpha);
}

inline int64_t Distance(const Colour& a, const Rgb8& b) {
  int64_t dr = a.R - b.R, dg = a.G - b.G, db = a.B - b.B;
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Bin {
  double R, G, B;  // mean colour of the pixels in the bin
  double Weight;
};

// Median cut over the weighted bins, then a few rounds of k-means. Everything
// is ordered by index, so the result depends on nothing but the pictures.
std::vector<Rgb8> Cluster(const std::vector<Bin>& bins, int wanted) {
  struct Box {
    std::vector<int> Items;
    double Score;
  };
  auto score = [&](const std::vector<int>& items) {
    double lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0}, w = 0;
    for (int i : items) {
      const Bin& b = bins[i];
      double v[3] = {b.R, b.G, b.B};
      for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], v[k]), hi[k] = std::max(hi[k], v[k]);
      w += b.Weight;
    }
    double range = std::max({hi[0] - lo[0], (hi[1] - lo[1]) * 1.2, hi[2] - lo[2]});
    return items.size() < 2 ? -1.0 : range * std::sqrt(w);
  };
  std::vector<Box> boxes;
  {
    std::vector<int> all(bins.size());
    for (size_t i = 0; i < bins.size(); ++i) all[i] = int(i);
    boxes.push_back({all, score(all)});
  }
  while (int(boxes.size()) < wanted) {
    int best = -1;
    for (int i = 0; i < int(boxes.size()); ++i)
      if (boxes[i].Score > 0 && (best < 0 || boxes[i].Score > boxes[best].Score)) best = i;
    if (best < 0) break;
    Box box = std::move(boxes[best]);
    double lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (int i : box.Items) {
      double v[3] = {bins[i].R, bins[i].G, bins[i].B};
      for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], v[k]), hi[k] = std::max(hi[k], v[k]);
    }
    int axis = 0;
    for (int k = 1; k < 3; ++k)
      if (hi[k] - lo[k] > hi[axis] - lo[axis]) axis = k;
    auto key = [&](int i) { return axis == 0 ? bins[i].R : axis == 1 ? bins[i].G : bins[i].B; };
    std::stable_sort(box.Items.begin(), box.Items.end(),
                     [&](int a, int b) { return key(a) < key(b); });
    double total = 0;
    for (int i : box.Items) total += bins[i].Weight;
    double run = 0;
    size_t cut = 1;
    for (size_t j = 0; j + 1 < box.Items.size(); ++j) {
      run += bins[box.Items[j]].Weight;
      cut = j + 1;
      if (run >= total / 2) break;
    }
    std::vector<int> a(box.Items.begin(), box.Items.begin() + cut);
    std::vector<int> b(box.Items.begin() + cut, box.Items.end());
    boxes[best] = {a, score(a)};
    boxes.push_back({b, score(b)});
  }

  std::vector<std::array<double, 3>> centres;
  for (const Box& box : boxes) {
    double s[3] = {0, 0, 0}, w = 0;
    for (int i : box.Items) {
      s[0] += bins[i].R * bins[i].Weight;
      s[1] += bins[i].G * bins[i].Weight;
      s[2] += bins[i].B * bins[i].Weight;
      w += bins[i].Weight;
    }
    centres.push_back({s[0] / w, s[1] / w, s[2] / w});
  }
  std::vector<int> owner(bins.size(), 0);
  for (int round = 0; round < 6; ++round) {
    for (size_t i = 0; i < bins.size(); ++i) {
      double best = 1e30;
      for (size_t c = 0; c < centres.size(); ++c) {
        double dr = bins[i].R - centres[c][0], dg = bins[i].G - centres[c][1],
               db = bins[i].B - centres[c][2];
        double d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < best) best = d, owner[i] = int(c);
      }
    }
    std::vector<std::array<double, 4>> sum(centres.size(), {0, 0, 0, 0});
    for (size_t i = 0; i < bins.size(); ++i) {
      auto& s = sum[owner[i]];
      s[0] += bins[i].R * bins[i].Weight;
      s[1] += bins[i].G * bins[i].Weight;
      s[2] += bins[i].B * bins[i].Weight;
      s[3] += bins[i].Weight;
    }
    for (size_t c = 0; c < centres.size(); ++c)
      if (sum[c][3] > 0) centres[c] = {sum[c][0] / sum[c][3], sum[c][1] / sum[c][3], sum[c][2] / sum[c][3]};
  }
  std::vector<Rgb8> out;
  for (auto& c : centres)
    out.push_back({uint8_t(std::lround(c[0])), uint8_t(std::lround(c[1])), uint8_t(std::lround(c[2]))});
  return out;
}

}  // namespace

Quantised Quantise(const std::vector<cairo_surface_t*>& pictures) {
  // Histogram of the visible colours at 6 bits a channel.
  std::vector<double> sum(64 * 64 * 64 * 3, 0.0);
  std::vector<uint32_t> count(64 * 64 * 64, 0);
  for (cairo_surface_t* s : pictures) {
    cairo_surface_flush(s);
    const uint8_t* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < SheetSize; ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
      for (int x = 0; x < SheetSize; ++x) {
        Colour c;
        if (!Visible(row[x], c)) continue;
        // Near-blacks all go to the reserved entry; left to the clustering
        // they could make a second pure black, which a true-colour display
        // would take for the key.
        if (std::max({c.R, c.G, c.B}) < FaintLevel) continue;
        int bin = ((c.R >> 2) << 12) | ((c.G >> 2) << 6) | (c.B >> 2);
        ++count[bin];
        sum[bin * 3] += c.R, sum[bin * 3 + 1] += c.G, sum[bin * 3 + 2] += c.B;
      }
    }
  }
  std::vector<Bin> bins;
  for (int i = 0; i < 64 * 64 * 64; ++i)
    if (count[i])
      // The square root keeps wide smooth areas from taking every entry away
      // from small bright things such as bullets.
      bins.push_back({sum[i * 3] / count[i], sum[i * 3 + 1] / count[i], sum[i * 3 + 2] / count[i],
                      std::sqrt(double(count[i]))});

  Quantised q;
  q.Palette[KeyIndex] = {0, 0, 0};
  q.Palette[NearBlackIndex] = {14, 14, 18};
  q.Palette[2] = {255, 255, 255};
  std::vector<Rgb8> found = Cluster(bins, 253);
  std::stable_sort(found.begin(), found.end(), [](const Rgb8& a, const Rgb8& b) {
    return 2 * a.R + 5 * a.G + a.B < 2 * b.R + 5 * b.G + b.B;
  });
  for (size_t i = 0; i < found.size() && i < 253; ++i) {
    q.Palette[3 + i] = found[i];
    if (std::max({found[i].R, found[i].G, found[i].B}) < FaintLevel)
      q.Palette[3 + i] = q.Palette[NearBlackIndex];
  }
  for (size_t i = 3 + found.size(); i < 256; ++i) q.Palette[i] = q.Palette[NearBlackIndex];

  std::unordered_map<uint32_t, uint8_t> nearest;
  for (cairo_surface_t* s : pictures) {
    const uint8_t* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    std::vector<uint8_t> out(SheetSize * SheetSize, KeyIndex);
    for (int y = 0; y < SheetSize; ++y) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
      for (int x = 0; x < SheetSize; ++x) {
        Colour c;
        if (!Visible(row[x], c)) continue;
        uint32_t key = (c.R << 16) | (c.G << 8) | c.B;
        auto it = nearest.find(key);
        if (it == nearest.end()) {
          int best = NearBlackIndex;
          int64_t bestD = Distance(c, q.Palette[best]);
          for (int i = 2; i < 256; ++i) {
            int64_t d = Distance(c, q.Palette[i]);
            if (d < bestD) bestD = d, best = i;
          }
          it = nearest.emplace(key, uint8_t(best)).first;
        }
        out[y * SheetSize + x] = it->second;
      }
    }
    q.Pixels.push_back(std::move(out));
  }
  return q;
}

}  // namespace assetgen
