#include "objects/objects.h"
#include "screen_fixture.h"

namespace omb {
namespace {

class WeaponSelectTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Enter(StateWeaponSelect);
  }
};

TEST_F(WeaponSelectTest, BothCursorsWrapAndTheLabelsFollowInTheSameFrame) {
  Frame(0, 1);  // ENERGY: longer than AIM
  int32_t left[2] = {};
  EXPECT_EQ((std::vector<std::string>{ScreenRow(72, &left[0]), ScreenRow(224, &left[1])}),
            (std::vector<std::string>{"WEAPON SELECT", "ENERGY"}));
  EXPECT_EQ((std::vector<int32_t>{left[0], left[1]}), (std::vector<int32_t>{136, 240 - 8 * 5})) << "over the field";
  Frame(0, 0);
  Frame(0, 1);
  EXPECT_EQ(ScreenRow(224), "AIM") << "nothing left of ENERGY";
  Frame(0, 0);
  Frame(0, 1);
  Frame(0, 0);
  Frame(0, -1);
  EXPECT_EQ(SpecialWeapon, SpecialAim) << "up on LASER";
  Frame(-1, 0);
  EXPECT_EQ(ScreenRow(176), "WAVE");
  Frame(0, 0);
  Frame(1, 0);
  EXPECT_EQ((std::pair{SubShot, ScreenRow(176)}), (std::pair{int32_t{SubTilt}, std::string("TILT")}))
      << "right on WAVE";
}

TEST_F(WeaponSelectTest, TheShipSweepsRightThenBetweenItsEnds) {
  const SpriteRegister& ship = Sprites.Sprite(PlayerSlot);
  for (int k = 0; k < 30; ++k) Frame();
  EXPECT_EQ(ship.X, 366);
  int32_t lo = ship.X, hi = ship.X;
  for (int k = 0; k < 300; ++k) {
    Frame();
    lo = std::min(lo, ship.X);
    hi = std::max(hi, ship.X);
  }
  EXPECT_EQ((std::vector<int32_t>{lo, hi, ship.X}), (std::vector<int32_t>{66, 366, 66}));
  EXPECT_GT(FindActive(ShotFirst, ShotLast), 0) << "firing all the while";
}

TEST_F(WeaponSelectTest, OnlyANewPressOfButtonZeroStartsTheGame) {
  ButtonsNow = 1;  // still held from the title's confirm
  Frame(0, 0, 1);
  Frame(0, 0, 2);
  EXPECT_EQ(GameState, StateWeaponSelect) << "neither the held button nor cancel";
  Frame(1, 1, 0);
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StatePlay);
  EXPECT_EQ((std::vector<int32_t>{SubShot, SpecialWeapon}), (std::vector<int32_t>{SubCurve, SpecialEnergy}));
}

}  // namespace
}  // namespace omb
