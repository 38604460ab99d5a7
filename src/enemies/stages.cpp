#include "enemies/stages.h"

#include <iterator>

#include "shell/assets.h"
#include "shell/game_vars.h"

namespace omb {
namespace {

constexpr StageRow Stages[] = {
    // spawn table   behaviours       script builder     art
    {Stage1Spawns, Stage1Behaviour, BuildStage1Script, StageArts[0]},
    {Stage2Spawns, Stage2Behaviour, BuildStage2Script, StageArts[1]},
    {Stage3Spawns, Stage3Behaviour, BuildStage3Script, StageArts[2]},
    {Stage4Spawns, Stage4Behaviour, BuildStage4Script, StageArts[3]},
};
static_assert(std::size(Stages) == StageCount && std::size(StageArts) == StageCount);

const StageRow* Row(int32_t n) { return n >= 1 && n <= StageCount ? &Stages[n - 1] : nullptr; }

}  // namespace

const StageRow* RowOfLook(int32_t look) { return Row(look); }
const StageRow* RowOfStage(int32_t stage) { return Row(stage); }

int32_t LookOf(int32_t stage) {
  return stage >= 1 && stage <= static_cast<int32_t>(StageLook.size()) ? StageLook[stage - 1] : 0;
}

}  // namespace omb
