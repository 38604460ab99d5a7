#include "media/surface.h"

#include <algorithm>
#include <string>
#include <vector>

#include "media/archive.h"
#include "media/bmp.h"
#include "media/debuglog.h"
#include "media/display.h"

namespace omb {

Surface::~Surface() {
  if (display_ != nullptr) display_->Detach(this);
}

void Surface::Create(Display& display, int width, int height) {
  // Every sheet of the game is 256 x 256; the pixel store is fixed to that.
  if (width != Width || height != Height) {
    ReportFailure(DebugLog::Display, "サーフェスを作れませんでした (" + std::to_string(width) +
                                         "x" + std::to_string(height) + ")");
    return;
  }
  if (display_ != nullptr && display_ != &display) display_->Detach(this);
  display_ = &display;
  display.Attach(this);
  loaded_.fill(0);
  loadedKey_ = 0;
  Rebuild();
}

bool Surface::LoadFromArchive(std::string_view archive, std::string_view name) {
  std::vector<uint8_t> file;
  std::string error;
  Bitmap bitmap;
  if (!OpenArchiveEntry(archive, name, file, error) || !DecodeBmp(file, bitmap, error)) {
    std::string text = "アーカイブからのビットマップの読み取りに失敗しました (";
    text.append(archive).append("/").append(name).append(": ").append(error).append(")");
    ReportFailure(DebugLog::Display, text);
    return false;
  }
  const int w = std::min(bitmap.Width, Width);
  const int h = std::min(bitmap.Height, Height);
  // A reader that reports more pixels than it holds must not take us past them.
  if (w > 0 && h > 0 && bitmap.Pixels.size() >= static_cast<size_t>(bitmap.Width) * bitmap.Height) {
    for (int y = 0; y < h; ++y) {
      const uint32_t* from = bitmap.Pixels.data() + static_cast<size_t>(y) * bitmap.Width;
      for (int x = 0; x < w; ++x) {
        const int i = y * Width + x;
        loaded_[i] = from[x];
        pixels_[i] = display_ != nullptr ? display_->ToCurrentFormat(from[x]) : from[x];
      }
    }
  }
  return true;
}

void Surface::CopyPixelsFrom(const Surface& from) {
  loaded_ = from.loaded_;
  for (int i = 0; i < Width * Height; ++i) {
    pixels_[i] = display_ != nullptr ? display_->ToCurrentFormat(loaded_[i]) : loaded_[i];
  }
}

uint32_t Surface::GetPixel(int x, int y) const {
  if (x < 0 || x >= Width || y < 0 || y >= Height) {
    DebugReport(DebugLog::Display, "サーフェス外のピクセルを参照しようとしました");
    return 0;
  }
  return pixels_[y * Width + x];
}

void Surface::SetColorKey(uint32_t key) {
  colorKey_ = key;
  // The key arrives in the current format. In full screen several loaded
  // colours share one palette colour; the first pixel that shows the key
  // (normally (0, 0), where the game reads it) says which one to rebuild from.
  loadedKey_ = key;
  if (display_ != nullptr && display_->FullScreen()) {
    for (int i = 0; i < Width * Height; ++i) {
      if (pixels_[i] == key) {
        loadedKey_ = loaded_[i];
        break;
      }
    }
  }
}

void Surface::PutPixel(int x, int y, uint32_t rgb) {
  if (x < 0 || x >= Width || y < 0 || y >= Height) return;
  const int i = y * Width + x;
  loaded_[i] = rgb;
  pixels_[i] = display_ != nullptr ? display_->ToCurrentFormat(rgb) : rgb;
}

void Surface::Rebuild() {
  if (display_ == nullptr) {
    pixels_ = loaded_;
    colorKey_ = loadedKey_;
    return;
  }
  for (int i = 0; i < Width * Height; ++i) pixels_[i] = display_->ToCurrentFormat(loaded_[i]);
  colorKey_ = display_->ToCurrentFormat(loadedKey_);
}

}  // namespace omb
