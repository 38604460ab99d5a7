// An effect's Kind is its animation rate (a picture every Kind frames) and
// its Life the frames it has left; polar speed fades by 6 % a frame.
#include "gameplay/effects.h"

#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// Effect slot j shows shape `shape` animating over frames 0 to lastFrame, a
// picture every `rate` frames, for life + 1 frames.
void SetLook(int j, int32_t shape, int32_t lastFrame, int32_t rate, int32_t life) {
  SpriteRegister& s = Sprites.Sprite(j);
  s.Shape = shape;
  s.FirstFrame = 0;
  s.LastFrame = lastFrame;
  s.PingPong = false;
  ObjectRecord& o = ObjectTable[j];
  o.Age = 0;
  o.Kind = rate;
  o.Life = life;
}

void StartEffect(int j, int32_t x, int32_t y, int32_t shape, int32_t lastFrame, int32_t rate, int32_t life) {
  Activate(j, x, y);
  SetLook(j, shape, lastFrame, rate, life);
}

int FromTop() { return FindFreeFromTop(EffectFirst, EffectLast); }
int FromBottom() { return FindFree(EffectFirst, EffectLast); }

}  // namespace

// Sparks and explosions start one picture before their runs (249, 277), so
// their first frame shows nothing.
void Spark(int32_t x, int32_t y) {
  const int j = FromTop();
  if (j != -1) StartEffect(j, x - 16, y - 16, 249, 11, 1, 11);
}

void Explosion(int32_t x, int32_t y) {
  const int j = FromBottom();
  if (j != -1) StartEffect(j, x - 32, y - 32, 277, 10, 2, 22);
}

void SmallSpark(int32_t x, int32_t y) {
  const int j = FromTop();
  if (j != -1) StartEffect(j, x - 16, y - 16, 342, 3, 2, 7);
}

void EmitSmoke(int32_t x, int32_t y) {
  const int j = FromTop();
  if (j == -1) return;
  // Within 32 of straight up, rising ever faster.
  const int32_t angle = RandomFrom(64, 736);
  const int32_t speed = RandomFrom(1500, 2500);
  StartEffect(j, x - 8, y - 8, 322, 11, 2, 23);
  SetPolar(j, speed, angle);
  SetAccel(j, 0, -50);
}

void Debris(int32_t x, int32_t y, int32_t n) {
  int below = EffectLast;
  for (int32_t k = 0; k < n; ++k) {
    const int j = FindFreeFromTop(EffectFirst, below);
    if (j == -1) return;
    below = j - 1;
    const int32_t angle = Random(1024);
    const int32_t speed = RandomFrom(6000, 4000);
    const int32_t piece = Random(4);
    const int32_t frame = Random(3);
    const int32_t rate = RandomFrom(2, 3);
    const int32_t life = RandomFrom(20, 10);
    StartEffect(j, x - 8, y - 8, 262 + 4 * piece, 3, rate, life);
    Sprites.Sprite(j).Frame = frame;
    SetPolar(j, speed, angle);
  }
}

void BigExplosion(int i, int32_t n) {
  const SpriteRegister& s = Sprites.Sprite(i);
  int32_t x = CenterX(i), y = CenterY(i);
  for (int32_t k = 0; n >= 0 && k <= n; ++k) {
    x = RandomFrom(Sprites.DrawWidth(i), s.X);
    y = RandomFrom(Sprites.DrawHeight(i), s.Y);
    Explosion(x, y);
  }
  Debris(x, y, RandomFrom(4, 5));
  SoundRequest[4] = true;
}

void PlayerBurst() {
  const int32_t cx = CenterX(PlayerSlot), cy = CenterY(PlayerSlot);
  Explosion(cx, cy);
  int from = EffectFirst;
  for (int k = 0; k < 32; ++k) {
    const int j = FindFree(from, EffectLast);
    if (j == -1) return;
    from = j + 1;
    const int32_t a = Random(1024);
    const int32_t r = Random(32);
    Activate(j, cx - 8 + CosMul(a, r), cy - 8 + SinMul(a, r));
    // Outward at 2 to 15 pixels a frame, falling under gravity.
    const int32_t s = RandomFrom(13000, 2000);
    SetVel(j, CosMul(a, s), SinMul(a, s));
    SetAccel(j, 0, 300);
    const int32_t rate = RandomFrom(3, 1);
    SetLook(j, 321, 11, rate, rate * 12 - 1);
  }
}

void ClearEffects() { ReleaseRange(EffectFirst, EffectLast - EffectFirst + 1); }

void UpdateEffects() {
  for (int j = FindActive(EffectFirst, EffectLast); j != -1; j = FindActive(j + 1, EffectLast)) {
    ObjectRecord& o = ObjectTable[j];
    Move(j);
    Accelerate(j);
    if (o.Kind > 0 && o.Age % o.Kind == 0) Sprites.NextFrame(j);
    TickLife(j);
    o.Speed = static_cast<int32_t>(o.Speed * 0.94);
  }
}

}  // namespace omb
