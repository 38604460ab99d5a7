#include "contact.h"

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "canvas.h"
#include "layout.h"

namespace assetgen {
namespace {

constexpr int Width = 1800;
constexpr int Zoom = 2;
constexpr int Gap = 6;
constexpr int LabelHeight = 12;

struct Tile {
  int Number;
  int Image;
  Rect Cell;
};

struct Section {
  std::string Title;
  std::vector<Tile> Tiles;
};

std::vector<Section> Sections() {
  std::vector<Section> out;
  Section start{"START-UP SHAPES", {}};
  for (const Run& r : StartupRuns())
    for (int i = 0; i < r.Count; ++i) start.Tiles.push_back({r.First + i, r.Sheet, r.Cell(i)});
  std::stable_sort(start.Tiles.begin(), start.Tiles.end(),
                   [](const Tile& a, const Tile& b) { return a.Number < b.Number; });
  out.push_back(start);
  for (int stage = 1; stage <= 4; ++stage) {
    Section s{"STAGE " + std::to_string(stage) + " (sheets 7, 8, 9 = images " +
                  std::to_string(StageImage(stage, 7)) + ", " + std::to_string(StageImage(stage, 8)) +
                  ", " + std::to_string(StageImage(stage, 9)) + ")",
              {}};
    for (const Run& r : StageRuns(stage))
      for (int i = 0; i < r.Count; ++i)
        s.Tiles.push_back({r.First + i, StageImage(stage, r.Sheet), r.Cell(i)});
    out.push_back(s);
  }
  return out;
}

struct Placement {
  const Tile* T;
  int X, Y;
};

// Lays the tiles out in rows; returns the height used.
int Layout(const std::vector<Section>& sections, std::vector<Placement>& tiles,
           std::vector<std::pair<std::string, int>>& titles) {
  int y = Gap;
  for (const Section& s : sections) {
    titles.push_back({s.Title, y});
    y += 22;
    int x = Gap, rowHeight = 0;
    for (const Tile& t : s.Tiles) {
      int w = t.Cell.W * Zoom + 4, h = t.Cell.H * Zoom + 4 + LabelHeight;
      if (x + w > Width - Gap) {
        x = Gap;
        y += rowHeight + Gap;
        rowHeight = 0;
      }
      tiles.push_back({&t, x, y});
      x += std::max(w, 30) + Gap;
      rowHeight = std::max(rowHeight, h);
    }
    y += rowHeight + 3 * Gap;
  }
  return y;
}

}  // namespace

bool WriteContactSheet(const Quantised& pictures, const std::string& path, std::string& error) {
  std::vector<Section> sections = Sections();
  std::vector<Placement> tiles;
  std::vector<std::pair<std::string, int>> titles;
  int height = Layout(sections, tiles, titles);

  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, Width, height);
  cairo_t* cr = cairo_create(s);
  SetColor(cr, Hex(0x3a3a3e));
  cairo_paint(cr);
  UseFont(cr, Font::SansBold, 14, true);
  SetColor(cr, Hex(0xe0e0e0));
  for (auto& [title, y] : titles) {
    cairo_move_to(cr, Gap, y + 15);
    cairo_show_text(cr, title.c_str());
  }
  UseFont(cr, Font::SansBold, 9, true);
  cairo_surface_flush(s);
  for (const Placement& p : tiles) {
    SetColor(cr, Hex(0xc8c8c8));
    cairo_move_to(cr, p.X + 1, p.Y + 9);
    cairo_show_text(cr, std::to_string(p.T->Number).c_str());
  }
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (const Placement& p : tiles) {
    const std::vector<uint8_t>& img = pictures.Pixels[p.T->Image - 1];
    const Rect& c = p.T->Cell;
    int ox = p.X + 2, oy = p.Y + LabelHeight + 2;
    for (int y = 0; y < c.H * Zoom; ++y)
      for (int x = 0; x < c.W * Zoom; ++x) {
        int sx = c.X + x / Zoom, sy = c.Y + y / Zoom;
        uint32_t v = 0;
        if (sx < SheetSize && sy < SheetSize) {
          const Rgb8& col = pictures.Palette[img[sy * SheetSize + sx]];
          v = (uint32_t(col.R) << 16) | (uint32_t(col.G) << 8) | col.B;
        } else {
          v = 0xff00ff;  // outside the sheet: impossible to miss
        }
        int px = ox + x, py = oy + y;
        if (px < Width && py < height) *reinterpret_cast<uint32_t*>(data + py * stride + px * 4) = v;
      }
  }
  cairo_surface_mark_dirty(s);
  cairo_destroy(cr);

  std::filesystem::path target(path);
  std::filesystem::path temp = target;
  temp += ".tmp";
  cairo_status_t st = cairo_surface_write_to_png(s, temp.string().c_str());
  cairo_surface_destroy(s);
  if (st != CAIRO_STATUS_SUCCESS) {
    error = path + ": " + cairo_status_to_string(st);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    error = path + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace assetgen
