// Text on screen: lines of 16 x 16 glyph sprites, and the small routines
// that turn values into the words the screens and the play panel show. A line
// is built in a fixed buffer, so drawing text in a play frame allocates
// nothing.
#pragma once
#include <cstdint>
#include <string_view>

namespace omb {

// A line of text of at most Capacity characters; what does not fit is cut.
class TextLine {
 public:
  static constexpr int Capacity = 120;

  TextLine() = default;
  TextLine(std::string_view text) { Add(text); }  // implicit: a line from a literal

  TextLine& Add(std::string_view text);
  TextLine& Add(char c);
  TextLine& Add(int64_t n);  // in decimal, "-" before a negative value
  TextLine& Add(int32_t n) { return Add(static_cast<int64_t>(n)); }
  TextLine& Add(const TextLine& other) { return Add(other.View()); }
  template <typename T>
  TextLine& operator<<(const T& value) {
    return Add(value);
  }

  std::string_view View() const { return {text_, static_cast<std::size_t>(length_)}; }
  int Length() const { return length_; }

 private:
  char text_[Capacity] = {};
  int length_ = 0;
};

// Registers counted from 1 hold the characters of a screen's text; each
// screen starts its frame at 0 and hides the registers it did not use.
// DrawText writes `text` at (TextX, TextY) into registers cursor + 1 to
// cursor + length, the first character in the highest, and moves the pen a
// line down. Centred, the line is centred on width / 2. Characters whose
// register would lie beyond `limit` are not drawn, so a long line never
// overwrites the sprites that follow the text registers.
void DrawText(int32_t& cursor, std::string_view text, bool centred = false, int32_t width = 0,
              int32_t limit = 107);
// Hides registers from..to.
void HideText(int32_t from, int32_t to);

// The count characters of text from position offset, taken cyclically.
TextLine Marquee(std::string_view text, int32_t offset, int32_t count);

TextLine SubShotName(int32_t value);
TextLine SpecialWeaponName(int32_t value);
TextLine GameModeName(int32_t value);
TextLine ButtonFunctionName(int32_t value);
TextLine BulletStyleName(int32_t value);
std::string_view YesNo(bool b);
std::string_view OnOff(bool b);
// n in decimal, "0"s added in front until it has w characters.
TextLine ZeroPad(int64_t n, int32_t w);
// left, spaces, right: LineWidth characters in all, unless the two need more.
TextLine PadLine(std::string_view left, std::string_view right);

}  // namespace omb
