// The input of a whole stage, shared by the benchmarks: weaving and bombing,
// then shooting from below the boss with the barrier taken up and let go in
// turn, so bullets are captured and fired back as the special weapon.
#pragma once
#include <string>

#include "platform/headless/headless_platform.h"

namespace omb {

inline InputScript WholeStage() {
  std::string text =
      "1 0\n60 20\n40 17\n80 84\n30 0\n5 32\n100 24\n120 81\n50 20\n5 32\n200 21\n"
      "48 1\n90 8\n";
  for (int k = 0; k < 150; ++k) text += "60 16\n40 80\n1 16\n";
  InputScript s;
  std::string error;
  s.Parse(text, error);
  return s;
}

}  // namespace omb
