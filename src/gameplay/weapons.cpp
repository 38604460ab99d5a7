// The player's weapons.
#include "gameplay/weapons.h"

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/player.h"
#include "gameplay/score.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

void SetLook(int j, int32_t shape, int32_t lastFrame) {
  SpriteRegister& s = Sprites.Sprite(j);
  s.Shape = shape;
  s.FirstFrame = 0;
  s.LastFrame = lastFrame;
  s.PingPong = false;
}

// Sub shot k (0 left pod, 1 right pod) takes its path from the sub weapon.
void AimSubShot(int j, int k) {
  switch (SubShot) {
    case SubTilt:
      // Parallel, tilted as far as the pods are.
      SetPolar(j, 8000, WrapAngle(PodAngle - 256));
      break;
    case SubCurve: {
      // Mirror-wise bends; PodAngle stays within -76..76, so the heading
      // needs no wrap.
      const int32_t s = k == 0 ? -1 : 1;
      SetPolar(j, 4000, s * PodAngle + 768);
      SetPolarAcc(j, 44, s * (PodAngle / 4));
      break;
    }
    case SubWave: {
      // Up to 60 either side of straight up, the pods half a turn apart.
      const int32_t a = CosMul(WrapAngle(1024 - PodAngle + 512 * k), 60) + 768;
      SetPolar(j, 14000, a);
      SetPolarAcc(j, -150, 0);
      break;
    }
    default:
      break;
  }
}

}  // namespace

void FireVolley() {
  // All three shots or none.
  const int s0 = FindFree(ShotFirst, ShotLast);
  if (s0 == -1) return;
  const int s1 = FindFree(s0 + 1, ShotLast);
  if (s1 == -1) return;
  const int s2 = FindFree(s1 + 1, ShotLast);
  if (s2 == -1) return;

  ShotFrame += 3;
  // TECHNICAL: firing lowers the risk.
  if (GameMode == ModeTechnical) Player.Damage = Clamp(Player.Damage - 24, 1000, 5000);

  const int sub[2] = {s0, s1};
  for (int k = 0; k < 2; ++k) {
    const int j = sub[k];
    const SpriteRegister& pod = Sprites.Sprite(PodLeftSlot + k);
    Activate(j, pod.X + 8, pod.Y + 8);
    AimSubShot(j, k);
    SetLook(j, 175 + 10 * k, 9);
    ObjectTable[j].Kind = ShotSub;
    ObjectTable[j].Param = 20;
  }

  const SpriteRegister& ship = Sprites.Sprite(PlayerSlot);
  Activate(s2, ship.X + 16, ship.Y);
  SetVel(s2, 0, -13000);
  // Pictures 171, 172, 173, 174, 173, 172, ... volley by volley.
  int32_t f = ShotFrame / 3 % 6;
  if (f > 3) f = 6 - f;
  SetLook(s2, 171 + f, 0);
  ObjectTable[s2].Kind = ShotMain;
  ObjectTable[s2].Param = 35;
}

void UpdateShots() {
  for (int j = FindActive(ShotFirst, ShotLast); j != -1; j = FindActive(j + 1, ShotLast)) {
    ObjectRecord& o = ObjectTable[j];
    Move(j);
    if (o.Kind == ShotBlast) {
      // Drawn every second frame.
      o.Shown = !o.Shown;
      SyncVisible(j);
      if (o.Age % 3 == 0) Sprites.NextFrame(j);
      TickLife(j);
    } else {
      ClipToField(j);
      Accelerate(j);
      Sprites.NextFrame(j);
    }
  }
}

void Bomb() {
  if (Bombs.Stock > 0 && Bombs.Timer == 0) {
    --Bombs.Stock;
    Bombs.Timer = 140;
    ++Bombs.Used;
  }
}

void UpdateBomb() {
  if (Bombs.Timer == 0) return;
  --Bombs.Timer;
  CancelBullets();
  if (Bombs.Timer % 2 != 0) return;
  // A blast every second frame, 56 to 183 pixels from the ship, rising.
  const int j = FindFree(ShotFirst, ShotLast);
  if (j == -1) return;
  const int32_t r = RandomFrom(128, 56);
  const int32_t a = Random(1024);
  Activate(j, CenterX(PlayerSlot) + CosMul(a, r), CenterY(PlayerSlot) + SinMul(a, r));
  // The blast takes its picture before it is centred, so that it is centred
  // by its own size and not by that of the slot's last occupant.
  SetLook(j, 215, 10);
  Sprites.Sprite(j).Frame = 0;
  CenterOn(j);
  ObjectRecord& o = ObjectTable[j];
  o.Kind = ShotBlast;
  o.Param = 10;
  o.Age = 0;
  o.Shown = false;
  o.Life = 32;
  o.VelY = -RandomFrom(8000, 1000);
  o.HitScale = 100;
  SoundRequest[4] = true;
}

void CheckBombGauge() {
  if (Bombs.Gauge >= 10000) {
    Bombs.Gauge -= 10000;
    ++Bombs.Stock;
  }
  // No gauge is kept while five or more bombs are in stock.
  if (Bombs.Stock >= 5) Bombs.Gauge = 0;
}

void ReleaseBarrier() {
  // Free slots too: a captured Kind lingers there harmlessly.
  for (int j = BulletFirst; j <= BulletLast; ++j) {
    if (ObjectTable[j].Kind == BulletCaptured) ObjectTable[j].Age = 249;  // launches in this frame's update
  }
  // No bonus while a boss fights.
  if (!BossState.Present && BonusCount >= BonusGoal) {
    const int32_t times = GameMode == ModeTechnical ? Player.Odds : 1;
    for (int32_t k = 0; k < times; ++k) {
      Score += 1500;
      BonusPopup(CenterX(PlayerSlot), CenterY(PlayerSlot) + 8 * k);
    }
    ++BonusGoal;  // each payment asks one more captured bullet of the next
    SoundRequest[11] = true;
  }
}

void Launch(int j) {
  SoundRequest[8] = true;
  const SpriteRegister& s = Sprites.Sprite(j);
  SetPos(j, s.X + 8, s.Y + 8);
  ObjectRecord& o = ObjectTable[j];
  switch (SpecialWeapon) {
    case SpecialLaser:
      // A beam the height of the field, standing still for 22 frames.
      SetBulletType(j, TypeLaser);
      Sprites.SetDrawHeight(j, 480);
      SetPos(j, s.X, 0);
      o.Shown = false;
      o.Life = 21;
      o.Age = 0;
      break;
    case SpecialEnergy:
      // Straight away from the ship.
      SetBulletType(j, TypeEnergy);
      SetPolar(j, 16000, WrapAngle(AngleBetween(PlayerSlot, j)));
      break;
    case SpecialAim: {
      // Aimed once at the target, with up to 8 either way of scatter.
      SetBulletType(j, TypeAim);
      const int32_t a = AngleBetween(j, AimTarget) + RandomFrom(17, -8);
      SetPolar(j, 8000, WrapAngle(a));
      SetPolarAcc(j, 500, 0);
      break;
    }
    default:
      break;
  }
}

}  // namespace omb
