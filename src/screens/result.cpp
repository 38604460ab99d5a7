// The result: the game just played, and a short dialogue to keep its replay.
// Phase 0 asks whether to save, phase 1 chooses one of the 150 slots (by hand
// or the first free one), phase 2 confirms, warning when the slot is used.
// Every step back is a menu item; button 1 does nothing here.
#include "objects/motion.h"
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

constexpr int32_t ResultTextLimit = 399;

enum : int32_t { PhaseAsk = 0, PhaseChoose = 1, PhaseConfirm = 2 };
enum : int32_t { ItemAuto = 0, ItemPlus1 = 1, ItemPlus10 = 2, ItemPlus100 = 3, ItemOk = 4, ItemCancel = 5 };
constexpr std::string_view ChooseItems[] = {"AUTO", "+1", "+10", "+100", "OK", "CANCEL"};
constexpr int32_t SlotSteps[] = {0, 1, 10, 100, 0, 0};

void Line(int32_t& cursor, std::string_view text) { DrawText(cursor, text, true, 640, ResultTextLimit); }

// "No." + the chosen slot.
void SlotLine(int32_t& cursor) { Line(cursor, TextLine("No.").Add(ReplaySlot).View()); }

void LeaveToPhase(int32_t phase) {
  ScreenPhase = phase;
  MenuX = 0;
  MenuY = 0;
}

void AskFrame(int32_t& cursor) {
  MenuInput(0, 1, ScreenFrame);
  TextY = 96;
  Line(cursor, "SAVE YOUR REPLAY?");
  // Back from choosing a slot the cursor returns beside "YES" and "NO" too.
  SetPos(400, 288, 144 + 16 * MenuY);
  TextY = 144;
  Line(cursor, "YES");
  Line(cursor, "NO");
  TextY = 208;
  Line(cursor, "YOUR RESULT");
  TextY = 240;
  for (int32_t item = SummaryScore; item <= SummarySpecial; ++item) Line(cursor, SummaryLine(item).View());
  Line(cursor, StageSpanLine(ReplaySys[SysStartStage], Stage).View());

  if (MenuDecision != 1) return;
  if (MenuY == 0) {
    LeaveToPhase(PhaseChoose);
    ReplaySlot = 0;
    LoadReplayInfo(0, true);
  } else {
    GameState = StateTitle;
    MenuX = 0;
    MenuY = 0;
  }
}

// The date of the stored replay, nothing padded.
TextLine PlainDate() {
  TextLine line;
  constexpr char Separators[] = {'/', '/', ' ', ':', ':', '.'};
  for (int k = 0; k < 7; ++k) {
    if (k > 0) line.Add(Separators[k - 1]);
    line.Add(ReplaySys[static_cast<std::size_t>(SysDate + k)]);
  }
  return line;
}

void ChooseFrame(int32_t& cursor) {
  MenuX = 1;
  MenuInput(2, 5, ScreenFrame);
  const int32_t d = MenuX - 1;
  if (MenuY >= ItemPlus1 && MenuY <= ItemPlus100) {
    ReplaySlot = Clamp(ReplaySlot + d * SlotSteps[MenuY], 0, 149);
  }

  TextY = 96;
  Line(cursor, "CHOOSE A REPLAYFILE NUMBER");
  SlotLine(cursor);
  SetPos(400, 248, 160 + 16 * MenuY);
  TextY = 160;
  for (const std::string_view item : ChooseItems) Line(cursor, item);
  TextY = 288;
  if (ReplaySlotInUse(ReplaySlot)) {
    if (d != 0) LoadReplayInfo(ReplaySlot, true);
    Line(cursor, "FILE DATA");
    for (int32_t item = SummaryScore; item <= SummarySpecial; ++item) Line(cursor, SummaryLine(item).View());
    Line(cursor, StageSpanLine(ReplaySys[SysStartStage], ReplaySys[SysLastStage]).View());
    Line(cursor, PlainDate().View());
  } else {
    Line(cursor, "THIS FILE IS EMPTY.");
  }

  if (MenuDecision != 1) return;
  switch (MenuY) {
    case ItemAuto: ReplaySlot = AutoReplaySlot(); break;
    case ItemOk:
      LeaveToPhase(PhaseConfirm);
      if (ReplaySlotInUse(ReplaySlot)) {
        LoadReplayInfo(ReplaySlot, true);
      } else {
        LoadReplayInfo(0, false);
      }
      break;
    case ItemCancel:
      LeaveToPhase(PhaseAsk);
      LoadReplayInfo(0, false);  // the result of the game just played again
      break;
    default: break;
  }
}

void ConfirmFrame(int32_t& cursor) {
  MenuInput(0, 1, ScreenFrame);
  const bool used = ReplaySlotInUse(ReplaySlot);
  TextY = 96;
  Line(cursor, used ? "OVERWRITE OK?" : "OK?");
  SlotLine(cursor);
  SetPos(400, 280, 160 + 16 * MenuY);
  TextY = 160;
  Line(cursor, "YES");
  Line(cursor, "NO");
  TextY = 224;
  Line(cursor, used ? "OLD DATA" : "YOUR DATA");
  Line(cursor, SummaryLine(SummaryScore).View());

  if (MenuDecision != 1) return;
  if (MenuY == 0) {
    SaveReplay(ReplaySlot);
    GameState = StateTitle;
    MenuX = 0;
    MenuY = 0;
  } else {
    LeaveToPhase(PhaseChoose);
    LoadReplayInfo(ReplaySlot, true);
  }
}

}  // namespace

void ResultFrame() {
  int32_t cursor = 0;
  switch (ScreenPhase) {
    case PhaseAsk: AskFrame(cursor); break;
    case PhaseChoose: ChooseFrame(cursor); break;
    default: ConfirmFrame(cursor); break;
  }
  HideText(cursor + 1, ResultTextLimit);
  ScreenFrame += 1;
}

}  // namespace omb
