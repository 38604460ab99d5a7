// Bullet types, single bullets, and the per-frame bullet update.
#include "objects/bullets.h"

#include "gameplay/player.h"
#include "gameplay/weapons.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

// Shapes of types 2..9 by bullet style. Each style swaps pictures within
// the same behaviour, so a cancellable bullet always looks cancellable;
// the hit size follows the picture.
constexpr int16_t StyleShapes[5][8] = {
    {434, 438, 366, 370, 378, 382, 390, 394},  // NORMAL
    {434, 438, 434, 438, 366, 370, 378, 382},  // SMALL: one size down
    {366, 370, 378, 382, 390, 394, 390, 394},  // BIG: one size up
    {434, 438, 434, 438, 434, 438, 434, 438},  // MICRO: all the smallest
    {390, 394, 390, 394, 390, 394, 390, 394},  // HUGE: all the largest
};

}  // namespace

void ResetBulletTypes() {
  const int style = BulletStyle >= 0 && BulletStyle <= 4 ? BulletStyle : 0;
  for (int t = 2; t <= 9; ++t) BulletTypes[t].Shape = StyleShapes[style][t - 2];
}

void SetBulletType(int j, int32_t type) {
  const BulletType& row = BulletTypes[type];
  SpriteRegister& s = Sprites.Sprite(j);
  s.Shape = row.Shape;
  s.FirstFrame = row.FirstFrame;
  s.LastFrame = row.LastFrame;
  s.PingPong = row.PingPong;
  s.Frame = 0;
  Sprites.ResetScale(j);
  ObjectRecord& o = ObjectTable[j];
  o.Shown = true;
  o.Life = 0;
  o.Kind = row.Kind;
  o.Param = type;
  o.TimeScale = 1000;
}

void FireBullet(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t speed, int32_t angle, int32_t type,
                int32_t ax, int32_t ay, int32_t speedAcc, int32_t turn) {
  const int j = FindFree(BulletFirst, BulletLast);
  if (j == -1) return;  // a full pool: the bullet is simply not made
  Activate(j, x, y);
  SetBulletType(j, type);
  CenterOn(j);
  SetMotion(j, vx, vy, speed, WrapAngle(angle));
  SetAccelAll(j, ax, ay, speedAcc, turn);
  ++BulletsFired;
}

void FirePolar(int32_t x, int32_t y, int32_t speed, int32_t angle, int32_t type, int32_t speedAcc, int32_t turn) {
  FireBullet(x, y, 0, 0, speed, angle, type, 0, 0, speedAcc, turn);
}

void FireCartesian(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t type, int32_t ax, int32_t ay) {
  FireBullet(x, y, vx, vy, 0, 0, type, ax, ay, 0, 0);
}

void UpdateBullets() {
  BonusCount = 0;
  BulletCount = 0;
  // In NON-BARRIER mode every bullet that leaves the field scores the odds.
  const int32_t edge = GameMode == ModeNonBarrier && Player.Alive ? Player.Odds : 0;
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    ObjectRecord& o = ObjectTable[j];
    MoveScaled(j, o.TimeScale);
    Accelerate(j);  // takes effect from the next move
    if (ClipToField(j)) Score += edge;
    // A bullet freed just now still animates and counts in this frame.
    if (o.Age % 2 == 0) Sprites.NextFrame(j);
    if (!o.Shown) TickLife(j);
    if (o.Kind == BulletCaptured) {
      ++BonusCount;
      if (o.Age == 250) Launch(j);
    } else if (o.Kind != BulletWeapon) {
      ++BulletCount;
    }
  }
}

void CancelBullets() {
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    ObjectRecord& o = ObjectTable[j];
    if (o.Kind != BulletCancellable && o.Kind != BulletSolid) continue;
    SpriteRegister& s = Sprites.Sprite(j);
    s.X = CenterX(j);
    s.Y = CenterY(j);
    s.Frame = 0;
    SetBulletType(j, o.Param & 1);  // even types flash as 0, odd as 1
    o.Shown = false;
    o.Life = 15;
    o.Age = 0;
    StopMotion(j);
    CenterOn(j);
  }
}

}  // namespace omb
