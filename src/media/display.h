// The display component: a 640 x 480 back buffer of 0x00RRGGBB pixels that
// the sprite manager draws into and Flip hands to the platform.
//
// In a window the back buffer is true colour. Full screen is an 8-bit mode:
// every sheet is then drawn through one palette (the palette of "cg1.bmp"), so
// while it is on the surfaces hold their pixels mapped to the nearest palette
// colour, and go back to their loaded colours in a window.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "media/platform.h"

namespace omb {

class Surface;

class Display {
 public:
  static constexpr int Width = ScreenWidth;
  static constexpr int Height = ScreenHeight;
  static constexpr int MaxSurfaces = 16;

  Display() = default;
  ~Display();  // detaches the surfaces still attached
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // Published settings and events.
  uint32_t BackColor = 16;
  bool VsyncAtWindowed = true;
  void (*OnRestore)() = nullptr;            // surfaces were rebuilt
  void (*OnChangeDisplayMode)() = nullptr;  // after every window/full-screen switch

  // Switch modes; surfaces are rebuilt, then OnRestore and OnChangeDisplayMode.
  void InitializeFullScreen(int width, int height, int bitsPerPixel);
  void InitializeWindowed(int width, int height);
  int GetDesktopBitDepth() const { return 32; }
  bool FullScreen() const { return fullScreen_; }

  void Clear();  // the whole back buffer := BackColor
  void Flip();   // present the back buffer through the platform
  // The back buffer's value for an 0x00RRGGBB colour (the nearest palette
  // colour in full screen).
  uint32_t ColorMatch(uint32_t rgb) const;

  // Takes the colour table of an 8-bit bitmap entry of an archive as the
  // palette; UpdatePalette makes it current (and remaps the surfaces when in
  // full screen). Failures are reported and leave the palette as it was.
  bool LoadPaletteFromArchive(std::string_view archive, std::string_view entry);
  bool UpdatePalette();

  uint32_t* BackBuffer() { return back_.data(); }
  const uint32_t* BackBuffer() const { return back_.data(); }

  // Surfaces register themselves on Create so that mode switches reach them.
  void Attach(Surface* surface);
  void Detach(Surface* surface);
  // The colour a true-colour pixel takes in the current mode.
  uint32_t ToCurrentFormat(uint32_t rgb) const;

 private:
  void RebuildSurfaces();

  std::array<uint32_t, Width * Height> back_{};
  std::array<uint32_t, 256> loadedPalette_{};
  std::array<uint32_t, 256> palette_{};
  bool paletteLoaded_ = false;
  bool paletteCurrent_ = false;
  bool fullScreen_ = false;
  std::array<Surface*, MaxSurfaces> surfaces_{};
  // Nearest palette colours already found: (rgb << 32) | 0x80000000 | colour.
  mutable std::array<uint64_t, 4096> nearest_{};
};

}  // namespace omb
