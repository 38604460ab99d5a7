#include "persistence/ranking.h"
#include "screen_fixture.h"

namespace omb {
namespace {

class RankingViewTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Enter(StateRanking);
  }
};

TEST_F(RankingViewTest, TheDefaultTableReadsFromTenThousandDownWithScoresInOneColumn) {
  Frame(0, 1);  // up and down change nothing here
  EXPECT_FALSE(SoundRequest[0]);
  int32_t left = 0;
  EXPECT_EQ(ScreenRow(24), "NORMAL");
  EXPECT_EQ(ScreenRow(64, &left), "1st  10000");
  EXPECT_EQ(left, 160);
  EXPECT_EQ(ScreenRow(104), "2nd  9000");
  EXPECT_EQ(ScreenRow(144), "3rd  8000");
  EXPECT_EQ(ScreenRow(184), "4th  7000");
  EXPECT_EQ(ScreenRow(424), "10th 1000") << "the score at the sixth character, as in row 1";
  EXPECT_EQ(ScreenRow(80, &left), "TILT    ENERGY");
  EXPECT_EQ(left, 224);
}

TEST_F(RankingViewTest, LeftAndRightTurnThroughTheModesAndConfirmLeaves) {
  Ranking[4][9] = 123456789;
  Ranking[4][29] = SpecialLaser;
  Frame(-1, 0);
  EXPECT_EQ(ScreenRow(24), "ANOTHER") << "left of NORMAL";
  EXPECT_EQ(ScreenRow(424), "10th 123456789");
  EXPECT_EQ(ScreenRow(440), "TILT    LASER");
  Frame(0, 0);
  Frame(1, 0);
  EXPECT_EQ(ScreenRow(24), "NORMAL") << "right of ANOTHER";
  EXPECT_EQ(ScreenRow(440), "TILT    ENERGY") << "the glyphs the longer frame left are gone";
  // NORMAL, ten place lines, ten sub shots, ten special weapons.
  EXPECT_EQ(CountShownText(), 6 + (10 + 8 * 9 + 9) + (7 * 4 + 3 * 5) + (4 * 6 + 3 * 3 + 3 * 5));
  Frame(-1, 0);
  Frame(0, 0, 1);
  EXPECT_EQ(GameState, StateTitle);
  EXPECT_EQ(ScreenRow(24), "NORMAL") << "drawn for the mode it went back to";
}

}  // namespace
}  // namespace omb
