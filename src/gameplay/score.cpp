#include "gameplay/score.h"

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/collision.h"
#include "gameplay/player.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

// TECHNICAL: the risk (10 % to 50 % of the energy per hit) sets the odds.
void TechnicalRules() {
  Player.Damage = Clamp(Player.Damage, 1000, 5000);
  const int32_t risk = Player.Damage * 100 / 10000;
  Player.Odds = risk < 20 ? 1 : (risk < 30 ? 2 : (risk < 40 ? 3 : 4));
  if (Player.Damage == 5000 && !BossState.Present && GameOverTimer == 0) Score += 20;
}

// NON-BARRIER: the odds grow with the energy, the stage, the stages cleared
// without a bomb and a full stock, and shrink with every bomb used.
void NonBarrierRules() {
  Player.Damage = 1000;
  int32_t odds = Player.Life * 10 / 10000 + 5 - Bombs.Used + Bombs.NoBombStreak + Stage;
  if (Bombs.Stock >= 5) odds += 5;
  Player.Odds = odds < 0 ? 0 : odds;
}

// ANOTHER: the barrier only counts contacts. When they fill the gauge,
// every cancellable bullet on screen is captured at once (launching at
// staggered times) and every solid one turns cancellable, each paying the
// bonus.
void AnotherRules() {
  Player.Odds = 2;
  if (Player.ContactGoal > Player.ContactCount) return;
  Player.ContactGoal += 5;
  Player.ContactCount = 0;
  const int32_t bonus = BossState.Present ? 0 : (Player.ContactGoal - 1000) / 5;
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    ObjectRecord& o = ObjectTable[j];
    if (o.Kind == BulletCancellable) {
      Capture(j);
      o.Age = j % 249;
      Score += bonus;
    } else if (o.Kind == BulletSolid) {
      SetBulletType(j, o.Param - 1);  // the cancellable bullet of the same size
      Score += bonus;
    }
  }
}

// Pop-up slot for the next pop-up; the oldest is overwritten.
int NextPopupSlot() {
  const int s = PopupFirst + PopupCursor;
  PopupCursor = (PopupCursor + 1) % (PopupLast - PopupFirst + 1);
  return s;
}

void SetPopupLook(int s, int32_t shape) {
  SpriteRegister& r = Sprites.Sprite(s);
  r.Shape = shape;
  r.FirstFrame = 0;
  r.LastFrame = 4;
  r.PingPong = true;
}

}  // namespace

void ApplyModeRules() {
  switch (GameMode) {
    case ModeNormal:
    case ModeTheater:
      Player.Damage = 1000;
      Player.Odds = 2;
      break;
    case ModeTechnical:
      TechnicalRules();
      break;
    case ModeNonBarrier:
      NonBarrierRules();
      break;
    case ModeAnother:
      AnotherRules();
      break;
    default:
      break;
  }
}

void CountPlayTime() {
  if (!Player.Alive || GameOverTimer != 0) {
    BulletsFired = BulletsFiredMark;  // bullets made while no one plays don't count
  } else {
    ++PlayTime;
    if (!BossState.Present) {
      // Smaller bullets cost score every frame, bigger ones earn it.
      constexpr int32_t Drift[5] = {0, -10, 10, -20, 20};
      if (BulletStyle >= 0 && BulletStyle <= 4) Score += Drift[BulletStyle];
      if (Score < 0) Score = 0;
    }
  }
  BulletsFiredMark = BulletsFired;
}

void MultiplierPopup(int32_t x, int32_t y, int32_t multiplier) {
  if (multiplier <= 1) return;
  const int s = NextPopupSlot();
  Activate(s, x - 24, y - 24);
  SetPopupLook(s, 200 + 5 * (multiplier - 2));
  ObjectRecord& o = ObjectTable[s];
  o.Life = 100;
  o.VelY = 0;
  o.AccY = -50;  // it floats up ever faster
}

void BonusPopup(int32_t x, int32_t y) {
  const int s = NextPopupSlot();
  Activate(s, x - 16, y - 8);
  SetPopupLook(s, 137);
  ObjectRecord& o = ObjectTable[s];
  o.Life = 250;
  o.VelY = -4000;  // it jumps up and falls back
  o.AccY = 100;
}

// A pop-up counts its life down twice a frame.
void UpdatePopups() {
  for (int j = FindActive(PopupFirst, PopupLast); j != -1; j = FindActive(j + 1, PopupLast)) {
    Move(j);
    Accelerate(j);
    Sprites.NextFrame(j);
    TickLife(j);
    if (--ObjectTable[j].Life == 0) Release(j);
  }
}

}  // namespace omb
