// The media components the game owns for its whole run.
#pragma once
#include <array>

#include "media/display.h"
#include "media/input.h"
#include "media/sound.h"
#include "media/sprites.h"
#include "media/surface.h"

namespace omb {

inline Display Screen;
inline SoundDevice Audio;
inline InputDevice Joy;
inline SpriteManager Sprites;
// Image sheets 1 to 11 (index 0 is unused).
inline std::array<Surface, 12> Sheets;

}  // namespace omb
