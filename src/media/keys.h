// Keyboard keys by position, numbered by their USB usage codes so that a
// platform can hand over its scan codes unchanged.
#pragma once
#include <cstdint>

namespace omb {

enum Key : uint16_t {
  KeyNone = 0,
  KeyA = 4, KeyC = 6, KeyD = 7, KeyP = 19, KeyS = 22, KeyX = 27, KeyZ = 29,
  Key1 = 30, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9, Key0,
  KeyEscape = 41, KeySpace = 44,
  KeyF1 = 58, KeyF2 = 59, KeyF5 = 62, KeyF12 = 69, KeyPause = 72,
  KeyRight = 79, KeyLeft = 80, KeyDown = 81, KeyUp = 82,
  KeyPad1 = 89, KeyPad2, KeyPad3, KeyPad4, KeyPad5, KeyPad6, KeyPad7, KeyPad8, KeyPad9,
};

constexpr int KeyCount = 512;

}  // namespace omb
