// The object table: 838 slots, each pairing record i of ObjectTable with
// sprite register i. Every moving or changing thing lives in a slot of a
// fixed pool; nothing is allocated while playing.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

// Positions in 1/1000 pixel; velocities in 1/1000 pixel per frame;
// accelerations in 1/1000 pixel per frame per frame; angles in 1024ths of a
// turn (0 right, 256 down).
struct ObjectRecord {
  bool Active = false;
  int32_t Kind = 0;
  int32_t Param = 0;
  int32_t Age = 0;
  int32_t PosX = 0, PosY = 0;
  int32_t VelX = 0, VelY = 0;
  int32_t AccX = 0, AccY = 0;
  int32_t Speed = 0;
  int32_t Angle = 0;
  int32_t SpeedAcc = 0;
  int32_t Turn = 0;
  bool Shown = false;  // wanted visibility; for bullets: no time limit
  int32_t Life = 0;
  int32_t HitScale = 0;  // hit size in percent of the drawn size
  bool Clip = false;     // ClipToField frees the slot once off the field
  int32_t TimeScale = 0; // per mille, for MoveScaled
};

constexpr int ObjectCount = 838;
inline std::array<ObjectRecord, ObjectCount> ObjectTable{};

// Pools, inclusive slot ranges.
constexpr int TextFirst = 1, TextLast = 107;
constexpr int BulletFirst = 125, BulletLast = 524;
constexpr int PodLeftSlot = 528, PodRightSlot = 529;
constexpr int ShieldSlot = 530;
constexpr int PlayerSlot = 531;
constexpr int SpareSlot = 532;
constexpr int MarkerFirst = 533, MarkerLast = 536;
constexpr int AfterimageFirst = 538, AfterimageLast = 567;
constexpr int PopupFirst = 568, PopupLast = 607;
constexpr int EffectFirst = 608, EffectLast = 697;
constexpr int ShotFirst = 698, ShotLast = 757;
constexpr int EnemyFirst = 758, EnemyLast = 787;
constexpr int StarFirst = 788, StarLast = 837;

// Every record back to zero (start-up, tests).
void ResetObjects();

// Lifecycle.
void Activate(int i, int32_t x, int32_t y);
void Release(int i);
void ReleaseRange(int first, int count);
int FindFree(int lo, int hi);
int FindFreeFromTop(int lo, int hi);
int FindActive(int from, int to);

// Placement. The centre is (X + DrawWidth div 2, Y + DrawHeight div 2).
void SetPos(int i, int32_t x, int32_t y);
void CenterOn(int i);
int32_t CenterX(int i);
int32_t CenterY(int i);

// Motion setters.
void SetVel(int i, int32_t vx, int32_t vy);
void SetAccel(int i, int32_t ax, int32_t ay);
void SetPolar(int i, int32_t speed, int32_t angle);
void SetPolarAcc(int i, int32_t speedAcc, int32_t turn);
void SetMotion(int i, int32_t vx, int32_t vy, int32_t speed, int32_t angle);
void SetAccelAll(int i, int32_t ax, int32_t ay, int32_t speedAcc, int32_t turn);
void AimVel(int i, int32_t tx, int32_t ty, int32_t k);
void StopMotion(int i);

// Per-frame primitives.
void Move(int i);
void MoveScaled(int i, int32_t perMille);
void Accelerate(int i);
bool ClipToField(int i);
void Bounce(int i, int32_t bottom);
void SyncVisible(int i);
void TickLife(int i);

}  // namespace omb
