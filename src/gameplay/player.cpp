// The play frame and the player's ship.
#include "gameplay/player.h"

#include "enemies/enemies.h"
#include "gameplay/collision.h"
#include "gameplay/effects.h"
#include "gameplay/hud.h"
#include "gameplay/score.h"
#include "gameplay/stars.h"
#include "gameplay/weapons.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "persistence/replay.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/start_values.h"

namespace omb {

void ResetPlayerVars() {
  RestoreStartValues<Player, Bombs, BarrierSize, ShotMeter, ShotFrame, PodAngle, OrbitAngle, ShipBank, Invuln,
                     AimTarget, PopupCursor, ActionNow, ActionPrev>();
}

void PlayerGameStart() {
  // The records' counts start afresh; their rules' figures (Odds, and the
  // contact goal the stage has just set) are the mode's business.
  Player.Life = 10000;
  Player.Damage = 1000;
  Player.ContactCount = 0;
  Player.HitsByCancellable = Player.HitsBySolid = Player.DamageTaken = 0;
  // The game before may have ended with the ship lost; the first frame's
  // mode rules and play time must not depend on that, or a replay would
  // differ from the game it recorded.
  Player.Alive = true;
  Bombs = BombRecord{.Stock = 3};
  Invuln = 250;
  ShipBank = PodAngle = OrbitAngle = BarrierSize = 0;
  ShotMeter = ShotFrame = PopupCursor = 0;
  // A recorded game and its playback must agree on the first frame, so no
  // action is carried over from an earlier game: a bomb or barrier button
  // held at the end of the last one would otherwise not trigger now.
  ActionNow.fill(false);
  ActionPrev.fill(false);
}

void PlayFrame() {
  ApplyModeRules();
  CountPlayTime();
  UpdatePlayer();
  UpdateAfterimages();
  UpdateShots();
  UpdateBomb();
  UpdateShield();
  RunStageScript();
  UpdateEnemies();
  UpdateBullets();
  // Nothing collides once the ship is gone.
  if (Player.Alive) {
    ShotsVsEnemies();
    EnemiesVsShip();
    if (BarrierSize < 60 || GameMode == ModeNonBarrier) {
      BulletsVsShip();
    } else {
      BulletsVsBarrier();
    }
  }
  UpdateEffects();
  UpdatePopups();
  UpdatePanel();
  DrawHud();  // where a stage's clear banner runs out, the next stage begins
  UpdateStars();
  ++StageFrame;
}

void DecodeActions(int32_t pad) {
  ActionPrev = ActionNow;
  ActionNow.fill(false);
  for (int k = 0; k < 6; ++k) {
    const int32_t action = ButtonFunction[k];
    // 3 is "none"; anything outside 0..3 from a hand-edited file is too.
    if ((pad & (16 << k)) != 0 && action >= 0 && action < ActionNone) ActionNow[action] = true;
  }
}

int32_t BarrierTarget() { return static_cast<int32_t>((Player.Life * 0.5 / 10000 + 1.0) * 60); }

void UpdatePlayer() {
  Player.Alive = Player.Life != 0;
  if (!Player.Alive) return;
  if (ReplayPlaying) {
    PadNow = ReplayWord(ReplayFrame);
    if (ReplayFrame > ReplayStageLength[Stage] - 1) ReplayFrame = ReplayStageLength[Stage] - 1;
  } else {
    ReplayWord(ReplayFrame) = PadNow;
    if (ReplayFrame > ReplayInputLength - 2) ReplayFrame = ReplayInputLength - 2;
  }
  ++ReplayFrame;

  const int32_t dx = ((PadNow & 4) != 0) - ((PadNow & 1) != 0);
  const int32_t dy = ((PadNow & 8) != 0) - ((PadNow & 2) != 0);
  DecodeActions(PadNow);
  if (ActionNow[ActionBomb] && !ActionPrev[ActionBomb]) Bomb();
  if (ActionNow[ActionBarrier]) {
    BarrierSize = EaseToward(BarrierSize, BarrierTarget(), 0.25);
  } else {
    BarrierSize = EaseToward(BarrierSize, 0, 0.35);
    if (ActionPrev[ActionBarrier]) ReleaseBarrier();
  }
  int32_t speed = 5 - BarrierSize * 3 / 60;
  if (speed < 2) speed = 2;
  ShipMove(dx, dy, speed);
  if (ActionNow[ActionShot]) {
    if (Bombs.Timer == 0) ShotMeter += speed;
    if (ShotMeter >= 20) {
      ShotMeter -= 20;
      FireVolley();
    }
  }
  if (Player.Life >= 10000) Player.Life = 10000;
}

namespace {

// The pods sit on opposite sides of the ship, 48 pixels out plus the
// barrier; only TILT turns them around it.
void PlacePods() {
  int32_t a = SubShot == SubTilt ? PodAngle : 0;
  const int32_t r = BarrierSize + 48;
  const SpriteRegister& ship = Sprites.Sprite(PlayerSlot);
  for (int k = 0; k < 2; ++k) {
    SpriteRegister& pod = Sprites.Sprite(PodLeftSlot + k);
    pod.X = ship.X + CosMul(a, r) + 8;
    pod.Y = ship.Y + SinMul(a, r) + 8;
    a = WrapAngle(a + 512);
  }
}

// The four markers stand at A, -A, 512 - A and 512 + A around the ship,
// flickering two frames in three, trailing afterimages once the barrier acts.
void PlaceMarkers() {
  int32_t b = WrapAngle(OrbitAngle);
  for (int k = 0; k < 4; ++k) {
    const int m = MarkerFirst + k;
    SpriteRegister& marker = Sprites.Sprite(m);
    marker.X = CenterX(PlayerSlot) + CosMul(b, BarrierSize) - 8;
    marker.Y = CenterY(PlayerSlot) + SinMul(b, BarrierSize) - 8;
    if (StageFrame % 3 == 0) Sprites.NextFrame(m);
    if (BarrierSize == 0 || StageFrame % 3 == 0) {
      Sprites.Hide(m);
    } else {
      Sprites.Show(m);
    }
    if (BarrierSize >= 60 && StageFrame % 2 == 0) Afterimage(m, 12);
    const int32_t s = k % 2 == 0 ? -1 : 1;
    b = WrapAngle(s * b + k * 512);
  }
  OrbitAngle = WrapAngle(OrbitAngle + 10);
}

void SetPodFrames(int32_t frame) {
  Sprites.Sprite(PodLeftSlot).Frame = frame;
  Sprites.Sprite(PodRightSlot).Frame = frame;
}

void TurnPods(int32_t dx, int32_t speed) {
  switch (SubShot) {
    case SubTilt: {
      // Held sideways the pods tilt by 4 a frame, 64 one way and 56 the
      // other; let go, they come back by 2.
      int32_t a = WrapAngle(PodAngle + 256);
      a = dx != 0 ? Clamp(WrapAngle(a + 4 * dx), 192, 312) : StepToward(a, 256, 2);
      PodAngle = WrapAngle(a - 256);
      SetPodFrames((a - 256) * 4 / 64);
      break;
    }
    case SubCurve:
      PodAngle = Clamp(PodAngle + dx, -76, 76);
      SetPodFrames(0);
      break;
    case SubWave:
      PodAngle = WrapAngle(static_cast<int32_t>(PodAngle + speed * 4.5));
      SetPodFrames(0);
      break;
    default:
      break;
  }
}

void ChooseAimTarget() {
  AimTarget = PlayerSlot;
  int32_t best = 1000000;
  for (int j = FindActive(EnemyFirst, EnemyLast); j != -1; j = FindActive(j + 1, EnemyLast)) {
    if (ObjectTable[j].HitScale < 0) continue;
    const int32_t d = DistanceBetween(PlayerSlot, j);
    if (d < best) {
      best = d;
      AimTarget = j;
    }
  }
}

}  // namespace

void ShipMove(int32_t dx, int32_t dy, int32_t speed) {
  SpriteRegister& ship = Sprites.Sprite(PlayerSlot);
  ObjectRecord& o = ObjectTable[PlayerSlot];
  ship.X += o.VelX / 1000 + dx * speed;
  ship.Y += o.VelY / 1000 + dy * speed;
  o.VelX = static_cast<int32_t>(o.VelX * 0.88);
  o.VelY = static_cast<int32_t>(o.VelY * 0.88);
  ship.X = Clamp(ship.X, -20, 452);
  ship.Y = Clamp(ship.Y, -20, 452);
  PlacePods();
  PlaceMarkers();
  TurnPods(dx, speed);
  if (SpecialWeapon == SpecialAim) ChooseAimTarget();
  ShipBank = Clamp(dx != 0 ? ShipBank + dx : Decay(ShipBank, 1), -9, 9);
  ship.Shape = 153 + ShipBank / 3;
}

void Afterimage(int src, int32_t life) {
  const int j = FindFree(AfterimageFirst, AfterimageLast);
  if (j == -1) return;
  const SpriteRegister& s = Sprites.Sprite(src);
  Activate(j, s.X, s.Y);
  Sprites.Sprite(j).Shape = s.Shape + s.Frame;
  ObjectTable[j].Life = life;
}

void UpdateAfterimages() {
  for (int j = FindActive(AfterimageFirst, AfterimageLast); j != -1; j = FindActive(j + 1, AfterimageLast)) {
    ObjectRecord& o = ObjectTable[j];
    ++o.Age;
    o.Shown = o.Age % 3 == 0;
    SyncVisible(j);
    TickLife(j);
  }
}

void AddInvuln(int32_t n) {
  Invuln += n;
  if (Invuln >= 250) Invuln = 249;
}

void UpdateShield() {
  if (Invuln == 0) return;
  --Invuln;
  ObjectTable[ShieldSlot].Shown = Invuln != 0 && (Invuln & 2) == 2;
  SyncVisible(ShieldSlot);
  SpriteRegister& shield = Sprites.Sprite(ShieldSlot);
  shield.Shape = (250 - Invuln) / 50 + 157;
  shield.X = Sprites.Sprite(PlayerSlot).X;
  shield.Y = Sprites.Sprite(PlayerSlot).Y;
}

}  // namespace omb
