#include "media/sprites.h"

#include <cstdio>
#include <cstring>

#include "media/debuglog.h"
#include "media/display.h"
#include "media/surface.h"

namespace omb {
namespace {

constexpr int64_t ScreenW = Display::Width;
constexpr int64_t ScreenH = Display::Height;
constexpr int64_t SheetW = Surface::Width;
constexpr int64_t SheetH = Surface::Height;
// No sprite of the game comes near this; beyond it the mapping arithmetic of
// a stretched drawing could overflow, so such registers are not drawn.
constexpr int64_t MaxStretch = int64_t{1} << 24;

// Formatting costs more than drawing a small sprite, so reports are only
// built when someone reads them.
void Report(const char* format, int64_t value) {
  if (!DebugLogOn()) return;
  char text[64];
  std::snprintf(text, sizeof text, format, static_cast<int>(value));
  DebugReport(DebugLog::Display, text);
}

bool ValidShape(int64_t shape) { return shape >= 0 && shape < SpriteManager::ShapeCount; }

// Keyed copy of h rows of w pixels, a vector of Lane at a time with a
// branch-free select (compare, and, or): no mispredicted branches on ragged
// sprite edges, and plain vector code on any target.
using Lane4 = uint32_t __attribute__((vector_size(16)));
using Lane8 = uint32_t __attribute__((vector_size(32)));

template <typename Lane>
[[gnu::always_inline]] inline void KeyedLane(uint32_t* __restrict dst,
                                             const uint32_t* __restrict src, const Lane& key) {
  Lane from, to;
  std::memcpy(&from, src, sizeof from);
  std::memcpy(&to, dst, sizeof to);
  const Lane keep = reinterpret_cast<Lane>(from == key);
  to = (to & keep) | (from & ~keep);
  std::memcpy(dst, &to, sizeof to);
}

template <typename Lane>
[[gnu::always_inline]] inline void KeyedRows(uint32_t* __restrict dst,
                                             const uint32_t* __restrict src, int w, int h,
                                             uint32_t key) {
  constexpr int Lanes = sizeof(Lane) / sizeof(uint32_t);
  Lane k;
  for (int i = 0; i < Lanes; ++i) k[i] = key;
  for (int row = 0; row < h; ++row, src += SheetW, dst += ScreenW) {
    if (w < Lanes) {
      for (int x = 0; x < w; ++x) {
        const uint32_t keep = 0u - static_cast<uint32_t>(src[x] == key);
        dst[x] = (dst[x] & keep) | (src[x] & ~keep);
      }
      continue;
    }
    int x = 0;
    for (; x + Lanes <= w; x += Lanes) KeyedLane(dst + x, src + x, k);
    // The last lanes again, overlapping: a keyed copy over its own result
    // changes nothing, so the row ends without a scalar tail.
    if (x < w) KeyedLane(dst + w - Lanes, src + w - Lanes, k);
  }
}

using KeyedRowsFn = void (*)(uint32_t*, const uint32_t*, int, int, uint32_t);

void KeyedRows4(uint32_t* dst, const uint32_t* src, int w, int h, uint32_t key) {
  KeyedRows<Lane4>(dst, src, w, h, key);
}

#if defined(__x86_64__) && defined(__GNUC__)
// Twice the lanes where the processor has them: most of DrawAll's time is here.
[[gnu::target("avx2")]] void KeyedRows8(uint32_t* dst, const uint32_t* src, int w, int h,
                                        uint32_t key) {
  KeyedRows<Lane8>(dst, src, w, h, key);
}
#endif

KeyedRowsFn PickKeyedRows() {
  static const KeyedRowsFn best = [] {
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return KeyedRows8;
#endif
    return KeyedRows4;
  }();
  return best;
}

// The source rectangle [left, left + w) x [top, top + h) of `sheet` at
// (x, y), keyed, cut to the sheet and to the screen.
void BlitKeyed(KeyedRowsFn rows, uint32_t* back, const Surface& sheet, int64_t left, int64_t top,
               int64_t w, int64_t h, int64_t x, int64_t y) {
  // Cut to the sheet first: pixels that exist keep their place on screen.
  if (left < 0) {
    x -= left;
    w += left;
    left = 0;
  }
  if (top < 0) {
    y -= top;
    h += top;
    top = 0;
  }
  if (left + w > SheetW) w = SheetW - left;
  if (top + h > SheetH) h = SheetH - top;
  // Then to the screen; the source shrinks with the destination.
  if (x < 0) {
    left -= x;
    w += x;
    x = 0;
  }
  if (y < 0) {
    top -= y;
    h += y;
    y = 0;
  }
  if (x + w > ScreenW) w = ScreenW - x;
  if (y + h > ScreenH) h = ScreenH - y;
  if (w <= 0 || h <= 0) return;

  rows(back + y * ScreenW + x, sheet.Pixels() + top * SheetW + left, static_cast<int>(w),
       static_cast<int>(h), sheet.ColorKey());
}

// The source rectangle drawn into [x, x + dw) x [y, y + dh), nearest pixel:
// destination column i takes source column left + i * w / dw. Destination
// pixels whose source lies off the sheet are left alone.
void BlitStretched(uint32_t* back, const Surface& sheet, int64_t left, int64_t top, int64_t w,
                   int64_t h, int64_t x, int64_t y, int64_t dw, int64_t dh) {
  const int64_t x0 = x < 0 ? 0 : x, x1 = x + dw > ScreenW ? ScreenW : x + dw;
  const int64_t y0 = y < 0 ? 0 : y, y1 = y + dh > ScreenH ? ScreenH : y + dh;
  if (x0 >= x1 || y0 >= y1) return;

  const uint32_t key = sheet.ColorKey();
  const uint32_t* pixels = sheet.Pixels();
  for (int64_t dy = y0; dy < y1; ++dy) {
    const int64_t sy = top + (dy - y) * h / dh;
    if (sy < 0 || sy >= SheetH) continue;
    const uint32_t* src = pixels + sy * SheetW;
    uint32_t* dst = back + dy * ScreenW;
    // Step the source column by w / dw with an exact remainder.
    const int64_t first = (x0 - x) * w;
    int64_t sx = left + first / dw, rest = first % dw;
    const int64_t whole = w / dw, part = w % dw;
    for (int64_t dx = x0; dx < x1; ++dx) {
      if (sx >= 0 && sx < SheetW) {
        const uint32_t p = src[sx];
        if (p != key) dst[dx] = p;
      }
      sx += whole;
      rest += part;
      if (rest >= dw) {
        rest -= dw;
        ++sx;
      }
    }
  }
}

// Drawn size of `size` source pixels at num / den, or -1 when nothing can be drawn.
int64_t Scaled(int64_t size, int32_t num, int32_t den) {
  if (den == 0) return -1;
  return size * num / den;
}

}  // namespace

void SpriteManager::Create() {
  registers_.fill(SpriteRegister{});
  shapes_.fill(ShapeEntry{});
}

void SpriteManager::SetShape(int shape, Surface* sheet, int32_t left, int32_t top, int32_t right,
                             int32_t bottom) {
  if (!ValidShape(shape)) {
    Report("SpriteManager.IShape=%d", shape);
    return;
  }
  shapes_[shape] = ShapeEntry{sheet, left, top, right, bottom};
}

namespace {

// Absolute extent of the register's current shape; 0 for an invalid shape.
int32_t ShapeExtent(const std::array<ShapeEntry, SpriteManager::ShapeCount>& shapes,
                    const SpriteRegister& r, bool width) {
  const int64_t shape = int64_t{r.Shape} + r.Frame;
  if (!ValidShape(shape)) return 0;
  const ShapeEntry& e = shapes[shape];
  const int64_t d = width ? int64_t{e.Right} - e.Left : int64_t{e.Bottom} - e.Top;
  return static_cast<int32_t>(d < 0 ? -d : d);
}

}  // namespace

void SpriteManager::SetDrawWidth(int index, int32_t width) {
  SpriteRegister& r = registers_[index];
  const int32_t d = ShapeExtent(shapes_, r, true);
  r.ScaledX = width != d;
  r.ScaleXNum = r.ScaledX ? width : 1;
  r.ScaleXDen = r.ScaledX ? d : 1;
}

void SpriteManager::SetDrawHeight(int index, int32_t height) {
  SpriteRegister& r = registers_[index];
  const int32_t d = ShapeExtent(shapes_, r, false);
  r.ScaledY = height != d;
  r.ScaleYNum = r.ScaledY ? height : 1;
  r.ScaleYDen = r.ScaledY ? d : 1;
}

void SpriteManager::ResetScale(int index) {
  SpriteRegister& r = registers_[index];
  r.ScaleXNum = r.ScaleXDen = r.ScaleYNum = r.ScaleYDen = 1;
  r.ScaledX = r.ScaledY = false;
}

int32_t SpriteManager::DrawWidth(int index) const {
  const SpriteRegister& r = registers_[index];
  const int32_t d = ShapeExtent(shapes_, r, true);
  if (!r.ScaledX) return d;
  return r.ScaleXDen == 0 ? 0 : static_cast<int32_t>(Scaled(d, r.ScaleXNum, r.ScaleXDen));
}

int32_t SpriteManager::DrawHeight(int index) const {
  const SpriteRegister& r = registers_[index];
  const int32_t d = ShapeExtent(shapes_, r, false);
  if (!r.ScaledY) return d;
  return r.ScaleYDen == 0 ? 0 : static_cast<int32_t>(Scaled(d, r.ScaleYNum, r.ScaleYDen));
}

void SpriteManager::NextFrame(int index) {
  SpriteRegister& r = registers_[index];
  if (!r.PingPong) {
    ++r.Frame;
    if (r.Frame > r.LastFrame) r.Frame = r.FirstFrame;
  } else if (!r.Reverse) {
    ++r.Frame;
    if (r.Frame > r.LastFrame) {
      r.Frame = r.LastFrame - 1;
      r.Reverse = true;
    }
  } else {
    --r.Frame;
    if (r.Frame < r.FirstFrame) {
      r.Frame = r.FirstFrame + 1;
      r.Reverse = false;
    }
  }
}

void SpriteManager::DrawAll(Display& display) {
  // Highest index first into each layer's bucket, so lower indices are drawn
  // later and lie on top.
  int counts[LayerCount] = {};
  for (int i = RegisterCount - 1; i >= 0; --i) {
    const SpriteRegister& r = registers_[i];
    if (!r.Visible) continue;
    if (r.Z < 0 || r.Z >= LayerCount) {
      Report("Z=%d", r.Z);
      continue;
    }
    buckets_[r.Z][counts[r.Z]++] = static_cast<int16_t>(i);
  }

  uint32_t* back = display.BackBuffer();
  const KeyedRowsFn rows = PickKeyedRows();
  for (int z = 0; z < LayerCount; ++z) {
    for (int k = 0; k < counts[z]; ++k) {
      const SpriteRegister& r = registers_[buckets_[z][k]];
      const int64_t shape = int64_t{r.Shape} + r.Frame;
      if (!ValidShape(shape)) {
        Report("SpriteManager.IShape=%d", shape);
        continue;
      }
      const ShapeEntry& e = shapes_[shape];
      if (e.Sheet == nullptr) {
        Report("SpriteManager.Shape[%d]", shape);
        continue;
      }
      const int64_t w = int64_t{e.Right} - e.Left;
      const int64_t h = int64_t{e.Bottom} - e.Top;
      if (w <= 0 || h <= 0) continue;
      if (!r.ScaledX && !r.ScaledY) {
        BlitKeyed(rows, back, *e.Sheet, e.Left, e.Top, w, h, r.X, r.Y);
        continue;
      }
      const int64_t dw = r.ScaledX ? Scaled(w, r.ScaleXNum, r.ScaleXDen) : w;
      const int64_t dh = r.ScaledY ? Scaled(h, r.ScaleYNum, r.ScaleYDen) : h;
      if (dw == w && dh == h) {
        BlitKeyed(rows, back, *e.Sheet, e.Left, e.Top, w, h, r.X, r.Y);
      } else if (dw > 0 && dh > 0 && dw <= MaxStretch && dh <= MaxStretch && w <= MaxStretch &&
                 h <= MaxStretch) {
        BlitStretched(back, *e.Sheet, e.Left, e.Top, w, h, r.X, r.Y, dw, dh);
      }
    }
  }
}

}  // namespace omb
