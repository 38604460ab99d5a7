// The SDL platform's arithmetic and look-ups, kept apart from SDL so they can
// be tested without a window or a sound device.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace omb {

// Where the 640 x 480 picture goes in an output of the given size: the
// largest whole multiple that fits, centred; when not even 1x fits, the
// largest 4:3 rectangle. The rest of the output is black bars.
struct PictureRect {
  int X = 0, Y = 0, W = 0, H = 0;
  bool operator==(const PictureRect&) const = default;
};
PictureRect FitPicture(int outputWidth, int outputHeight);

// A stick axis (-32768..32767) as the game sees it: the middle quarter of
// the range is rest, anything beyond is full deflection.
constexpr int AxisDeadZone = 8192;
int32_t ReduceAxis(int value);

// One direction from a stick and a digital pad: a pad pressed one way wins
// over the stick; both ways or neither leaves the stick.
int32_t PadOrStick(bool negative, bool positive, int stick);

// The soundfont for MIDI music: `fromEnvironment` (SDL_SOUNDFONTS) as it is
// when set, else TimGM6mb.sf2 in `dir`, else the first *.sf2 there by name.
// Empty when there is none.
std::string FindSoundFont(const char* fromEnvironment, const std::filesystem::path& dir);

}  // namespace omb
