// One 256-colour palette for all twelve pictures, and the pictures turned into
// indices of it. Index 0 is pure black, the transparent key of every sheet;
// no visible pixel is ever given index 0, so dark pixels that must stay opaque
// take the near-black entry instead.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include <cairo.h>

namespace assetgen {

struct Rgb8 {
  uint8_t R = 0, G = 0, B = 0;
};

constexpr int KeyIndex = 0;
constexpr int NearBlackIndex = 1;

struct Quantised {
  std::array<Rgb8, 256> Palette{};
  std::vector<std::vector<uint8_t>> Pixels;  // one 256 x 256 index image per picture, top row first
};

// Builds the shared palette from every picture's visible colours (as seen on
// the black field) and maps each pixel to it.
Quantised Quantise(const std::vector<cairo_surface_t*>& pictures);

}  // namespace assetgen
