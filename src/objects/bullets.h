// The enemy-bullet pool (slots 125 to 524): the bullet types, the routines
// that fire single bullets and whole figures, and the per-frame update. The
// same pool holds what the barrier makes of enemy bullets: captured bullets
// and the special-weapon shots launched from them.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

// Behaviour classes, kept in a bullet's Kind.
enum : int32_t {
  BulletFlash = 0,        // a cancelled bullet fading out; harmless
  BulletCancellable = 1,  // slowed and captured by the barrier
  BulletSolid = 2,        // the barrier does not touch it
  BulletCaptured = 3,     // taken by the barrier; launches as a weapon shot
  BulletWeapon = 4,       // the player's special-weapon shot
};

// Type numbers with a fixed use (the others are 2..9: even cancellable, odd
// the solid bullet of the same size).
enum : int32_t { TypeCaptured = 10, TypeLaser = 11, TypeEnergy = 12, TypeAim = 13 };

struct BulletType {
  int16_t Shape;
  int8_t FirstFrame;
  int8_t LastFrame;
  bool PingPong;
  uint8_t Kind;
};

constexpr int BulletTypeCount = 14;

// The rows as loaded at start-up; a game start rearranges the shapes of types
// 2..9 for the bullet style.
inline constexpr std::array<BulletType, BulletTypeCount> StartBulletTypes = {{
    {350, 0, 7, false, BulletFlash},  // flash of a cancellable bullet
    {358, 0, 7, false, BulletFlash},  // flash of a solid bullet
    {434, 0, 3, true, BulletCancellable},
    {438, 0, 7, false, BulletSolid},
    {366, 0, 3, true, BulletCancellable},
    {370, 0, 7, false, BulletSolid},
    {378, 0, 3, true, BulletCancellable},
    {382, 0, 7, false, BulletSolid},
    {390, 0, 3, true, BulletCancellable},
    {394, 0, 7, false, BulletSolid},
    {402, 0, 7, false, BulletCaptured},
    {410, 0, 10, false, BulletWeapon},  // LASER beam
    {421, 0, 3, true, BulletWeapon},    // ENERGY ball
    {425, 0, 8, false, BulletWeapon},   // AIM missile
}};

inline std::array<BulletType, BulletTypeCount> BulletTypes = StartBulletTypes;

// Game start: the shapes of types 2..9 back to their own, then traded for
// size by BulletStyle (SMALL and MICRO shrink the bullets, BIG and HUGE
// grow them). A style outside 0..4 leaves them as NORMAL.
void ResetBulletTypes();

void SetBulletType(int j, int32_t type);

// (x, y) is the bullet's centre in pixels; velocities and speeds in 1/1000
// pixel per frame, angles in 1024ths of a turn.
void FireBullet(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t speed, int32_t angle, int32_t type,
                int32_t ax, int32_t ay, int32_t speedAcc, int32_t turn);
void FirePolar(int32_t x, int32_t y, int32_t speed, int32_t angle, int32_t type, int32_t speedAcc, int32_t turn);
void FireCartesian(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t type, int32_t ax, int32_t ay);

// The figures. Every bullet of one leaves the same point; the figure forms
// from their different velocities. Arguments in the order the enemies use.
void FireSeries(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t angleStep,
                int32_t speedStep, int32_t angle, int32_t speed, int32_t type);
void FireRing(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t speedStep, int32_t angle,
              int32_t speed, int32_t type);
void FireLine(int32_t x, int32_t y, int32_t n, int32_t accel, bool includeEnd, int32_t vy1, int32_t vx1,
              int32_t vy0, int32_t vx0, int32_t type);
void FirePolygon(int32_t x, int32_t y, int32_t n, int32_t accel, int32_t sides, int32_t angle, int32_t speed,
                 int32_t type);
void FireEllipse(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t rotation, int32_t ry,
                 int32_t rx, int32_t type);
void FireFlower(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t petals,
                int32_t amplitude, int32_t angle, int32_t speed, int32_t type);
void FireFan(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t spread, int32_t speedStep,
             int32_t angle, int32_t speed, int32_t type);
void FireArrow(int32_t x, int32_t y, int32_t n, int32_t turn, int32_t speedAcc, int32_t spread, int32_t drop,
               int32_t angle, int32_t speed, int32_t type);

// One corner of an outline: a velocity given as speed and angle.
struct OutlinePoint {
  int32_t Speed;
  int32_t Angle;
};
void FireOutline(int32_t x, int32_t y, int32_t n, int32_t accel, bool closeEnd, const OutlinePoint* points,
                 int32_t count, int32_t type);

// Play-frame step: move, clip, animate, age and count every bullet.
void UpdateBullets();
// Every hostile bullet becomes a still flash on its centre.
void CancelBullets();

}  // namespace omb
