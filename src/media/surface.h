// An image sheet: 256 x 256 pixels in the display's current format, with one
// source colour key (pixels of exactly that value are never drawn).
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace omb {

class Display;

class Surface {
 public:
  static constexpr int Width = 256;
  static constexpr int Height = 256;

  Surface() = default;
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // A black surface attached to `display`, whose mode switches rebuild it.
  void Create(Display& display, int width = Width, int height = Height);

  // Draws bitmap entry `name` of archive `archive` at (0, 0), converting its
  // colours to the display's format; parts beyond 256 x 256 are cut off. On
  // failure the reason is reported and the surface stays as it was.
  bool LoadFromArchive(std::string_view archive, std::string_view name);

  // The pixels of `from` as it was loaded, in this surface's format; the
  // colour key stays.
  void CopyPixelsFrom(const Surface& from);

  // Raw pixel value; outside the surface reports and returns 0.
  uint32_t GetPixel(int x, int y) const;
  void SetColorKey(uint32_t key);
  uint32_t ColorKey() const { return colorKey_; }

  const uint32_t* Pixels() const { return pixels_.data(); }
  // Writes one pixel as loaded (true colour); tests and tools.
  void PutPixel(int x, int y, uint32_t rgb);

  // Called by the display after a mode or palette change.
  void Rebuild();

 private:
  friend class Display;  // forgets its surfaces when it goes first
  Display* display_ = nullptr;
  std::array<uint32_t, Width * Height> loaded_{};  // as loaded, true colour
  std::array<uint32_t, Width * Height> pixels_{};  // in the display's format
  uint32_t colorKey_ = 0;
  uint32_t loadedKey_ = 0;  // the key in true colour, for rebuilds
};

}  // namespace omb
