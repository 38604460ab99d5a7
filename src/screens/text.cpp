#include "screens/text.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "shell/components.h"
#include "shell/game_vars.h"

namespace omb {

TextLine& TextLine::Add(std::string_view text) {
  const int n = std::min(static_cast<int>(text.size()), Capacity - length_);
  std::copy_n(text.data(), n, text_ + length_);
  length_ += n;
  return *this;
}

TextLine& TextLine::Add(char c) { return Add(std::string_view(&c, 1)); }

TextLine& TextLine::Add(int64_t n) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  return Add(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void DrawText(int32_t& cursor, std::string_view text, bool centred, int32_t width, int32_t limit) {
  const int32_t n = static_cast<int32_t>(text.size());
  cursor += n;
  if (centred) TextX = width / 2 - 8 * (n - 1);
  for (int32_t i = 0; i < n; ++i) {
    const int32_t r = cursor - i;
    if (r < 1 || r > limit) continue;
    SpriteRegister& glyph = Sprites.Sprite(r);
    glyph.X = TextX + 16 * i;
    glyph.Y = TextY;
    glyph.Visible = true;
    // The font covers character codes 32 to 127; anything else is a space.
    const auto code = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
    glyph.Shape = code >= 32 && code <= 127 ? code - 32 : 0;
    glyph.Frame = 0;
    Sprites.SetDrawWidth(r, 16);
    Sprites.SetDrawHeight(r, 16);
  }
  TextY += 16;
}

void HideText(int32_t from, int32_t to) {
  for (int32_t r = std::max(from, 1); r <= to; ++r) Sprites.Hide(r);
}

TextLine Marquee(std::string_view text, int32_t offset, int32_t count) {
  TextLine line;
  const auto length = static_cast<int32_t>(text.size());
  if (length == 0) return line;
  const int32_t start = (offset % length + length) % length;
  for (int32_t i = 0; i < count; ++i) line.Add(text[static_cast<std::size_t>((start + i) % length)]);
  return line;
}

namespace {

template <std::size_t N>
TextLine Name(const std::array<std::string_view, N>& names, int32_t value) {
  if (value >= 0 && value < static_cast<int32_t>(N)) return TextLine(names[static_cast<std::size_t>(value)]);
  return TextLine("?_").Add(value);
}

constexpr std::array<std::string_view, 3> SubShotNames = {"TILT", "CURVE", "WAVE"};
constexpr std::array<std::string_view, 3> SpecialWeaponNames = {"LASER", "ENERGY", "AIM"};
constexpr std::array<std::string_view, 5> GameModeNames = {"NORMAL", "TECHNICAL", "NON-BARRIER", "THEATER",
                                                           "ANOTHER"};
constexpr std::array<std::string_view, 4> ButtonFunctionNames = {"SHOT", "BOMB", "BARRIER", "NONE"};
constexpr std::array<std::string_view, 5> BulletStyleNames = {"NORMAL", "SMALL", "BIG", "MICRO", "HUGE"};

}  // namespace

TextLine SubShotName(int32_t value) { return Name(SubShotNames, value); }
TextLine SpecialWeaponName(int32_t value) { return Name(SpecialWeaponNames, value); }
TextLine GameModeName(int32_t value) { return Name(GameModeNames, value); }
TextLine ButtonFunctionName(int32_t value) { return Name(ButtonFunctionNames, value); }
TextLine BulletStyleName(int32_t value) { return Name(BulletStyleNames, value); }
std::string_view YesNo(bool b) { return b ? "YES" : "NO"; }
std::string_view OnOff(bool b) { return b ? "ON" : "OFF"; }

TextLine ZeroPad(int64_t n, int32_t w) {
  const TextLine digits = TextLine().Add(n);
  TextLine line;
  for (int32_t k = digits.Length(); k < w; ++k) line.Add('0');
  return line.Add(digits);
}

TextLine PadLine(std::string_view left, std::string_view right) {
  TextLine line(left);
  const auto used = static_cast<int32_t>(left.size() + right.size());
  for (int32_t k = used; k < LineWidth; ++k) line.Add(' ');
  return line.Add(right);
}

}  // namespace omb
