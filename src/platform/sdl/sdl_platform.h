// The player's platform: an SDL window, SDL_mixer sound channels and MIDI
// music, keyboard and the first joystick.
#pragma once
#include <memory>
#include <string>

#include "media/platform.h"

namespace omb {

struct SdlOptions {
  int Scale = 1;            // window client area is 640*Scale x 480*Scale
  bool PauseOnFocusLoss = true;  // pause while the window lacks the focus
};

// Opens the window and whatever sound and input devices there are. Returns
// nullptr with the reason in `error` only when there is no video; missing
// audio, soundfont or joystick are reported once on stderr and play on.
std::unique_ptr<Platform> CreateSdlPlatform(const SdlOptions& options, std::string& error);

}  // namespace omb
