// The options screen: thirteen items in a list that turns round so that the
// selected one is always the top line, beside the cursor. Up and down select,
// left and right change the value; changed values stop at their ends.
#include "media/music.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/options.h"
#include "persistence/ranking.h"
#include "screens/screens.h"
#include "screens/text.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int32_t OptionsTextLimit = 300;
constexpr int32_t OptionItems = 13;

enum : int32_t {
  ItemExit = 0,
  ItemButton1 = 1,
  ItemButton6 = 6,
  ItemMidi = 7,
  ItemGameMode = 8,
  ItemRankingClear = 9,
  ItemWait = 10,
  ItemDraw = 11,
  ItemBullet = 12,
};

// d is -1 for a new left press, +1 for a new right press; either toggles.
void ChangeItem(int32_t item, int32_t d) {
  if (item == ItemExit) {
    if (MenuDecision == 1) {
      SaveOptions();
      MenuX = 0;
      MenuY = 0;
      GameState = StateTitle;
    }
    return;
  }
  if (d == 0) return;
  if (item >= ItemButton1 && item <= ItemButton6) {
    int32_t& function = ButtonFunction[static_cast<std::size_t>(item - ItemButton1)];
    function = Clamp(function + d, 0, 3);
    return;
  }
  switch (item) {
    case ItemMidi:
      MusicOn = !MusicOn;
      MciSendString(MusicOn ? "play FILE notify" : "stop FILE");
      break;
    case ItemGameMode: GameMode = Clamp(GameMode + d, 0, 4); break;
    case ItemRankingClear: RankingClear = !RankingClear; break;
    case ItemWait: WaitOn = !WaitOn; break;
    case ItemDraw: FrameSkip = Clamp(FrameSkip + d, 1, 5); break;
    case ItemBullet: BulletStyle = Clamp(BulletStyle + d, 0, 4); break;
    default: break;
  }
}

// The line of one item: its label and its value, LineWidth characters.
TextLine ItemLine(int32_t item) {
  if (item == ItemExit) return TextLine("--- EXIT ---");
  if (item >= ItemButton1 && item <= ItemButton6) {
    const TextLine label = TextLine("BUTTON").Add(item);
    return PadLine(label.View(), ButtonFunctionName(ButtonFunction[static_cast<std::size_t>(item - 1)]).View());
  }
  switch (item) {
    case ItemMidi: return PadLine("MIDI", OnOff(MusicOn));
    case ItemGameMode: return PadLine("GAMEMODE", GameModeName(GameMode).View());
    case ItemRankingClear: return PadLine("RANKINGCLEAR", YesNo(RankingClear));
    case ItemWait: return PadLine("WAIT", OnOff(WaitOn));
    case ItemDraw: return PadLine("DRAW", TextLine("1/").Add(FrameSkip).View());
    case ItemBullet: return PadLine("BULLET", BulletStyleName(BulletStyle).View());
    default: return TextLine();
  }
}

}  // namespace

void OptionsFrame() {
  MenuX = 1;
  MenuInput(2, OptionItems - 1, ScreenFrame);
  const int32_t d = MenuX - 1;

  int32_t cursor = 0;
  TextY = 32;
  DrawText(cursor, "up or down -> select items", true, 640, OptionsTextLimit);
  DrawText(cursor, "left or right -> value change", true, 640, OptionsTextLimit);
  TextY += 80;

  SetPos(400, 144, 144);
  ChangeItem(MenuY, d);

  for (int32_t k = 0; k < 10; ++k) {
    DrawText(cursor, ItemLine((MenuY + k) % OptionItems).View(), true, 640, OptionsTextLimit);
  }
  HideText(cursor + 1, OptionsTextLimit);
  ScreenFrame += 1;
}

}  // namespace omb
