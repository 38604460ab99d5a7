// Start-up and shut-down sequences, and the display's events.
#include <string>

#include "media/music.h"
#include "media/platform.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "gameplay/collision.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/options.h"
#include "persistence/ranking.h"
#include "persistence/text_file.h"
#include "persistence/replay.h"
#include "shell/assets.h"
#include "shell/game_vars.h"
#include "shell/components.h"
#include "shell/shell.h"
#include "shell/sound_service.h"
#include "shell/start_values.h"
#include "shell/state_entry.h"

namespace omb {
namespace {

void ScreenRestore() {
  Screen.LoadPaletteFromArchive("cg.qda", "cg1.bmp");
  Screen.UpdatePalette();
}

void ScreenChangeDisplayMode() {
  Sheets[1].SetColorKey(Sheets[1].GetPixel(0, 0));
  // The window's client area is the platform's business: always 640 x 480.
}

}  // namespace

void ResetAllVariables() {
  ResetShell();
  ResetSoundService();
  ResetGameVars();
  ResetPlayerVars();
  ResetReplayVars();
  ResetStageScript();
  ResetEnemies();
  ResetCollision();
  ResetHud();
  ResetRankingTables();
  ResetObjects();
  RestoreStartValues<RandSeed>();
}

void FormCreate() {
  ResetAllVariables();
  Screen.OnRestore = ScreenRestore;
  Screen.OnChangeDisplayMode = ScreenChangeDisplayMode;
  LastTick = ThePlatform->GetTickCount();
}

void ScreenInit() {
  LoadSheets();
  Screen.BackColor = Screen.ColorMatch(0x000000);
  Sprites.Create();
  ResetSoundService();
  LoadWaves();
  LoadShapes();
  // The bullet types and the trigonometry tables are compile-time tables.
  if (!FileExists("ranking.txt")) ResetRanking();
  if (!FileExists("option.txt")) WriteDefaultOptions();
  ReadRanking();
  LoadOptions(true);
  PreloadTunes();  // after the music list, so no tune change in play reads a file
  GameStart();
  ResetWeaponSelect();
  EnterTitle();
  if (MusicOn && !MidiName[0].empty()) {
    const std::string open = "open " + MidiFileName + " alias FILE";
    MciSendString(open);
    MciSendString("play FILE notify");
  }
}

void FormDestroy() {
  WriteRanking();
  // A game with options of its own must not make them the player's.
  if (OptionsOverridden) ApplyOptionValues(false);
  SaveOptions();
  Audio.FreeAll();
  for (SoundWave& wave : WaveData) wave = SoundWave{};
  MciSendString("close FILE");
}

}  // namespace omb
