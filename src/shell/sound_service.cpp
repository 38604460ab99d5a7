#include "shell/sound_service.h"

#include <cstdio>
#include <cstring>

#include "media/music.h"
#include "media/platform.h"
#include "persistence/text_file.h"
#include "shell/components.h"
#include "shell/shell.h"

namespace omb {
namespace {

// Command strings are built here rather than in std::strings, so a tune
// change in the middle of play allocates nothing.
char CommandText[1200];

}  // namespace

void ResetSoundService() {
  SoundRequest.fill(false);
  SoundGap.fill(0);
  for (std::string& name : MidiName) name.clear();
  MidiFileName.clear();
  MidiFileName.reserve(sizeof CommandText);
}

void PreloadTunes() {
  if (ThePlatform == nullptr) return;
  for (const std::string& name : MidiName) {
    if (!name.empty()) ThePlatform->MusicPreload("midi/" + name);
  }
}

void PlayMidi(int n) {
  MciSendString("close FILE");
  MidiFileName.assign("midi/");
  MidiFileName.append(MidiName[n]);
  // A tune the music list does not name has been reported with the list;
  // there is nothing to open.
  if (MidiName[n].empty()) return;
  std::snprintf(CommandText, sizeof CommandText, "open %s alias FILE", MidiFileName.c_str());
  MciSendString(CommandText);
  if (MusicOn) MciSendString("play FILE notify");
}

void ServeSound() {
  for (int i = 0; i < SoundRequestCount; ++i) {
    ++SoundGap[i];
    if (SoundRequest[i]) {
      // A request sooner than three frames after the last start is dropped.
      if (SoundGap[i] >= 3) {
        SoundGap[i] = 0;
        Audio.Stop(i);
        Audio.Play(i);
      }
      SoundRequest[i] = false;
    }
  }
  if (MusicOn && FrameCount % 50 == 0 && FileExists(MidiFileName.c_str())) {
    char reply[16] = {};
    MciSendString("status FILE mode", reply, sizeof reply);
    if (std::strncmp(reply, "playing", 7) != 0) {
      MciSendString("seek FILE to start");
      MciSendString("play FILE notify");
    }
  }
}

}  // namespace omb
