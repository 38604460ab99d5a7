#include "media/input.h"

#include "media/platform.h"

namespace omb {

void InputDevice::ResetKeyTables() {
  KeyTable1.fill(KeyNone);
  KeyTable2.fill(KeyNone);
  const Key buttons[] = {KeyZ, KeyX, KeyC, KeyA, KeyS, KeyD, Key1, Key2,
                         Key3, Key4, Key5, Key6, Key7, Key8, Key9, Key0};
  for (int i = 0; i < 16; ++i) KeyTable1[i] = buttons[i];
  KeyTable2[0] = KeySpace;
  KeyTable2[1] = KeyEscape;
  KeyTable1[Up] = KeyUp;
  KeyTable1[Down] = KeyDown;
  KeyTable1[Left] = KeyLeft;
  KeyTable1[Right] = KeyRight;
  KeyTable2[Up] = KeyPad8;
  KeyTable2[Down] = KeyPad2;
  KeyTable2[Left] = KeyPad4;
  KeyTable2[Right] = KeyPad6;
  KeyTable2[UpLeft] = KeyPad7;
  KeyTable2[UpRight] = KeyPad9;
  KeyTable2[DownLeft] = KeyPad1;
  KeyTable2[DownRight] = KeyPad3;
}

bool InputDevice::Held(int entry) const {
  auto down = [this](Key k) { return k != KeyNone && k < KeyCount && keys_[k]; };
  return down(KeyTable1[entry]) || down(KeyTable2[entry]);
}

void InputDevice::Poll() {
  keys_.fill(false);
  JoystickState joy;
  if (ThePlatform != nullptr) {
    ThePlatform->ReadKeyboard(keys_);
    ThePlatform->ReadJoystick(joy);
  }
  const bool up = Held(Up) || Held(UpLeft) || Held(UpRight);
  const bool down = Held(Down) || Held(DownLeft) || Held(DownRight);
  const bool left = Held(Left) || Held(UpLeft) || Held(DownLeft);
  const bool right = Held(Right) || Held(UpRight) || Held(DownRight);
  const int32_t keyY = up == down ? 0 : (up ? -32767 : 32767);
  const int32_t keyX = left == right ? 0 : (left ? -32767 : 32767);
  // The joystick joins the keyboard by bitwise or, axes and buttons alike.
  AxisX = keyX | joy.AxisX;
  AxisY = keyY | joy.AxisY;
  for (int i = 0; i < ButtonCount; ++i) {
    const uint8_t key = Held(i) ? 128 : 0;
    const uint8_t pad = (joy.Buttons >> i) & 1u ? 128 : 0;
    Buttons[i] = key | pad;
  }
}

std::array<int32_t, 8> InputDevice::GetAxes() const {
  auto sign = [](int32_t v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
  return {sign(AxisX), sign(AxisY), 0, 0, 0, 0, 0, 0};
}

bool InputDevice::Button(int index) const {
  return index >= 0 && index < ButtonCount && Buttons[index] >= 128;
}

}  // namespace omb
