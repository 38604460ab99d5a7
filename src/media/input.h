// The input component: the keyboard and the first joystick merged into one
// state per Poll.
#pragma once
#include <array>
#include <cstdint>

#include "media/keys.h"

namespace omb {

class InputDevice {
 public:
  static constexpr int ButtonCount = 32;
  // Key table entries: 0..31 buttons, then the eight directions.
  enum Direction { Up = 32, Down, Left, Right, UpLeft, UpRight, DownLeft, DownRight, TableSize };

  InputDevice() { ResetKeyTables(); }

  std::array<Key, TableSize> KeyTable1{};
  std::array<Key, TableSize> KeyTable2{};
  void ResetKeyTables();

  // Reads the keyboard and the joystick from the platform into the merged
  // state.
  void Poll();

  // The merged axes reduced to -1, 0 or +1 (X is axis 0, Y axis 1; the other
  // six, like the point-of-view hats, the game never reads and stay 0).
  std::array<int32_t, 8> GetAxes() const;
  bool Button(int index) const;

  // The merged raw state, for tests.
  int32_t AxisX = 0, AxisY = 0;
  std::array<uint8_t, ButtonCount> Buttons{};

 private:
  std::array<bool, KeyCount> keys_{};
  bool Held(int entry) const;
};

}  // namespace omb
