// The front-end screens without a window: the game test's start, and input
// words set by hand one frame at a time.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "game_test.h"
#include "screens/screens.h"
#include "shell/game_vars.h"
#include "shell/sound_service.h"
#include "shell/states.h"

namespace omb {

// The text of the screen on row y, as the player reads it: every shown text
// register (1 to 300) on that row, a character every 16 pixels from the
// leftmost one, trailing spaces cut. Stray glyphs show up as extra letters.
inline std::string ScreenRow(int32_t y, int32_t* left = nullptr) {
  int32_t x0 = 1 << 30, x1 = -(1 << 30);
  for (int r = 1; r <= 300; ++r) {
    const SpriteRegister& g = Sprites.Sprite(r);
    if (!g.Visible || g.Y != y) continue;
    x0 = std::min(x0, g.X);
    x1 = std::max(x1, g.X);
  }
  if (left != nullptr) *left = x0;
  if (x0 > x1) return "";
  std::string row(static_cast<std::size_t>((x1 - x0) / 16 + 1), ' ');
  for (int r = 1; r <= 300; ++r) {
    const SpriteRegister& g = Sprites.Sprite(r);
    if (!g.Visible || g.Y != y) continue;
    // A glyph off the 16-pixel grid of its row is out of place.
    if ((g.X - x0) % 16 != 0) return "misaligned";
    row[static_cast<std::size_t>((g.X - x0) / 16)] = static_cast<char>(g.Shape + 32);
  }
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

// The rows at the given heights, top to bottom as listed.
inline std::vector<std::string> ScreenRows(std::initializer_list<int32_t> ys) {
  std::vector<std::string> rows;
  for (const int32_t y : ys) rows.push_back(ScreenRow(y));
  return rows;
}

inline int CountShownText() {
  int n = 0;
  for (int r = 1; r <= 300; ++r) n += Sprites.Sprite(r).Visible ? 1 : 0;
  return n;
}

class ScreenTest : public GameTest {
 protected:

  // The state's entry routine, as when the game arrives there.
  void Enter(int32_t state) {
    GameState = PrevGameState = state;
    EnterState(state);
  }
  // This frame's input: what was there before becomes the previous words.
  void Input(int32_t x, int32_t y, int32_t buttons = 0) {
    AxisXPrev = AxisX;
    AxisYPrev = AxisY;
    ButtonsPrev = ButtonsNow;
    AxisX = x;
    AxisY = y;
    ButtonsNow = buttons;
  }
  // One frame of the current state with the given input, sound requests
  // cleared first so that they show what this frame asked for.
  void Frame(int32_t x = 0, int32_t y = 0, int32_t buttons = 0) {
    Input(x, y, buttons);
    SoundRequest.fill(false);
    RunStateHandler(GameState);
    ++FrameCount;
  }
  // A new press, then letting go.
  void Press(int32_t x, int32_t y, int32_t buttons = 0) {
    Frame(x, y, buttons);
    Frame();
  }
};

}  // namespace omb
