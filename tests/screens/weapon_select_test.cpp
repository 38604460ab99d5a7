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
  int Shots() const {
    int n = 0;
    for (int j = FindActive(ShotFirst, ShotLast); j != -1; j = FindActive(j + 1, ShotLast)) ++n;
    return n;
  }
};

TEST_F(WeaponSelectTest, TheScreenNamesTheChoiceCentredOverThePlayField) {
  Frame();
  int32_t left = 0;
  EXPECT_EQ(ScreenRow(72, &left), "WEAPON SELECT");
  EXPECT_EQ(left, 136);
  EXPECT_EQ(ScreenRow(160, &left), "SUB SHOT");
  EXPECT_EQ(left, 240 - 8 * 7);
  EXPECT_EQ(ScreenRow(176), "TILT");
  EXPECT_EQ(ScreenRow(208), "SPECIAL WEAPON");
  EXPECT_EQ(ScreenRow(224, &left), "LASER");
  EXPECT_EQ(left, 240 - 8 * 4);
}

TEST_F(WeaponSelectTest, BothCursorsWrapAndTheLabelsFollowInTheSameFrame) {
  Frame(0, 1);  // ENERGY: six letters, more than AIM's three
  Frame(0, 0);
  Frame(0, 1);
  EXPECT_EQ(SpecialWeapon, SpecialAim);
  EXPECT_EQ(ScreenRow(224), "AIM") << "nothing left of ENERGY";
  Frame(0, 0);
  Frame(0, -1);
  Frame(0, 0);
  Frame(0, -1);
  Frame(0, 0);
  Frame(0, -1);
  EXPECT_EQ(ScreenRow(224), "AIM") << "up on LASER";
  Frame(-1, 0);
  EXPECT_EQ(SubShot, SubWave);
  EXPECT_EQ(ScreenRow(176), "WAVE");
  Frame(0, 0);
  Frame(1, 0);
  EXPECT_EQ(SubShot, SubTilt) << "right on WAVE";
  EXPECT_EQ(ScreenRow(176), "TILT");
  EXPECT_TRUE(SoundRequest[0]);
}

TEST_F(WeaponSelectTest, TheShipSweepsRightThenBetweenItsEnds) {
  const SpriteRegister& ship = Sprites.Sprite(PlayerSlot);
  for (int k = 0; k < 30; ++k) Frame();
  EXPECT_EQ(ship.X, 366);
  for (int k = 0; k < 60; ++k) Frame();
  EXPECT_EQ(ship.X, 66);
  int32_t lo = ship.X, hi = ship.X;
  for (int k = 0; k < 240; ++k) {
    Frame();
    lo = std::min(lo, ship.X);
    hi = std::max(hi, ship.X);
  }
  EXPECT_EQ(lo, 66);
  EXPECT_EQ(hi, 366);
  EXPECT_EQ(ship.X, 66) << "frame 330 ends a sweep to the left";
  EXPECT_EQ(StageFrame, 330);
}

TEST_F(WeaponSelectTest, TheShipFiresEveryFourthFrame) {
  Frame();
  EXPECT_EQ(Shots(), 3) << "a volley in the first frame";
  for (int k = 0; k < 3; ++k) Frame();
  EXPECT_EQ(Shots(), 3);
  Frame();
  EXPECT_EQ(Shots(), 6);
}

TEST_F(WeaponSelectTest, OnlyANewPressOfButtonZeroStartsTheGame) {
  ButtonsNow = 1;  // still held from the title's confirm
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateWeaponSelect);
  Frame(0, 0, 2);
  EXPECT_EQ(GameState, StateWeaponSelect) << "cancel does nothing here";
  Frame(1, 1, 0);
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StatePlay);
  EXPECT_EQ((std::array<int32_t, 2>{SubShot, SpecialWeapon}), (std::array<int32_t, 2>{SubCurve, SpecialEnergy}));
}

}  // namespace
}  // namespace omb
