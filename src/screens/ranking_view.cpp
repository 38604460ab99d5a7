// The ranking view: the ten best scores of one game mode, with the weapons
// each was made with; left and right turn through the modes.
#include "persistence/ranking.h"
#include "screens/screens.h"
#include "screens/text.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int32_t RankingTextLimit = 300;

// "1st  ", "2nd  ", ..., "10th ": the score starts at the sixth character in
// every row, two-digit place or not.
std::string_view PlaceSuffix(int32_t row) {
  switch (row) {
    case 0: return "st  ";
    case 1: return "nd  ";
    case 2: return "rd  ";
    case 9: return "th ";
    default: return "th  ";
  }
}

}  // namespace

void RankingFrame() {
  MenuInput(4, 0, -1);
  if (MenuDecision == 1) {
    MenuX = 0;
    MenuY = 0;
    GameState = StateTitle;
  }

  int32_t cursor = 0;
  TextY = 24;
  DrawText(cursor, GameModeName(MenuX).View(), true, 640, RankingTextLimit);
  // MenuX only ever leaves the title as 0 and wraps within the five modes.
  const RankingTable& table = Ranking[static_cast<std::size_t>(MenuX >= 0 && MenuX < 5 ? MenuX : 0)];
  for (int32_t r = 0; r < 10; ++r) {
    const int32_t y = 64 + 40 * r;
    TextX = 160;
    TextY = y;
    DrawText(cursor, TextLine().Add(r + 1).Add(PlaceSuffix(r)).Add(table[r]).View(), false, 0, RankingTextLimit);
    TextX = 224;
    TextY = y + 16;
    DrawText(cursor, SubShotName(table[10 + r]).View(), false, 0, RankingTextLimit);
    TextX = 352;
    TextY = y + 16;
    DrawText(cursor, SpecialWeaponName(table[20 + r]).View(), false, 0, RankingTextLimit);
  }
  HideText(cursor + 1, RankingTextLimit);
}

}  // namespace omb
