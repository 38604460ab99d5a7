// Weapon select: left and right choose the sub shot, up and down the special
// weapon, while the ship sweeps along the bottom firing what is chosen.
#include "gameplay/player.h"
#include "gameplay/weapons.h"
#include "screens/screens.h"
#include "screens/text.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int32_t WeaponTextLimit = 109;

// Right for the first 30 frames, then left and right 60 frames each.
void Demonstrate() {
  const int32_t p = (StageFrame + 30) % 120;
  ShipMove(p < 60 ? 1 : -1, 0, 5);
  if (StageFrame % 4 == 0) FireVolley();
  UpdateShots();
}

}  // namespace

void WeaponSelectFrame() {
  MenuInput(2, 2, -1);
  SubShot = MenuX;
  SpecialWeapon = MenuY;

  int32_t cursor = 0;
  TextX = 136;
  TextY = 72;
  DrawText(cursor, "WEAPON SELECT", false, 0, WeaponTextLimit);
  // Centred on 480: the middle of the play field, left of the panel.
  TextY = 160;
  DrawText(cursor, "SUB SHOT", true, 480, WeaponTextLimit);
  DrawText(cursor, SubShotName(SubShot).View(), true, 480, WeaponTextLimit);
  TextY = 208;
  DrawText(cursor, "SPECIAL WEAPON", true, 480, WeaponTextLimit);
  DrawText(cursor, SpecialWeaponName(SpecialWeapon).View(), true, 480, WeaponTextLimit);
  HideText(cursor + 1, WeaponTextLimit);

  if (MenuDecision == 1) GameState = StatePlay;

  Demonstrate();
  StageFrame += 1;
}

}  // namespace omb
