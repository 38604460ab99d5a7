#include "platform/png/png_writer.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "media/platform.h"

namespace omb {
namespace {

// libpng reports errors by longjmp, so this frame holds nothing that a jump
// could leave half-made.
bool EncodeRgb(png_structp png, png_infop info, FILE* file, const uint32_t* pixels, int width, int height,
               png_byte* row) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[y * width + x];
      row[x * 3 + 0] = static_cast<png_byte>(p >> 16);
      row[x * 3 + 1] = static_cast<png_byte>(p >> 8);
      row[x * 3 + 2] = static_cast<png_byte>(p);
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const uint32_t* pixels, int width, int height, std::string& error) {
  const std::string temp = path + ".tmp";
  FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot write " + temp;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(static_cast<std::size_t>(width) * 3);
  bool ok = info != nullptr && EncodeRgb(png, info, file, pixels, width, height, row.data());
  png_destroy_write_struct(png != nullptr ? &png : nullptr, info != nullptr ? &info : nullptr);
  ok = std::fclose(file) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    error = "cannot write the PNG " + path;
  }
  return ok;
}

std::string ScreenshotPath(const std::array<uint16_t, 7>& date) {
  char name[96];
  std::snprintf(name, sizeof name, "screenshots/ombrezza-%04u%02u%02u-%02u%02u%02u-%03u.png",
                unsigned{date[0]}, unsigned{date[1]}, unsigned{date[2]}, unsigned{date[3]}, unsigned{date[4]},
                unsigned{date[5]}, unsigned{date[6]});
  return name;
}

bool SaveScreenshot(const uint32_t* pixels, const std::array<uint16_t, 7>& date, std::string& path,
                    std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path file = fs::absolute(ScreenshotPath(date), ec);
  path = ec ? ScreenshotPath(date) : file.string();
  if (!ec) fs::create_directories(file.parent_path(), ec);
  if (ec) {
    error = "cannot make the folder for " + path + ": " + ec.message();
    return false;
  }
  return WritePng(path, pixels, ScreenWidth, ScreenHeight, error);
}

}  // namespace omb
