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
  // The score at the sixth character in every row.
  EXPECT_EQ(ScreenRows({24, 64, 80, 104, 144, 184, 424}),
            (std::vector<std::string>{"NORMAL", "1st  10000", "TILT    ENERGY", "2nd  9000", "3rd  8000", "4th  7000",
                                      "10th 1000"}));
  int32_t left[2] = {};
  ScreenRow(64, &left[0]);
  ScreenRow(80, &left[1]);
  EXPECT_EQ((std::vector<int32_t>{left[0], left[1]}), (std::vector<int32_t>{160, 224}));
}

TEST_F(RankingViewTest, LeftAndRightTurnThroughTheModesAndConfirmLeaves) {
  Ranking[4][9] = 123456789;
  Ranking[4][29] = SpecialLaser;
  Frame(-1, 0);
  EXPECT_EQ(ScreenRows({24, 424, 440}), (std::vector<std::string>{"ANOTHER", "10th 123456789", "TILT    LASER"}))
      << "left of NORMAL";
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
