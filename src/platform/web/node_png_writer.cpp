// PNG files for the game under node (headless screenshots, the pattern
// gallery): node's own zlib compresses, and the file goes through a temporary
// name as the desktop's libpng writer does.
#include <emscripten.h>

#include "platform/png/png_writer.h"

namespace omb {
namespace {

// 0 when written; the pixels are 0x00RRGGBB words, as the game presents them.
EM_JS(int, WriteRgbPng, (const char* pathText, const uint32_t* pixels, int width, int height), {
  const fs = require('fs');
  const zlib = require('zlib');
  const path = UTF8ToString(pathText);
  const temp = path + '.tmp';
  const words = HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height);
  // Each row: filter byte 0 (none), then R, G, B.
  const raw = Buffer.alloc(height * (1 + width * 3));
  let o = 0;
  for (let y = 0; y < height; y++) {
    raw[o++] = 0;
    for (let x = 0; x < width; x++) {
      const p = words[y * width + x];
      raw[o++] = (p >>> 16) & 255;
      raw[o++] = (p >>> 8) & 255;
      raw[o++] = p & 255;
    }
  }
  const table = new Int32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c;
  }
  const chunk = (type, data) => {
    const body = Buffer.concat([Buffer.from(type, 'latin1'), data]);
    let crc = -1;
    for (const b of body) crc = table[(crc ^ b) & 255] ^ (crc >>> 8);
    const out = Buffer.alloc(body.length + 8);
    out.writeUInt32BE(data.length, 0);
    body.copy(out, 4);
    out.writeUInt32BE((crc ^ -1) >>> 0, body.length + 4);
    return out;
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits per sample
  header[9] = 2;  // RGB
  try {
    fs.writeFileSync(temp, Buffer.concat([
      Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
      chunk('IDAT', zlib.deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]));
    fs.renameSync(temp, path);
    return 0;
  } catch (e) {
    try { fs.unlinkSync(temp); } catch (ignored) {}
    return 1;
  }
});

}  // namespace

bool WritePng(const std::string& path, const uint32_t* pixels, int width, int height, std::string& error) {
  if (WriteRgbPng(path.c_str(), pixels, width, height) == 0) return true;
  error = "cannot write the PNG " + path;
  return false;
}

}  // namespace omb
