// PNG files of frames, for headless screenshots, the bullet gallery and the
// player's F12 screenshots.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace omb {

// Writes a frame of 0x00RRGGBB pixels as an 8-bit RGB PNG, through a
// temporary file so that a failed write leaves nothing half-made.
bool WritePng(const std::string& path, const uint32_t* pixels, int width, int height,
              std::string& error);

// Where a screenshot taken at the given local time (year, month, day, hour,
// minute, second, millisecond) goes, relative to the working directory:
// "screenshots/ombrezza-YYYYMMDD-HHMMSS-mmm.png".
std::string ScreenshotPath(const std::array<uint16_t, 7>& date);

// Writes a 640 x 480 frame to ScreenshotPath(date), creating the folder.
// `path` receives the file's full name either way; `error` why it failed.
bool SaveScreenshot(const uint32_t* pixels, const std::array<uint16_t, 7>& date, std::string& path,
                    std::string& error);

}  // namespace omb
