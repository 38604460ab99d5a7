// Stage 2: craft that sway after the ship, craft that brake and tilt, the
// large craft that holds the script while its crossing streams sweep, the
// boss's two parts and the debris they fall as, and (stage2_boss.cpp) the
// boss.
#include <iterator>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "enemies/script.h"
#include "enemies/stages.h"
#include "gameplay/collision.h"
#include "gameplay/effects.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

// Spawn codes (8, the debris of a part, is spawned by the part).
enum : int32_t {
  SpawnSwayer = 0,
  SpawnFiringSwayer = 1,
  SpawnBraker = 2,
  SpawnCrosser = 3,
  SpawnLargeCraft = 4,
  SpawnSideDasher = 5,
  SpawnRinger = 6,
  SpawnBossPart = 7,
  SpawnPartDebris = 8,
  SpawnBoss = 9,
};
// Behaviours.
enum : int32_t {
  Swayer = 0,
  Braker = 1,
  Crosser = 2,
  LargeCraft = 3,
  SideDasher = 4,
  Ringer = 5,
  BossPart = 6,
  PartDebris = 7,
  Boss = 8,
};
// Kinds.
using stage2::KindSwayer, stage2::KindTilter, stage2::KindLarge, stage2::KindRinger, stage2::KindPart,
    stage2::KindDebris, stage2::KindBoss;
// The boss's attacks its parts join (numbered as in stage2_boss.cpp).
enum : int32_t { BossWingRings = 1, BossAimedBursts = 3 };

// Falls at 3 to 5 pixels a frame.
void SwayerStart(int slot) { SetVel(slot, 0, 3000 + Random(2000)); }

// Drops in fast and brakes. The angle its volleys close in on is taken
// before its kind is applied, from the centre of the picture the slot still
// holds from its last user.
void BrakerStart(int slot) {
  SetVel(slot, 0, 8000);
  SetAccel(slot, 0, -100);
  EnemyRecord& e = Enemy(slot);
  e.Work[0] = 120;  // the spread of its first volley
  e.Work[1] = AngleBetween(slot, PlayerSlot);
}

// Across the field from the side it enters on.
void CrosserStart(int slot) {
  SetVel(slot, Sprites.Sprite(slot).X < 240 ? 4000 : -4000, 0);
  Enemy(slot).Work[0] = 8 + Random(15);  // the age of its first shot
}

void LargeCraftStart(int slot) {
  SetVel(slot, 0, 6000);
  Enemy(slot).Work[0] = 120;  // its streams' angle either side of straight down
}

// Dashes in from the side, climbing; its first fans go where the ship was
// when it came (taken like the braking craft's).
void SideDasherStart(int slot) {
  EnemyRecord& e = Enemy(slot);
  if (Sprites.Sprite(slot).X >= 240) {
    SetVel(slot, -9000, 0);
    e.Work[0] = 1;
  } else {
    SetVel(slot, 9000, 0);
    e.Work[0] = 0;
  }
  SetAccel(slot, 0, -30);
  e.Work[1] = AngleBetween(slot, PlayerSlot);
}

void RingerStart(int slot) {
  SetVel(slot, 0, 2500);
  Enemy(slot).Work[0] = 30 + Random(15);  // the age of its rings
}

// A part goes where the boss goes, so the field's edge must not take it.
void BossPartStart(int slot) {
  ObjectTable[slot].Clip = false;
  EnemyRecord& e = Enemy(slot);
  e.Work[9] = Sprites.Sprite(slot).X >= 240 ? 1 : 0;  // the boss's right side, else its left
  e.Work[0] = CenterX(PlayerSlot);
  e.Work[1] = CenterY(PlayerSlot);
}

// Thrown up, then falling and drifting outward.
void PartDebrisStart(int slot) {
  SetVel(slot, 0, -3000);
  SetAccel(slot, Sprites.Sprite(slot).X < 240 ? -5 : 5, 60);
}

constexpr SpawnRow Spawns[] = {
    // behaviour  kind        start          variant
    {Swayer, KindSwayer, SwayerStart},           // SpawnSwayer
    {Swayer, KindSwayer, SwayerStart, 1},        // SpawnFiringSwayer
    {Braker, KindTilter, BrakerStart},           // SpawnBraker
    {Crosser, KindSwayer, CrosserStart},         // SpawnCrosser
    {LargeCraft, KindLarge, LargeCraftStart},    // SpawnLargeCraft
    {SideDasher, KindTilter, SideDasherStart},   // SpawnSideDasher
    {Ringer, KindRinger, RingerStart},           // SpawnRinger
    {BossPart, KindPart, BossPartStart},         // SpawnBossPart
    {PartDebris, KindDebris, PartDebrisStart},   // SpawnPartDebris
    {Boss, KindBoss, Stage2BossStart},           // SpawnBoss
};
static_assert(std::size(Spawns) == SpawnBoss + 1);

// Sways after the ship with no limit to its speed; the firing kind (Variant 1)
// fires four single jittered bullets as it comes in.
void SwayerBehaviour(int slot) {
  const int32_t shipX = CenterX(PlayerSlot);
  if (shipX != LastHitX) ObjectTable[slot].AccX = shipX < LastHitX ? -30 : 30;
  if (Enemy(slot).Variant != 1 || EnemyAge >= 10 || EnemyAge % 2 != 0) return;
  const int32_t a = Jittered(Aim(slot));
  const int32_t speed = 2500 + Random(2000);
  FireSeries(LastHitX, LastHitY, 1, 0, 0, 0, 0, a, speed, 3);
}

// Ten volleys of two pairs, one every fourth frame, closing in on the angle
// taken at spawn while the craft brakes and climbs back out.
void BrakerBehaviour(int slot) {
  Tilt(slot);
  EnemyRecord& e = Enemy(slot);
  if (EnemyAge % 4 != 0 || e.Work[0] <= 0) return;
  FireFan(LastHitX, LastHitY, 2, 0, 0, e.Work[0], 0, e.Work[1], 2500 - 10 * EnemyAge, 4);
  FireFan(LastHitX, LastHitY, 2, 0, 0, e.Work[0] + 32, 0, e.Work[1], 4000 - 10 * EnemyAge, 5);
  e.Work[0] -= 12;
}

// An aimed pair with a bullet between, then a slower solid pair at 100.
void CrosserBehaviour(int slot) {
  if (EnemyAge == Enemy(slot).Work[0]) {
    const int32_t a = Jittered(Aim(slot));
    FireFan(LastHitX, LastHitY, 2, 0, 0, 10, 0, a, 3500, 4);
    FireSeries(LastHitX, LastHitY, 1, 0, 0, 0, 0, a, 3300, 4);
  }
  if (EnemyAge == 100) {
    const int32_t a = Jittered(Aim(slot));
    FireSeries(LastHitX, LastHitY, 2, 0, 0, 0, -98, a, 3800, 5);
  }
}

// The large craft's phases.
enum : uint8_t { Braking = 0, CrossingStreams = 1, SwingingPairs = 2, TurningSpread = 3, Leaving = 4 };

// Two streams of three fans from guns either side, sweeping across each
// other from 120 either side of straight down to past -259: each side moves
// the shared angle 16 on, so a volley moves it 32.
void CrossingStreamsPhase(int slot) {
  if (EnemyAge % 10 != 0) return;
  EnemyRecord& e = Enemy(slot);
  for (int32_t s = -1; s <= 1; s += 2) {
    const int32_t a = 256 - e.Work[0] * s;
    for (int32_t k = 0; k < 3; ++k) FireFan(LastHitX + 30 * s, LastHitY + 12, 3, 0, 0, 32, 0, a, 3800 - 80 * k, 5);
    e.Work[0] -= 16;
    if (e.Work[0] < -259) NextPhase(slot);
  }
}

// Pairs from under its nose, every third frame swinging to the other side
// and further out; the volley of age 300 still fires before the next phase.
void SwingingPairsPhase(int slot) {
  if (EnemyAge % 3 == 0) {
    const int32_t s = 2 * ((EnemyAge / 3) % 2) - 1;
    const int32_t a = WrapAngle(2 * (EnemyAge - 50) * s + 256);
    const int32_t type = 4 + (EnemyAge / 6) % 2;
    FireSeries(LastHitX, LastHitY + 36, 2, 0, 0, 0, -100, a, 4500 - 2 * EnemyAge, type);
  }
  if (EnemyAge == 300) NextPhase(slot);
}

// Eleven bullets 85 apart every tenth frame, the figure turning on.
void TurningSpreadPhase(int slot) {
  if (EnemyAge % 10 == 0) {
    const int32_t a = WrapAngle(static_cast<int32_t>(1.3 * EnemyAge) + 299);
    const int32_t type = 4 + (EnemyAge / 10) % 2;
    FireSeries(LastHitX, LastHitY + 36, 11, 0, 0, 85, 0, a, 2800, type);
  }
  if (EnemyAge == 300) NextPhase(slot);
}

// The script waits while it lives. It brakes to a stop, fires its three
// figures, and drops out of the field.
void LargeCraftBehaviour(int slot) {
  ScriptHold = true;
  ObjectRecord& o = ObjectTable[slot];
  switch (Enemy(slot).Phase) {
    case Braking:
      if (o.VelY >= 1) {
        o.VelY -= 100;
      } else {
        NextPhase(slot);
      }
      break;
    case CrossingStreams: CrossingStreamsPhase(slot); break;
    case SwingingPairs: SwingingPairsPhase(slot); break;
    case TurningSpread: TurningSpreadPhase(slot); break;
    case Leaving: o.VelY += 40; break;
    default: break;
  }
}

// Brakes sideways to a stop, fanning where the ship was when it came, then
// at the ship itself: a solid line at 70 and a wide fan at 110.
void SideDasherBehaviour(int slot) {
  Tilt(slot);
  ObjectRecord& o = ObjectTable[slot];
  o.VelX = static_cast<int32_t>(o.VelX * 0.97);
  if (EnemyAge < 50 && EnemyAge % 8 == 0) FireFan(LastHitX, LastHitY, 5, 0, 0, 32, 0, Enemy(slot).Work[1], 3000, 4);
  if (EnemyAge == 70) FireSeries(LastHitX, LastHitY, 6, 0, 0, 0, -150, Aim(slot), 4000, 5);
  if (EnemyAge == 110) FireFan(LastHitX, LastHitY, 11, 0, 0, 10, 0, Aim(slot), 2000, 5);
}

// Two rings of 32 and a turn toward the ship's side, then eight jittered
// single bullets at 100.
void RingerBehaviour(int slot) {
  Tilt(slot);
  ObjectRecord& o = ObjectTable[slot];
  o.VelX = static_cast<int32_t>(o.VelX * 0.97);
  if (EnemyAge == Enemy(slot).Work[0]) {
    const int32_t d = CenterX(PlayerSlot) <= LastHitX ? -1 : 1;
    o.AccX = (20 + Random(10)) * d;
    int32_t a = Random(1024);
    for (int32_t k = 0; k < 2; ++k) {
      FireRing(LastHitX, LastHitY, 32, 0, 0, 0, a, 2200 - 200 * k, 6);
      a = WrapAngle(a + 16);
    }
  }
  if (EnemyAge == 100) {
    const int32_t aim = Aim(slot);
    for (int32_t k = 0; k < 8; ++k) {
      const int32_t a = Jittered(aim);
      FireSeries(LastHitX, LastHitY, 1, 0, 0, 0, 0, a, 3000 - 50 * k, 4);
    }
  }
}

// In the boss's wing rings: for 80 frames of every 120, a shot every 12th at
// where the ship was when the 120 began.
void PartShots(int slot, int32_t t) {
  EnemyRecord& e = Enemy(slot);
  if (EnemyAge % 12 != 0 || EnemyAge % 120 >= 80) return;
  if (EnemyAge % 120 == 0) {
    e.Work[0] = CenterX(PlayerSlot);
    e.Work[1] = CenterY(PlayerSlot);
  }
  const int32_t a = AngleOf(e.Work[0] - LastHitX, e.Work[1] - LastHitY - 30);
  FireSeries(LastHitX, LastHitY + 30, 1, 0, 0, 0, 0, a, 2000 + 4 * t, 4);
}

// In the boss's aimed bursts: every 16th frame three small rings of three,
// turning the opposite way on each side, their speed pulsing.
void PartRings(int slot, int32_t t) {
  if (EnemyAge % 16 != 0) return;
  const int32_t r = WrapAngle(static_cast<int32_t>(1.5 * t));
  const int32_t a = WrapAngle(r * (2 * Enemy(slot).Work[9] - 1) + 1024);
  const int32_t speed = SinMul(WrapAngle(5 * t), 800) + 2500;
  for (int32_t k = 0; k < 3; ++k) FireRing(LastHitX, LastHitY + 30, 3, 0, 0, 0, a, speed - 50 * k, 3);
}

// Trails the boss 130 to its side and 60 below its centre, counting itself
// into the boss's census every frame. When the boss's first life ends it
// falls as debris; until then it joins the boss's attacks 1 and 3 outside
// their waits.
void BossPartBehaviour(int slot) {
  ++BossState.Parts;
  const int boss = BossState.Slot;
  AimVel(slot, CenterX(boss) + (2 * Enemy(slot).Work[9] - 1) * 130, CenterY(boss) + 60, 50);
  if (BossState.Depletions == 1) {
    const SpriteRegister& s = Sprites.Sprite(slot);
    SpawnEnemy(SpawnPartDebris, s.X, s.Y, false);  // its own slot is still taken
    Release(slot);
    return;
  }
  if (BossState.Wait != 0) return;
  if (BossState.Attack == BossWingRings) PartShots(slot, BossState.Clock);
  if (BossState.Attack == BossAimedBursts) PartRings(slot, BossState.Clock);
}

// Cannot be hit: scatters pairs of bullets every other frame and bursts into
// explosions every fourth until it leaves the field.
void PartDebrisBehaviour(int slot) {
  if (EnemyAge % 2 == 0) {
    const int32_t a = Random(1024);
    const int32_t speed = 800 + Random(1200);
    FireSeries(LastHitX, LastHitY + 30, 2, 0, 0, 0, -100, a, speed, 2 + (EnemyAge / 2) % 2);
  }
  if (EnemyAge % 4 == 0) BigExplosion(slot, 0);
}

}  // namespace

std::span<const SpawnRow> Stage2Spawns() { return Spawns; }

void Stage2Behaviour(int slot) {
  switch (ObjectTable[slot].Kind) {
    case Swayer: SwayerBehaviour(slot); break;
    case Braker: BrakerBehaviour(slot); break;
    case Crosser: CrosserBehaviour(slot); break;
    case LargeCraft: LargeCraftBehaviour(slot); break;
    case SideDasher: SideDasherBehaviour(slot); break;
    case Ringer: RingerBehaviour(slot); break;
    case BossPart: BossPartBehaviour(slot); break;
    case PartDebris: PartDebrisBehaviour(slot); break;
    case Boss: Stage2Boss(slot); break;
    default: break;
  }
}

void BuildStage2Script() {
  OpenScript();
  for (int k = 0; k < 50; ++k) { AddEntry(SpawnSwayer, Random(448), -32); ScriptTime += 8; }
  for (int k = 0; k < 30; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 8; }
  ScriptTime += 100;
  AddEntry(SpawnBraker, 216, -48);
  ScriptTime += 80;
  AddEntry(SpawnBraker, 166, -48);
  ScriptTime += 80;
  AddEntry(SpawnBraker, 266, -48);
  ScriptTime += 130;
  // A line of six abreast.
  for (int i = 0; i < 6; ++i) AddEntry(SpawnFiringSwayer, 60 + 60 * i, -32);
  ScriptTime += 130;
  for (int i = 0; i < 9; ++i) { AddEntry(SpawnBraker, 30 + 48 * i, -48); ScriptTime += 50; }
  ScriptTime += 50;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnCrosser, -32, Random(120)); ScriptTime += 20; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnCrosser, -32, Random(240)); ScriptTime += 15; }
  for (int i = 0; i < 20; ++i) { AddEntry(SpawnCrosser, i % 2 == 0 ? -32 : 480, Random(240)); ScriptTime += 10; }
  ScriptTime += 100;
  AddEntry(SpawnLargeCraft, 200, -80);
  ScriptTime += 300;
  for (int k = 0; k < 50; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 15; }
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnFiringSwayer, Random(448), -32); ScriptTime += 5; }
  // Side pairs, 150 frames apart, alternating between two heights.
  ScriptTime += 150;
  for (int i = 0; i < 6; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(SpawnSideDasher, -48, y);
    AddEntry(SpawnSideDasher, 480, y);
    ScriptTime += 150;
  }
  for (int i = 0; i < 4; ++i) {
    const int32_t y = i % 2 == 0 ? 170 : 230;
    AddEntry(SpawnSideDasher, -48, y);
    AddEntry(SpawnSideDasher, 480, y);
    for (int k = 0; k < 5; ++k) { AddEntry(SpawnSwayer, Random(448), -32); ScriptTime += 30; }
  }
  ScriptTime += 60;
  for (int i = 0; i < 4; ++i) {
    AddEntry(SpawnSideDasher, -48, 280 - 48 * i);
    AddEntry(SpawnSideDasher, 480, 280 - 48 * i);
    ScriptTime += 50;
  }
  ScriptTime += 100;
  for (int k = 0; k < 10; ++k) { AddEntry(SpawnRinger, Random(432), -64); ScriptTime += 40; }
  for (int k = 0; k < 20; ++k) { AddEntry(SpawnRinger, Random(432), -64); ScriptTime += 30; }
  AddWarning();
  // The parts come first: they take lower slots than the boss, so they are
  // updated before it and its parts census is complete when it reads it.
  AddEntry(SpawnBossPart, 120, -80);
  AddEntry(SpawnBossPart, 280, -80);
  AddEntry(SpawnBoss, 160, -160);
  AddEnd();
}

}  // namespace omb
