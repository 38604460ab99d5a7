// Integer trigonometry on a 1024-step circle, angles and distances between
// objects, easing and clamping, and the game's one random generator. They fix
// the arithmetic of the whole game, so replays come out the same everywhere.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

// SinTab[i] = trunc(sin(i / 512 * pi) * 1024), CosTab likewise.
struct TrigTables {
  std::array<int16_t, 1024> Sin;
  std::array<int16_t, 1024> Cos;
};
extern const TrigTables Trig;  // built once before main

// The random generator's state. The title sets it to 0; only game start,
// stage start, play set-up and the play frame draw from it.
inline uint32_t RandSeed = 0;

inline int32_t WrapAngle(int32_t a) { return (a + 1024) & 1023; }
// trunc(table[angle] * r / 1024); the angle must lie in 0..1023.
inline int32_t SinMul(int32_t angle, int32_t r) { return Trig.Sin[angle] * r / 1024; }
inline int32_t CosMul(int32_t angle, int32_t r) { return Trig.Cos[angle] * r / 1024; }

int32_t AngleOf(int32_t dx, int32_t dy);           // -512..512, not wrapped
int32_t AngleBetween(int a, int b);                // from slot a to slot b
int32_t AngleFromPoint(int32_t x, int32_t y, int i);  // from the point to slot i
int32_t Distance(int32_t dx, int32_t dy);
int32_t DistanceBetween(int a, int b);

int32_t Random(int32_t n);  // 0..n-1
inline int32_t RandomFrom(int32_t n, int32_t base) { return Random(n) + base; }

int32_t StepToward(int32_t cur, int32_t target, int32_t step);
int32_t EaseToward(int32_t cur, int32_t target, double rate);
inline int32_t Clamp(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline int32_t Decay(int32_t v, int32_t step) { return v == 0 ? 0 : (v < 0 ? v + step : v - step); }
inline double ScaleRatio(double a, double b, double c) { return c * b / a; }
int32_t BankFrame(int i, int32_t limit, int32_t divisor);

}  // namespace omb
