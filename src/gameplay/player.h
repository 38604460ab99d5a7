// The player's side of a game: the ship's energy and counters, the bombs, and
// the state of the ship, its barrier and its attachments.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

struct PlayerRecord {
  int32_t Life = 0;     // energy, 10000 = 100.00 %
  int32_t Damage = 0;   // TECHNICAL mode: energy lost per hit
  int32_t Odds = 0;     // score multiplier of this frame
  bool Alive = false;
  int32_t ContactGoal = 0;   // ANOTHER mode: barrier contacts to fill the gauge
  int32_t ContactCount = 0;
  int32_t HitsByCancellable = 0;
  int32_t HitsBySolid = 0;
  int32_t DamageTaken = 0;
};

struct BombRecord {
  int32_t Stock = 0;
  int32_t Used = 0;
  int32_t UsedAtStageStart = 0;
  int32_t NoBombStreak = 0;
  int32_t Gauge = 0;  // 10000 turns into a bomb
  int32_t Timer = 0;  // frames the running bomb has left
};

enum Action { ActionShot = 0, ActionBomb = 1, ActionBarrier = 2, ActionNone = 3 };

inline PlayerRecord Player;
inline BombRecord Bombs;
inline int32_t BarrierSize = 0;  // radius in pixels; acts on bullets from 60
inline int32_t ShotMeter = 0;
inline int32_t ShotFrame = 0;
inline int32_t PodAngle = 0;
inline int32_t OrbitAngle = 0;
inline int32_t ShipBank = 0;  // -9..9
inline int32_t Invuln = 0;    // frames of invulnerability left
inline int32_t AimTarget = 0;
inline int32_t PopupCursor = 0;
inline std::array<bool, 4> ActionNow{};
inline std::array<bool, 4> ActionPrev{};

void ResetPlayerVars();
// The ship, its energy, bombs, barrier and attachments as a game starts them.
void PlayerGameStart();

// The play frame: every gameplay process in its fixed order.
void PlayFrame();

void UpdatePlayer();
void DecodeActions(int32_t pad);
void ShipMove(int32_t dx, int32_t dy, int32_t speed);
void Afterimage(int src, int32_t life);
void UpdateAfterimages();
void AddInvuln(int32_t n);
void UpdateShield();

// The barrier grows toward 60 (no energy) to 90 (full energy) while held.
int32_t BarrierTarget();

}  // namespace omb
