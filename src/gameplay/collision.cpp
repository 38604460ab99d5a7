#include "gameplay/collision.h"

#include <cstdlib>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/effects.h"
#include "gameplay/player.h"
#include "gameplay/score.h"
#include "gameplay/weapons.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"
#include "shell/start_values.h"

namespace omb {
namespace {

int32_t DrawW(int i) { return Sprites.DrawWidth(i); }
int32_t DrawH(int i) { return Sprites.DrawHeight(i); }
int32_t Scale(int i) { return ObjectTable[i].HitScale; }

// Squared distance of the two centres, summed in 32 bits.
int32_t DistanceSquared(int i, int j) {
  const int32_t dx = CenterX(i) - CenterX(j);
  const int32_t dy = CenterY(i) - CenterY(j);
  return dx * dx + dy * dy;
}

bool BoxesMeet(int i, int j) {
  return std::abs(CenterX(i) - CenterX(j)) <= (DrawW(i) * Scale(i) + DrawW(j) * Scale(j)) / 200 &&
         std::abs(CenterY(i) - CenterY(j)) <= (DrawH(i) * Scale(i) + DrawH(j) * Scale(j)) / 200;
}

double Squared(double r) { return r * r; }

}  // namespace

void ResetCollision() { RestoreStartValues<LastHitX, LastHitY>(); }

int FindBoxHit(int i, int lo, int hi) {
  for (int j = FindActive(lo, hi); j != -1; j = FindActive(j + 1, hi)) {
    if (BoxesMeet(i, j)) return j;
  }
  return -1;
}

int FindCircleHit(int i, int lo, int hi) {
  // The radii are formed in integers and divided in floating point.
  const double ri = Squared(Scale(i) * (DrawW(i) / 2) / 100.0);
  for (int j = FindActive(lo, hi); j != -1; j = FindActive(j + 1, hi)) {
    const double rj = Squared(Scale(j) * (DrawW(j) / 2) / 100.0);
    if (DistanceSquared(i, j) <= static_cast<int32_t>(ri + rj)) return j;
  }
  return -1;
}

int CircleHit(int i, int j) {
  const double r = Squared(DrawW(i) * Scale(i) / 200.0) + Squared(DrawW(j) * Scale(j) / 200.0);
  return DistanceSquared(i, j) <= static_cast<int32_t>(r) ? j : -1;
}

int RingTest(int i, int j, int32_t inner, int32_t outer) {
  const auto rr = static_cast<int32_t>(Squared(DrawW(i) * Scale(i) / 200.0));
  const int32_t d = DistanceSquared(i, j);
  if (inner * inner + rr >= d) return 1;
  if (outer * outer + rr >= d) return 0;
  return -1;
}

void ShotsVsEnemies() {
  for (int i = FindActive(ShotFirst, ShotLast); i != -1; i = FindActive(i + 1, ShotLast)) {
    const int j = FindBoxHit(i, EnemyFirst, EnemyLast);
    if (j == -1) continue;
    LastHitX = CenterX(j);
    LastHitY = CenterY(j);
    const int32_t damage = ObjectTable[i].Param;
    if (ObjectTable[i].Kind == ShotBlast) {
      Player.Life += 5;  // a blast is not used up; it feeds the ship
    } else {
      Spark(CenterX(i), CenterY(i));
      Bombs.Gauge += damage / 2;
      SoundRequest[2] = true;
      Release(i);
    }
    DamageEnemy(j, damage, 1);
    BossState.ScoreFactor = 1;
  }
}

void EnemiesVsShip() {
  const int j = FindCircleHit(PlayerSlot, EnemyFirst, EnemyLast);
  if (j == -1) return;
  // No energy lost: the ship is knocked away at 10 pixels a frame.
  const int32_t a = WrapAngle(AngleBetween(j, PlayerSlot));
  ObjectTable[PlayerSlot].VelX = CosMul(a, 10000);
  ObjectTable[PlayerSlot].VelY = SinMul(a, 10000);
  SoundRequest[7] = true;
}

namespace {

// A slowed bullet out of the barrier's reach regains 1 % a frame.
void Restore(ObjectRecord& o) { o.TimeScale = o.TimeScale + 10 < 1000 ? o.TimeScale + 10 : 1000; }

}  // namespace

void BulletsVsShip() {
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    ObjectRecord& o = ObjectTable[j];
    switch (o.Kind) {
      case BulletCancellable:
      case BulletSolid:
        if (CircleHit(PlayerSlot, j) == -1) {
          Restore(o);
        } else {
          PlayerHit(o.Kind == BulletCancellable);
        }
        break;
      case BulletWeapon:
        SpecialVsEnemies(j);
        break;
      default:
        break;
    }
  }
}

void BulletsVsBarrier() {
  // The markers' distance from the ship's centre plus half a marker.
  const int32_t reach = DrawW(MarkerFirst) / 2 + BarrierSize;
  const bool another = GameMode == ModeAnother;
  const bool contactSound = (FrameCount & 3) == 0;
  for (int j = FindActive(BulletFirst, BulletLast); j != -1; j = FindActive(j + 1, BulletLast)) {
    ObjectRecord& o = ObjectTable[j];
    switch (o.Kind) {
      case BulletCancellable:
        switch (RingTest(j, PlayerSlot, 0, reach)) {
          case -1:
            Restore(o);
            break;
          case 0:
            // Inside the barrier a bullet loses 5 % of its speed a frame and
            // is taken on the 20th; ANOTHER counts contacts instead.
            if (another) {
              ++Player.ContactCount;
            } else {
              o.TimeScale -= 50;
            }
            if (o.TimeScale < 1) Capture(j);
            SoundRequest[6] = contactSound;
            break;
          default:
            PlayerHit(true);  // the ship's centre lies within the bullet
            break;
        }
        break;
      case BulletSolid:
        if (CircleHit(PlayerSlot, j) != -1) PlayerHit(false);
        break;
      case BulletWeapon:
        SpecialVsEnemies(j);
        break;
      default:
        break;
    }
  }
}

void Capture(int j) {
  SoundRequest[5] = true;
  SetPos(j, CenterX(j), CenterY(j));
  StopMotion(j);
  SetBulletType(j, TypeCaptured);
  CenterOn(j);  // the captured picture stands on the bullet's old centre
  ObjectTable[j].Age = 0;
  Player.Damage = Clamp(Player.Damage + 10, 1000, 5000);
}

void SpecialVsEnemies(int i) {
  ObjectRecord& shot = ObjectTable[i];
  for (int j = FindBoxHit(i, EnemyFirst, EnemyLast); j != -1; j = FindBoxHit(i, j + 1, EnemyLast)) {
    EnemyRecord& enemy = Enemy(j);
    BossState.ScoreFactor = 2;
    SoundRequest[2] = true;
    switch (shot.Param) {
      case TypeLaser:
        DamageEnemy(j, 4, Player.Odds);
        enemy.Bounty += 3;
        break;
      case TypeEnergy:
        // Each hit makes the ball faster and its later hits richer.
        DamageEnemy(j, 12, Player.Odds);
        if (Random(4) == 0) SmallSpark(CenterX(i), CenterY(i));
        shot.Speed += 1500;
        enemy.Bounty += shot.Speed / 3000 + 5;
        break;
      case TypeAim:
        // The missile is spent on its first hit.
        DamageEnemy(j, shot.Speed / 200, Player.Odds);
        Spark(CenterX(i), CenterY(i));
        Release(i);
        enemy.Bounty += static_cast<int32_t>(shot.Speed * 15 / 8000.0 + 5);
        KillCheck(j, 1);
        return;
      default:
        break;
    }
    // DamageEnemy has already run KillCheck with the odds, so a kill pays
    // its bounty twice and explodes twice.
    KillCheck(j, 1);
  }
}

void DamageEnemy(int j, int32_t damage, int32_t multiplier) {
  Enemy(j).Hp -= damage;
  Score += damage * multiplier;
  KillCheck(j, multiplier);
}

void KillCheck(int j, int32_t multiplier) {
  EnemyRecord& enemy = Enemy(j);
  if (enemy.Hp >= 1) return;
  const int32_t cx = CenterX(j), cy = CenterY(j);
  MultiplierPopup(cx, cy, multiplier);
  if (j == BossState.Slot) return;
  Score += enemy.Bounty * multiplier;
  switch (enemy.ExplosionSize) {
    case 1:
      Explosion(cx, cy);
      Debris(cx, cy, RandomFrom(3, 6));
      break;
    case 2:
      BigExplosion(j, 6);
      break;
    default:
      break;
  }
  Release(j);
  SoundRequest[4] = true;
}

void PlayerHit(bool cancellable) {
  if (Invuln > 0 || !Player.Alive || GameMode == ModeTheater) return;
  int32_t damage = GameMode == ModeTechnical ? Player.Damage : 1000;
  if (cancellable) {
    if (GameMode != ModeTechnical) damage = static_cast<int32_t>(damage * 1.5);
    ++Player.HitsByCancellable;
  } else {
    ++Player.HitsBySolid;
  }
  Player.Life -= damage;
  Player.DamageTaken += damage;
  Player.Damage = 1000;
  if (Player.Life < 1) {
    Player.Life = 0;
    Player.Alive = false;
    ReleaseRange(525, 13);  // pods, shield, ship, markers
    PlayerBurst();
    SoundRequest[10] = true;
  } else {
    AddInvuln(250);
    CancelBullets();  // the bullet that hit becomes a flash with the rest
    SoundRequest[9] = true;
  }
}

}  // namespace omb
