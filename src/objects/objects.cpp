#include "objects/objects.h"

#include "objects/motion.h"
#include "shell/components.h"

namespace omb {

void ResetObjects() { ObjectTable.fill(ObjectRecord{}); }

void Activate(int i, int32_t x, int32_t y) {
  ObjectRecord& o = ObjectTable[i];
  o.Active = true;
  o.Age = 0;
  o.VelX = o.VelY = o.AccX = o.AccY = 0;
  o.Speed = o.Angle = o.SpeedAcc = o.Turn = 0;
  o.Life = 0;
  o.HitScale = 100;
  o.Clip = true;
  // Kind, Param, Shown, TimeScale, the shape and the drawn size stay: the
  // caller sets what it needs right after.
  Sprites.Sprite(i).Frame = 0;
  Sprites.Show(i);
  SetPos(i, x, y);
}

void Release(int i) {
  ObjectTable[i].Active = false;
  Sprites.Hide(i);
  Sprites.ResetScale(i);
}

void ReleaseRange(int first, int count) {
  for (int i = first; i < first + count; ++i) Release(i);
}

int FindFree(int lo, int hi) {
  for (int i = lo; i <= hi; ++i) {
    if (!ObjectTable[i].Active) return i;
  }
  return -1;
}

int FindFreeFromTop(int lo, int hi) {
  for (int i = hi; i >= lo; --i) {
    if (!ObjectTable[i].Active) return i;
  }
  return -1;
}

int FindActive(int from, int to) {
  for (int i = from; i <= to; ++i) {
    if (ObjectTable[i].Active) return i;
  }
  return -1;
}

void SetPos(int i, int32_t x, int32_t y) {
  SpriteRegister& s = Sprites.Sprite(i);
  s.X = x;
  s.Y = y;
  ObjectTable[i].PosX = x * 1000;
  ObjectTable[i].PosY = y * 1000;
}

void CenterOn(int i) {
  const SpriteRegister& s = Sprites.Sprite(i);
  SetPos(i, s.X - Sprites.DrawWidth(i) / 2, s.Y - Sprites.DrawHeight(i) / 2);
}

int32_t CenterX(int i) { return Sprites.Sprite(i).X + Sprites.DrawWidth(i) / 2; }
int32_t CenterY(int i) { return Sprites.Sprite(i).Y + Sprites.DrawHeight(i) / 2; }

void SetVel(int i, int32_t vx, int32_t vy) {
  ObjectTable[i].VelX = vx;
  ObjectTable[i].VelY = vy;
}

void SetAccel(int i, int32_t ax, int32_t ay) {
  ObjectTable[i].AccX = ax;
  ObjectTable[i].AccY = ay;
}

void SetPolar(int i, int32_t speed, int32_t angle) {
  ObjectTable[i].Speed = speed;
  ObjectTable[i].Angle = angle;
}

void SetPolarAcc(int i, int32_t speedAcc, int32_t turn) {
  ObjectTable[i].SpeedAcc = speedAcc;
  ObjectTable[i].Turn = turn;
}

void SetMotion(int i, int32_t vx, int32_t vy, int32_t speed, int32_t angle) {
  SetVel(i, vx, vy);
  SetPolar(i, speed, angle);
}

void SetAccelAll(int i, int32_t ax, int32_t ay, int32_t speedAcc, int32_t turn) {
  SetAccel(i, ax, ay);
  SetPolarAcc(i, speedAcc, turn);
}

void AimVel(int i, int32_t tx, int32_t ty, int32_t k) {
  ObjectTable[i].VelX = (tx - CenterX(i)) * k;
  ObjectTable[i].VelY = (ty - CenterY(i)) * k;
}

void StopMotion(int i) {
  ObjectRecord& o = ObjectTable[i];
  o.VelX = o.VelY = o.AccX = o.AccY = 0;
  o.Speed = o.Angle = o.SpeedAcc = o.Turn = 0;
}

namespace {

// The sprite follows the fixed-point position, truncated toward zero (so
// -1500 draws at -1).
void PlaceSprite(int i) {
  SpriteRegister& s = Sprites.Sprite(i);
  s.X = ObjectTable[i].PosX / 1000;
  s.Y = ObjectTable[i].PosY / 1000;
}

}  // namespace

void Move(int i) {
  ObjectRecord& o = ObjectTable[i];
  o.PosX += CosMul(o.Angle, o.Speed) + o.VelX;
  o.PosY += SinMul(o.Angle, o.Speed) + o.VelY;
  ++o.Age;
  PlaceSprite(i);
}

void MoveScaled(int i, int32_t perMille) {
  ObjectRecord& o = ObjectTable[i];
  o.PosX += (CosMul(o.Angle, o.Speed) + o.VelX) * perMille / 1000;
  o.PosY += (SinMul(o.Angle, o.Speed) + o.VelY) * perMille / 1000;
  ++o.Age;
  PlaceSprite(i);
}

void Accelerate(int i) {
  ObjectRecord& o = ObjectTable[i];
  o.VelX += o.AccX;
  o.VelY += o.AccY;
  o.Speed += o.SpeedAcc;
  o.Angle = WrapAngle(o.Angle + o.Turn);
}

bool ClipToField(int i) {
  if (!ObjectTable[i].Clip) return false;
  const SpriteRegister& s = Sprites.Sprite(i);
  const int32_t w = Sprites.DrawWidth(i), h = Sprites.DrawHeight(i);
  if (s.X < -w || s.X > 480 || s.Y < -h || s.Y > 480) {
    ObjectTable[i].Active = false;
    Sprites.Hide(i);
    return true;
  }
  return false;
}

void Bounce(int i, int32_t bottom) {
  const int32_t w = Sprites.DrawWidth(i), h = Sprites.DrawHeight(i);
  const SpriteRegister& s = Sprites.Sprite(i);
  if (s.X < 0 || s.X > 480 - w) {
    ObjectTable[i].VelX = -ObjectTable[i].VelX;
    SetPos(i, s.X < 0 ? 0 : 480 - w, s.Y);
  }
  if (s.Y < 0 || s.Y > bottom - h) {
    ObjectTable[i].VelY = -ObjectTable[i].VelY;
    SetPos(i, s.X, s.Y < 0 ? 0 : bottom - h);
  }
}

void SyncVisible(int i) {
  if (ObjectTable[i].Shown) {
    Sprites.Show(i);
  } else {
    Sprites.Hide(i);
  }
}

void TickLife(int i) {
  if (--ObjectTable[i].Life < 0) Release(i);
}

}  // namespace omb
