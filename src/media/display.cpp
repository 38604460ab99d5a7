#include "media/display.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "media/archive.h"
#include "media/bmp.h"
#include "media/debuglog.h"
#include "media/surface.h"

namespace omb {
namespace {

int Channel(uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

// Squared distance in RGB; the lowest index wins a tie, so the result never
// depends on anything but the palette. Distance and index share one key
// (distance * 256 + index, below 2^26), so the search is a plain minimum
// that the compiler vectorises.
uint32_t Nearest(const std::array<uint32_t, 256>& palette, uint32_t rgb) {
  const int r = Channel(rgb, 16), g = Channel(rgb, 8), b = Channel(rgb, 0);
  int best = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    const int dr = Channel(palette[i], 16) - r;
    const int dg = Channel(palette[i], 8) - g;
    const int db = Channel(palette[i], 0) - b;
    const int key = (dr * dr + dg * dg + db * db) << 8 | i;
    best = key < best ? key : best;
  }
  return palette[best & 0xFF] & 0xFFFFFF;
}

void ReportMode(int width, int height, int bits) {
  char text[128];
  std::snprintf(text, sizeof text, "画面モード%dx%dx%dの初期化に失敗しました", width, height, bits);
  ReportFailure(DebugLog::Display, text);
}

}  // namespace

Display::~Display() {
  for (Surface* s : surfaces_) {
    if (s != nullptr) s->display_ = nullptr;
  }
}

void Display::InitializeFullScreen(int width, int height, int bitsPerPixel) {
  if (width != Width || height != Height || bitsPerPixel != 8) {
    ReportMode(width, height, bitsPerPixel);
    return;
  }
  fullScreen_ = true;
  if (ThePlatform != nullptr) ThePlatform->SetFullScreen(true);
  RebuildSurfaces();
  if (OnRestore != nullptr) OnRestore();
  if (OnChangeDisplayMode != nullptr) OnChangeDisplayMode();
}

void Display::InitializeWindowed(int width, int height) {
  if (width != Width || height != Height) {
    ReportMode(width, height, GetDesktopBitDepth());
    return;
  }
  fullScreen_ = false;
  if (ThePlatform != nullptr) ThePlatform->SetFullScreen(false);
  RebuildSurfaces();
  if (OnRestore != nullptr) OnRestore();
  if (OnChangeDisplayMode != nullptr) OnChangeDisplayMode();
}

void Display::Clear() { back_.fill(BackColor); }

void Display::Flip() {
  if (ThePlatform != nullptr) ThePlatform->Present(BackBuffer());
}

uint32_t Display::ColorMatch(uint32_t rgb) const { return ToCurrentFormat(rgb); }

bool Display::LoadPaletteFromArchive(std::string_view archive, std::string_view entry) {
  std::string where(archive);
  where += '/';
  where += entry;
  std::vector<uint8_t> file;
  std::string error;
  if (!OpenArchiveEntry(archive, entry, file, error)) {
    ReportFailure(DebugLog::Display, where + "の抽出に失敗しました (" + error + ")");
    return false;
  }
  std::array<uint32_t, 256> palette{};
  if (!ReadBmpPalette(file, palette, error)) {
    ReportFailure(DebugLog::Display, "不正なビットマップです (" + where + ": " + error + ")");
    return false;
  }
  loadedPalette_ = palette;
  paletteLoaded_ = true;
  return true;
}

bool Display::UpdatePalette() {
  if (!paletteLoaded_) {
    ReportFailure(DebugLog::Display, "パレットが更新できませんでした");
    return false;
  }
  palette_ = loadedPalette_;
  paletteCurrent_ = true;
  nearest_.fill(0);
  if (fullScreen_) RebuildSurfaces();
  return true;
}

void Display::Attach(Surface* surface) {
  for (Surface* s : surfaces_) {
    if (s == surface) return;
  }
  for (Surface*& s : surfaces_) {
    if (s == nullptr) {
      s = surface;
      return;
    }
  }
  // Still usable, but a mode switch will not reach it.
  ReportFailure(DebugLog::Display, "サーフェスを作れませんでした (too many surfaces)");
}

void Display::Detach(Surface* surface) {
  for (Surface*& s : surfaces_) {
    if (s == surface) s = nullptr;
  }
}

uint32_t Display::ToCurrentFormat(uint32_t rgb) const {
  if (!fullScreen_ || !paletteCurrent_) return rgb;
  // Sheets repeat their colours a great deal, so remembering recent answers
  // makes a full-screen rebuild cost about one palette search per colour
  // instead of one per pixel.
  const uint32_t slot = ((rgb * 0x9E3779B1u) >> 20) % nearest_.size();
  const uint64_t known = nearest_[slot];
  if ((known & 0x80000000u) != 0 && (known >> 32) == rgb)
    return static_cast<uint32_t>(known & 0xFFFFFF);
  const uint32_t out = Nearest(palette_, rgb);
  nearest_[slot] = (uint64_t{rgb} << 32) | 0x80000000u | out;
  return out;
}

void Display::RebuildSurfaces() {
  for (Surface* s : surfaces_) {
    if (s != nullptr) s->Rebuild();
  }
}

}  // namespace omb
