// The title: choose the starting stage with left and right, a menu item with
// up and down, while the credit line scrolls along the bottom.
#include <array>
#include <string_view>

#include "screens/screens.h"
#include "screens/text.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int32_t TitleTextLimit = 109;

// Who made the game, which version, and when it came out; the three spaces
// at the end keep the two ends of the line apart as it scrolls round.
constexpr std::string_view CreditLine = "MADE BY OMBREZZA TEAM  VER 0.9  2026.12.7";
constexpr std::string_view CreditText = "MADE BY OMBREZZA TEAM  VER 0.9  2026.12.7   ";
static_assert(CreditLine.size() == 41);
static_assert(CreditText.size() == 44 && CreditText.substr(0, 41) == CreditLine);

constexpr std::array<std::string_view, 5> TitleItems = {"GAMESTART", "REPLAY", "RANKING", "OPTION", "EXIT"};
// Where each item leads.
constexpr std::array<int32_t, 5> TitleTargets = {StateWeaponSelect, StateReplaySelect, StateRanking, StateOptions,
                                                 StateQuit};

}  // namespace

void TitleFrame() {
  MenuInput(StageCount - 1, static_cast<int32_t>(TitleItems.size()) - 1, FrameCount);  // the stage, the item

  int32_t cursor = 0;
  TextY = 252;
  DrawText(cursor, TextLine("<STAGE:").Add(MenuX + 1).Add('>').View(), true, 640, TitleTextLimit);
  TextY = 300;
  for (const std::string_view item : TitleItems) {
    DrawText(cursor, item, true, 640, TitleTextLimit);
    TextY += 4;
  }
  TextY = 448;
  DrawText(cursor, Marquee(CreditText, MarqueeOffset, 16).View(), true, 640, TitleTextLimit);
  if (FrameCount % 15 == 0) MarqueeOffset += 1;
  HideText(cursor + 1, TitleTextLimit);

  Sprites.Sprite(400).Y = 300 + 20 * MenuY;

  if (MenuDecision == 1) {
    if (MenuY >= 0 && MenuY < static_cast<int32_t>(TitleTargets.size())) GameState = TitleTargets[MenuY];
    Stage = MenuX + 1;
    MenuX = 0;
    MenuY = 0;
  }
}

}  // namespace omb
