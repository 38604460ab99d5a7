// Replay select: fifteen pages of ten slots, left and right turn the pages,
// up and down pick a slot or EXIT. The summary of the slot under the cursor
// is shown below the list; confirming a playable slot presents its summary
// for 250 frames, a character more each frame, and then plays it back.
#include "objects/objects.h"
#include "persistence/replay.h"
#include "screens/replay_summary.h"
#include "screens/screens.h"
#include "screens/text.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int32_t ReplayTextLimit = 399;
constexpr int32_t PresentationFrames = 250;

// MenuX is the page, MenuY 0 is EXIT and 1 to 10 the page's slots.
int32_t SlotUnderCursor() { return 10 * MenuX + MenuY - 1; }

int32_t DecimalDigits(int32_t n) {
  int32_t digits = 1;
  for (; n >= 10; n /= 10) ++digits;
  return digits;
}

void ChooseFrame(int32_t& cursor) {
  const int32_t before = SlotUnderCursor();
  MenuInput(14, 10, ScreenFrame);
  const int32_t s = SlotUnderCursor();
  if (s != before && MenuY != 0) LoadReplayInfo(s, true);

  TextY = 32;
  DrawText(cursor, "REPLAY SELECT", true, 640, ReplayTextLimit);
  TextY = 80;
  DrawText(cursor, "EXIT", true, 640, ReplayTextLimit);
  // Beside the "No." line, which grows to the left with the slot's digits.
  SetPos(400, s >= 1 ? 272 - 8 * (DecimalDigits(s) - 1) : 272, 96 + 16 * (MenuY - 1));
  TextY = 96;
  for (int32_t i = 0; i < 10; ++i) {
    DrawText(cursor, TextLine("No.").Add(10 * MenuX + i).View(), true, 640, ReplayTextLimit);
  }
  const bool onSlot = MenuY != 0;
  const bool used = onSlot && ReplaySlotInUse(s);
  if (onSlot) {
    TextY = 288;
    DrawText(cursor, "FILE DATA", true, 640, ReplayTextLimit);
    if (used) {
      TextY = 320;
      for (int32_t item = 0; item < SummaryFileDataLines; ++item) {
        DrawText(cursor, SummaryLine(item).View(), true, 640, ReplayTextLimit);
      }
    } else {
      TextY = 368;
      DrawText(cursor, "NO DATA", true, 640, ReplayTextLimit);
    }
  }

  if (MenuDecision != 1) return;
  if (!onSlot) {
    GameState = StateTitle;
    MenuX = 0;
    MenuY = 0;
  } else if (used && ReplaySlotPlayable(s)) {
    Sprites.Hide(400);
    ScreenPhase = 1;
    ScreenFrame = 0;
    ReplayPlaying = true;
    ReplaySlot = s;
    Stage = ReplaySys[SysStartStage];
  }
}

// Registers fill in order: line by line from the top, each line from its
// last character back to its first.
void PresentFrame(int32_t& cursor) {
  TextY = 80;
  for (int32_t item = 0; item < SummaryLines; ++item) {
    DrawText(cursor, SummaryLine(item).View(), true, 640, ReplayTextLimit);
    TextY += 16;
  }
  if (ScreenFrame == PresentationFrames) {
    GameState = StatePlay;
  } else {
    HideText(ScreenFrame, cursor + 1);
  }
}

}  // namespace

void ReplaySelectFrame() {
  int32_t cursor = 0;
  if (ScreenPhase == 0) {
    ChooseFrame(cursor);
  } else {
    PresentFrame(cursor);
  }
  HideText(cursor + 1, ReplayTextLimit);
  ScreenFrame += 1;
}

}  // namespace omb
