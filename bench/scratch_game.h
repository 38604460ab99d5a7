// A benchmark plays in a scratch directory that links in the assets of the
// directory it was started from (build/game, say). A game shut down saves its
// options and ranking and a finished one its replay; a benchmark's, unpaced
// and with whatever it scored, must never become the player's.
#pragma once
#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "scratch_dir.h"

namespace omb {

class ScratchGame {
 public:
  ScratchGame() {
    std::error_code ec;
    for (const char* asset : {"cg.qda", "wave", "midi"}) {
      if (std::filesystem::exists(game_ / asset)) std::filesystem::create_symlink(game_ / asset, asset, ec);
    }
    std::filesystem::create_directory("replay", ec);
  }

 private:
  std::filesystem::path game_ = std::filesystem::current_path();  // before the move
  ScratchDirectory scratch_;
};

}  // namespace omb

// BENCHMARK_MAIN(), run in a scratch game directory.
#define OMBREZZA_BENCHMARK_MAIN()                                       \
  int main(int argc, char** argv) {                                     \
    omb::ScratchGame scratch;                                           \
    benchmark::Initialize(&argc, argv);                                 \
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;   \
    benchmark::RunSpecifiedBenchmarks();                                \
    benchmark::Shutdown();                                              \
    return 0;                                                           \
  }
