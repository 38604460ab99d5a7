#include "shell/states.h"

#include "gameplay/player.h"
#include "objects/objects.h"
#include "persistence/options.h"
#include "screens/screens.h"
#include "shell/game_vars.h"
#include "shell/components.h"
#include "shell/shell.h"
#include "shell/state_entry.h"

namespace omb {

namespace {

void StartDirectPlay() {
  DirectPlay& d = DirectPlayRequest;
  d.Pending = false;
  Stage = d.Stage;
  ResetWeaponSelect();
  SubShot = d.SubShot;
  SpecialWeapon = d.SpecialWeapon;
  // Before entering play: GameStart sizes the bullets by the style.
  OptionsOverridden = d.GameMode || d.BulletStyle || d.Buttons;
  GameMode = d.GameMode.value_or(GameMode);
  BulletStyle = d.BulletStyle.value_or(BulletStyle);
  ButtonFunction = d.Buttons.value_or(ButtonFunction);
  GameState = StatePlay;
}

}  // namespace

void RunStateHandler(int32_t state) {
  if (state == StateTitle && DirectPlayRequest.Pending) {
    StartDirectPlay();
    return;
  }
  switch (state) {
    case StateTitle: TitleFrame(); break;
    case StateRanking: RankingFrame(); break;
    case StateOptions: OptionsFrame(); break;
    case StateReplaySelect: ReplaySelectFrame(); break;
    case StateWeaponSelect: WeaponSelectFrame(); break;
    case StatePlay: PlayFrame(); break;
    case StateResult: ResultFrame(); break;
    default:
      break;
  }
}

void RunStateEntry(int32_t state) {
  switch (state) {
    case StateTitle: EnterTitle(); break;
    case StateRanking: EnterRanking(); break;
    case StateOptions: EnterOptions(); break;
    case StateReplaySelect: EnterReplaySelect(); break;
    case StateWeaponSelect: EnterWeaponSelect(); break;
    case StatePlay:
      GameStart();
      EnterPlay();
      break;
    case StateResult: EnterResult(); break;
    default: break;
  }
}

void ReleaseAllSlots() { ReleaseRange(0, ObjectCount); }

}  // namespace omb
