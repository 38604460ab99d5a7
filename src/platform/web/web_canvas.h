// The picture in the page: the game's 640 x 480 frames on the page's canvas
// (#canvas), scaled by whole device pixels to fit the window and centred on
// black, by the same rule as the desktop's window.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "media/platform.h"

namespace omb {

class WebCanvas {
 public:
  // Follows the window's size from now on.
  void Start();

  // A presented frame of 0x00RRGGBB pixels, kept in the canvas's byte order.
  void Take(const uint32_t* pixels);
  // The kept frame onto the canvas; at half brightness while paused.
  void Show(bool dimmed);
  // The kept frame at full brightness, as a PNG the browser downloads.
  void Download(std::string_view fileName);
  // Places the canvas for the window's present size.
  void Fit();

 private:
  static constexpr std::size_t Pixels = static_cast<std::size_t>(ScreenWidth) * ScreenHeight;
  // R, G, B, A bytes, as ImageData holds them.
  std::array<uint32_t, Pixels> rgba_{};
  std::array<uint32_t, Pixels> dimmed_{};
};

}  // namespace omb
