// Play without a running game: the game test's start, stage 1's enemy kinds,
// and the ship alive at its start place. For tests of single play routines.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "enemies/boss.h"
#include "enemies/enemies.h"
#include "gameplay/player.h"
#include "game_test.h"
#include "objects/bullets.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/assets.h"
#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {

// The ship (48 x 48, hit only at its centre) with its top left at (x, y).
inline void PlaceShip(int32_t x, int32_t y) {
  Activate(PlayerSlot, x, y);
  Sprites.Sprite(PlayerSlot).Shape = 153;
  ObjectTable[PlayerSlot].HitScale = 0;
}
// A still bullet of `type` centred on (x, y); returns its slot.
inline int StillBullet(int32_t x, int32_t y, int32_t type) {
  const int j = FindFree(BulletFirst, BulletLast);
  FireBullet(x, y, 0, 0, 0, 0, type, 0, 0, 0, 0);
  return j;
}
inline int CountActive(int lo, int hi) {
  int n = 0;
  for (int j = FindActive(lo, hi); j != -1; j = FindActive(j + 1, hi)) ++n;
  return n;
}

// The play screen's text as drawn: every shown text register on row y, a
// character at x / 16, trailing spaces cut.
inline std::string TextRow(int32_t y) {
  std::string row(40, ' ');
  for (int r = TextFirst; r <= TextLast; ++r) {
    const SpriteRegister& g = Sprites.Sprite(r);
    if (!g.Visible || g.Y != y || g.X < 0 || g.X >= 640) continue;
    row[static_cast<std::size_t>(g.X / 16)] = static_cast<char>(g.Shape + 32);
  }
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

class PlayTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    BulletTypes = StartBulletTypes;
    BuildEnemyKinds();
    PlaceShip(216, 420);
    for (int m = MarkerFirst; m <= MarkerLast; ++m) {
      Activate(m, 0, 0);
      Sprites.Sprite(m).Shape = 334;
    }
    Player.Life = 10000;
    Player.Damage = 1000;
    Player.Alive = true;
    Player.Odds = 2;
  }
};

}  // namespace omb
