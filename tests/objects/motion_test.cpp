#include <gtest/gtest.h>

#include "objects/motion.h"

namespace omb {
namespace {

TEST(MotionTest, HelperValues) {
  struct {
    int32_t got, want;
  } cases[] = {
      {Trig.Sin[1], 6},               {Trig.Sin[64], 391},
      {Trig.Sin[128], 724},           {Trig.Sin[256], 1024},
      {Trig.Sin[512], 0},             {Trig.Sin[640], -724},
      {Trig.Cos[256], 0},             {Trig.Cos[512], -1024},
      {WrapAngle(-5), 1019},          {WrapAngle(1030), 6},
      {WrapAngle(-2000), 48},         {SinMul(256, 8000), 8000},
      {CosMul(768, 8000), 0},         {SinMul(640, 1000), -707},
      {AngleOf(0, 0), 0},             {AngleOf(-1, 0), 512},
      {AngleOf(0, -1), -256},         {AngleOf(-1, -1), -384},
      {AngleOf(-1000, -1), -511},     {AngleOf(-1000, 1), 511},
      {StepToward(10, 12, 5), 12},    {StepToward(10, 0, 3), 7},
      {StepToward(4, 4, 3), 4},       {EaseToward(0, 60, 0.25), 15},
      {EaseToward(58, 60, 0.25), 59}, {EaseToward(60, 0, 0.35), 39},
      {EaseToward(1, 0, 0.35), 0},    {Decay(-9, 1), -8},
      {Decay(0, 1), 0},               {Decay(1, 3), -2},
      {Distance(3, 4), 5},            {Distance(1, 1), 1},
      {Clamp(-30, -20, 452), -20},    {Clamp(460, -20, 452), 452},
      {Distance(-30000, 0), 30000},   {Distance(50000, 50000) > 0, 1},  // far apart: no overflow
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) EXPECT_EQ(cases[k].got, cases[k].want) << "case " << k;
}

TEST(MotionTest, RandomFromSeedZero) {
  RandSeed = 0;
  std::vector<int32_t> got;
  for (int k = 0; k < 5; ++k) got.push_back(Random(100));
  EXPECT_EQ(got, (std::vector<int32_t>{0, 3, 86, 20, 27}));
  RandSeed = 0;
  EXPECT_EQ(RandomFrom(100, 50), 50);
  EXPECT_EQ(Random(0), 0);
}

}  // namespace
}  // namespace omb
