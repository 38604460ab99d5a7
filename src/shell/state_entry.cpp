#include "shell/state_entry.h"

#include "objects/motion.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {

void EnterTitle() {
  RandSeed = 0;
  // The menu variables, the replay flag and the title's sprites come with
  // the title screen; the stored options are read again by LoadOptions.
  if (MidiFileName != "midi/" + MidiName[0]) PlayMidi(0);
}

void EnterRanking() {}
void EnterOptions() {}
void EnterReplaySelect() {}

void EnterWeaponSelect() { StageFrame = 0; }

void GameStart() {
  // The game variables, the replay settings and the first stage are set up
  // here as the play frame is built.
  StageStart();
}

void StageStart() { FrameCount = 0; StageFrame = 0; }

void EnterPlay() {}
void EnterResult() {}

}  // namespace omb
