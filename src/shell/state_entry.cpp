// The entry routine of every game state, and the set-up of a game and of each
// stage. Every random number a game draws before its first play frame is
// drawn here, in this order: the stage script, then the stars.
#include "shell/state_entry.h"

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "enemies/stages.h"
#include "gameplay/hud.h"
#include "gameplay/player.h"
#include "gameplay/stars.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/options.h"
#include "persistence/replay.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// The menu cursor: shape 96 cycling through its eight frames.
void ActivateCursor(int32_t x, int32_t y) {
  Activate(400, x, y);
  SpriteRegister& cursor = Sprites.Sprite(400);
  cursor.Shape = 96;
  cursor.FirstFrame = 0;
  cursor.LastFrame = 7;
  cursor.PingPong = false;
}

void ActivateShape(int slot, int32_t x, int32_t y, int32_t shape) {
  Activate(slot, x, y);
  Sprites.Sprite(slot).Shape = shape;
}

// The side panel: five tiles stacked at the right of the field.
void ActivatePanelTiles() {
  for (int k = 0; k < 5; ++k) ActivateShape(120 + k, 480, 96 * k, 104);
}

void ActivateShipAndPods() {
  ActivateShape(PlayerSlot, 216, 420, 153);
  ObjectTable[PlayerSlot].HitScale = 0;  // hit only at its centre point
  const int32_t shipX = Sprites.Sprite(PlayerSlot).X;
  for (int k = 0; k < 2; ++k) {
    ActivateShape(PodLeftSlot + k, shipX + (2 * k - 1) * 48 + 8, 444, 166);
    ObjectTable[PodLeftSlot + k].HitScale = 100;
  }
}

}  // namespace

void EnterTitle() {
  RandSeed = 0;
  MenuX = 0;
  MenuY = 0;
  MarqueeOffset = 0;
  ReplayPlaying = false;
  BulletsFired = 0;
  BulletsFiredMark = 0;
  GameCleared = 0;
  if (MidiFileName != "midi/" + MidiName[0]) PlayMidi(0);
  // Undoes what a replay or a game from the command line set; pacing and
  // frame skip stay as they are.
  LoadOptions(false);
  ActivateCursor(240, 300);
  ActivateShape(401, 192, 78, 149);
}

void EnterRanking() { MenuY = 0; }

void EnterOptions() {
  MenuY = 1;
  ScreenPhase = 0;
  ScreenFrame = 0;
  LineWidth = 20;
  ActivateCursor(160, 192);
}

void EnterReplaySelect() {
  MenuX = 0;
  MenuY = 0;
  ScreenPhase = 0;
  ScreenFrame = 0;
  LoadReplayInfo(0, true);
  FindUsedReplaySlots();
  ActivateCursor(272, 80);
}

void ResetWeaponSelect() {
  MenuX = 0;
  MenuY = 0;
  PodAngle = 0;
  BarrierSize = 0;
  StageFrame = 0;
  SubShot = 0;
  SpecialWeapon = 0;
}

void EnterWeaponSelect() {
  ResetWeaponSelect();
  ActivateShipAndPods();
  ActivatePanelTiles();
}

void GameStart() {
  BulletCount = 0;
  Score = 0;
  if (Stage < 1 || Stage > StageCount) Stage = 1;
  WriteReplaySettings();  // a live game only
  ReplayFrame = 0;
  StageStart();
  ResetBulletTypes();
  PlayerGameStart();
  ScriptHold = false;
  AllClear = false;
  PlayTime = 0;
  // A replay's summary put its own counts here to be shown; a game counts
  // its own from zero, so a replayed game ends with the counts it recorded.
  BulletsFired = 0;
  BulletsFiredMark = 0;
  GameCleared = 0;
}

void StageStart() {
  ResetBossState();
  ScriptPos = 0;
  FrameCount = 0;
  BuildStageScript(LookOf(Stage));
  BuildEnemyKinds();
  if (GameMode == ModeAnother) {
    Player.ContactGoal = 1000;
    Player.ContactCount = 0;
  } else {
    Player.ContactGoal = 1;
  }
  Bombs.UsedAtStageStart = Bombs.Used;
  StageFrame = 0;
  GameOverTimer = 0;
  AimTarget = 0;
  BonusCount = 0;
  BonusGoal = 10;
  ShowBanner(BannerStage, 200);
  PlayMidi(2 * Stage - 1);
  if (ReplayPlaying) LoadStageInput();
  SaveStageReplay(0);  // a live game: the stage just finished
  ReplayFrame = 0;
}

void EnterPlay() {
  ActivateShipAndPods();
  for (int m = MarkerFirst; m <= MarkerLast; ++m) {
    ActivateShape(m, CenterX(PlayerSlot) - 8, CenterY(PlayerSlot) - 8, 334);
    Sprites.Sprite(m).FirstFrame = 0;
    Sprites.Sprite(m).LastFrame = 7;
    Sprites.Hide(m);
    ObjectTable[m].HitScale = 100;
  }
  ActivateShape(110, 480, 224, 127);
  ActivateShape(111, 480, 224, 126);
  Sprites.SetDrawWidth(111, 160);
  ActivateShape(112, 0, 470, 128);
  Sprites.Hide(112);
  ActivateShape(113, 0, 452, 125);
  Sprites.Hide(113);
  for (int k = 0; k < 3; ++k) {
    ActivateShape(114 + k, 25 + 6 * k, 452, 105);
    Sprites.Hide(114 + k);
  }
  ActivateShape(SpareSlot, CenterX(PlayerSlot) - 32, CenterY(PlayerSlot) - 32, 59);
  Sprites.Hide(SpareSlot);
  ActivatePanelTiles();
  SetUpStars();
}

void EnterResult() {
  MenuX = 0;
  MenuY = 0;
  ScreenPhase = 0;
  ScreenFrame = 0;
  FindUsedReplaySlots();
  SaveStageReplay(1);
  WriteReplayResult();
  ActivateCursor(288, 96);
}

}  // namespace omb
