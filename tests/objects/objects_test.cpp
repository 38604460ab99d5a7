#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "media/surface.h"
#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {
namespace {

class ObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetObjects();
    Sprites.Create();
    sheet.Create(Screen);
    Sprites.SetShape(0, &sheet, 0, 0, 16, 16);  // 16 x 16
    Sprites.SetShape(1, &sheet, 0, 0, 8, 8);    // 8 x 8
  }
  Surface sheet;
};

TEST_F(ObjectsTest, FreeSlotSearchesHonourTheirBounds) {
  Activate(698, 0, 0);
  Activate(699, 0, 0);
  std::vector<int> found = {FindFree(698, 757)};
  for (int i = 698; i <= 757; ++i) Activate(i, 0, 0);
  found.push_back(FindFree(698, 757));
  found.push_back(FindFreeFromTop(608, 697));
  Activate(697, 0, 0);
  found.push_back(FindFreeFromTop(608, 697));
  found.push_back(FindActive(758, 787));
  Activate(787, 0, 0);
  found.push_back(FindActive(758, 787));
  found.push_back(FindActive(788, 787));  // the walk ends after the last slot
  EXPECT_EQ(found, (std::vector<int>{700, -1, 697, 696, -1, 787, -1}));
}

TEST_F(ObjectsTest, AWalkMeetsSlotsActivatedAheadOfItAndSkipsReleasedOnes) {
  Activate(760, 0, 0);
  Activate(770, 0, 0);
  std::vector<int> seen;
  for (int j = FindActive(758, 787); j != -1; j = FindActive(j + 1, 787)) {
    seen.push_back(j);
    if (j == 760) {
      Activate(765, 0, 0);  // ahead: met in this walk
      Activate(759, 0, 0);  // behind: not
      Release(770);
    }
  }
  EXPECT_EQ(seen, (std::vector<int>{760, 765}));
}

TEST_F(ObjectsTest, MoveAddsPolarAndCartesianMotionAndTruncatesTowardZero) {
  Activate(200, 0, 0);
  SetPolar(200, 2000, 256);
  Move(200);
  EXPECT_EQ((std::pair{Sprites.Sprite(200).X, Sprites.Sprite(200).Y}), (std::pair{0, 2}));
  SetVel(200, 500, 0);
  const int32_t want[] = {0, 1, 1, 2};
  for (int32_t x : want) {
    Move(200);
    EXPECT_EQ(Sprites.Sprite(200).X, x);
  }
  EXPECT_EQ(ObjectTable[200].Age, 5);
  ObjectTable[200].PosX = -1500;
  ObjectTable[200].VelX = 0;
  ObjectTable[200].Speed = 0;
  Move(200);
  EXPECT_EQ(Sprites.Sprite(200).X, -1) << "-1.5 pixels is drawn at -1, not -2";
}

TEST_F(ObjectsTest, MoveScaledAtFullAndZeroSpeed) {
  Activate(130, 10, 10);
  SetMotion(130, 1234, -777, 3000, 100);
  Activate(131, 10, 10);
  SetMotion(131, 1234, -777, 3000, 100);
  for (int k = 0; k < 5; ++k) {
    Move(130);
    MoveScaled(131, 1000);
  }
  EXPECT_EQ((std::pair{ObjectTable[131].PosX, ObjectTable[131].PosY}),
            (std::pair{ObjectTable[130].PosX, ObjectTable[130].PosY}));
  const int32_t x = ObjectTable[131].PosX;
  MoveScaled(131, 0);
  EXPECT_EQ(ObjectTable[131].PosX, x);
  EXPECT_EQ(ObjectTable[131].Age, 6) << "standing still still ages";
  SetMotion(131, -1001, 0, 0, 0);
  MoveScaled(131, 500);
  EXPECT_EQ(ObjectTable[131].PosX, x - 500) << "-1001 * 500 / 1000 truncates toward zero";
}

TEST_F(ObjectsTest, ClipToFieldFreesOnlyObjectsWhollyOutside) {
  Sprites.Sprite(300).Shape = 0;  // 16 wide
  std::vector<bool> clipped;
  for (const auto& [x, y] : {std::pair{480, 0}, {481, 0}, {0, 480}, {0, 481}, {-16, 0}, {-17, 0}, {0, -17}}) {
    Activate(300, x, y);
    clipped.push_back(ClipToField(300));
  }
  EXPECT_EQ(clipped, (std::vector<bool>{false, true, false, true, false, true, true}));
  EXPECT_FALSE(ObjectTable[300].Active);
  EXPECT_FALSE(Sprites.Sprite(300).Visible);
  Activate(300, -100, 0);
  ObjectTable[300].Clip = false;
  EXPECT_FALSE(ClipToField(300));
}

TEST_F(ObjectsTest, ActivateKeepsAStretchThatReleaseUndoes) {
  Sprites.Sprite(110).Shape = 1;
  Activate(110, 0, 0);
  Sprites.SetDrawWidth(110, 160);
  Release(110);
  EXPECT_EQ(Sprites.DrawWidth(110), 8);
  Sprites.SetDrawWidth(110, 160);
  Activate(110, 5, 5);
  EXPECT_EQ((std::vector{Sprites.DrawWidth(110), ObjectTable[110].HitScale, int32_t{ObjectTable[110].Clip}}),
            (std::vector{160, 100, 1}));
}

TEST_F(ObjectsTest, BounceMirrorsOnlyTheCartesianVelocity) {
  Sprites.Sprite(760).Shape = 0;
  Activate(760, 470, -3);
  SetMotion(760, 700, -300, 900, 10);
  Bounce(760, 400);
  const ObjectRecord& o = ObjectTable[760];
  EXPECT_EQ((std::vector{Sprites.Sprite(760).X, Sprites.Sprite(760).Y, o.VelX, o.VelY, o.Speed}),
            (std::vector{464, 0, -700, 300, 900}));
  SetPos(760, 100, 390);
  Bounce(760, 400);
  EXPECT_EQ(Sprites.Sprite(760).Y, 384);
}

}  // namespace
}  // namespace omb
