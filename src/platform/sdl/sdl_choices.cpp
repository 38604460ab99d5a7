#include "platform/sdl/sdl_choices.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "media/platform.h"

namespace omb {

PictureRect FitPicture(int outputWidth, int outputHeight) {
  PictureRect r;
  if (outputWidth <= 0 || outputHeight <= 0) return r;
  const int k = std::min(outputWidth / ScreenWidth, outputHeight / ScreenHeight);
  if (k >= 1) {
    r.W = ScreenWidth * k;
    r.H = ScreenHeight * k;
  } else if (outputWidth * 3 >= outputHeight * 4) {
    r.H = outputHeight;  // wider than 4:3: bars left and right
    r.W = outputHeight * 4 / 3;
  } else {
    r.W = outputWidth;  // taller than 4:3: bars above and below
    r.H = outputWidth * 3 / 4;
  }
  r.X = (outputWidth - r.W) / 2;
  r.Y = (outputHeight - r.H) / 2;
  return r;
}

int32_t ReduceAxis(int value) {
  if (value <= -AxisDeadZone) return -32767;
  if (value >= AxisDeadZone) return 32767;
  return 0;
}

int32_t PadOrStick(bool negative, bool positive, int stick) {
  if (negative != positive) return negative ? -32767 : 32767;
  return ReduceAxis(stick);
}

std::string FindSoundFont(const char* fromEnvironment, const std::filesystem::path& dir) {
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
  std::error_code ec;
  const auto preferred = dir / "TimGM6mb.sf2";
  if (std::filesystem::is_regular_file(preferred, ec)) return preferred.string();
  std::vector<std::filesystem::path> found;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const auto& p = it->path();
    // is_regular_file follows links, so a dangling alternative is passed over.
    std::error_code fileError;
    if (p.extension() == ".sf2" && std::filesystem::is_regular_file(p, fileError)) found.push_back(p);
  }
  if (found.empty()) return {};
  return std::min_element(found.begin(), found.end())->string();
}

}  // namespace omb
