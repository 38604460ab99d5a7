#include "platform/web/web_canvas.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <string>

#include "platform/sdl/sdl_choices.h"

namespace omb {
namespace {

// The ImageData wraps the game's memory, and is made anew only when that
// memory has grown (which moves its buffer).
EM_JS(void, PutOnCanvas, (const uint32_t* rgba, int width, int height), {
  const canvas = Module['canvas'];
  if (!canvas) return;
  const page = Module['webCanvas'] || (Module['webCanvas'] = {});
  if (!page.context) page.context = canvas.getContext('2d', {alpha: false});
  if (!page.image || page.image.data.buffer !== HEAPU8.buffer || page.at !== rgba) {
    page.image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
    page.at = rgba;
  }
  page.context.putImageData(page.image, 0, 0);
});

EM_JS(void, DownloadPicture, (const uint32_t* rgba, int width, int height, const char* name), {
  const spare = document.createElement('canvas');
  spare.width = width;
  spare.height = height;
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
  spare.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(bytes), width, height), 0, 0);
  const fileName = UTF8ToString(name);
  spare.toBlob((blob) => {
    if (!blob) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = fileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }, 'image/png');
});

// The window in device pixels, so that whole multiples are whole on screen.
EM_JS(void, WindowDevicePixels, (int* width, int* height), {
  const ratio = window.devicePixelRatio || 1;
  HEAP32[width >> 2] = Math.floor(window.innerWidth * ratio);
  HEAP32[height >> 2] = Math.floor(window.innerHeight * ratio);
});

EM_JS(void, PlaceCanvas, (int x, int y, int width, int height, int sharp), {
  const canvas = Module['canvas'];
  if (!canvas) return;
  const ratio = window.devicePixelRatio || 1;
  const style = canvas.style;
  style.position = 'absolute';
  style.left = (x / ratio) + 'px';
  style.top = (y / ratio) + 'px';
  style.width = (width / ratio) + 'px';
  style.height = (height / ratio) + 'px';
  style.imageRendering = sharp ? 'pixelated' : 'auto';
});

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void* canvas) {
  static_cast<WebCanvas*>(canvas)->Fit();
  return EM_FALSE;
}

}  // namespace

void WebCanvas::Start() {
  for (uint32_t& p : rgba_) p = 0xFF000000u;
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, EM_FALSE, OnResize);
  Fit();
  Show(false);
}

void WebCanvas::Take(const uint32_t* pixels) {
  for (std::size_t i = 0; i < Pixels; ++i) {
    const uint32_t p = pixels[i];
    rgba_[i] = 0xFF000000u | (p & 0xFFu) << 16 | (p & 0xFF00u) | (p >> 16 & 0xFFu);
  }
}

void WebCanvas::Show(bool dimmed) {
  if (!dimmed) {
    PutOnCanvas(rgba_.data(), ScreenWidth, ScreenHeight);
    return;
  }
  // Half brightness says the game is paused, as on the desktop.
  for (std::size_t i = 0; i < Pixels; ++i) dimmed_[i] = 0xFF000000u | (rgba_[i] >> 1 & 0x7F7F7Fu);
  PutOnCanvas(dimmed_.data(), ScreenWidth, ScreenHeight);
}

void WebCanvas::Download(std::string_view fileName) {
  const std::string name(fileName);
  DownloadPicture(rgba_.data(), ScreenWidth, ScreenHeight, name.c_str());
}

void WebCanvas::Fit() {
  int width = 0, height = 0;
  WindowDevicePixels(&width, &height);
  const PictureRect r = FitPicture(width, height);
  if (r.W > 0) PlaceCanvas(r.X, r.Y, r.W, r.H, r.W % ScreenWidth == 0);
}

}  // namespace omb
