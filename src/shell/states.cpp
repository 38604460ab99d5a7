#include "shell/states.h"

#include "objects/objects.h"
#include "shell/components.h"
#include "shell/shell.h"
#include "shell/state_entry.h"

namespace omb {

void RunStateHandler(int32_t state) {
  // The front-end screens and the play frame plug in here as they are built.
  switch (state) {
    case StateTitle:
    case StateRanking:
    case StateOptions:
    case StateReplaySelect:
    case StateWeaponSelect:
    case StatePlay:
    case StateResult:
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

void SaveOptionsOnLeave() {
  // The option file arrives with the options screen; nothing to save before.
}

}  // namespace omb
