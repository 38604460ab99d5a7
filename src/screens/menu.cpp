#include "screens/menu.h"

#include "shell/components.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// One axis: a press that was not there in the last frame moves the cursor.
void StepCursor(int32_t axis, int32_t axisPrev, int32_t max, int32_t& cursor) {
  if (axis == axisPrev || axis == 0) return;
  if (max != 0) SoundRequest[0] = true;
  cursor += axis;
  if (cursor < 0) cursor = max;
  if (cursor > max) cursor = 0;
}

bool NewlyDown(int32_t button) {
  const int32_t bit = 1 << button;
  return (ButtonsNow & bit) != 0 && (ButtonsPrev & bit) == 0;
}

}  // namespace

void MenuInput(int32_t maxX, int32_t maxY, int32_t frame) {
  StepCursor(AxisX, AxisXPrev, maxX, MenuX);
  StepCursor(AxisY, AxisYPrev, maxY, MenuY);
  MenuDecision = 0;
  if (NewlyDown(0)) MenuDecision += 1;
  if (NewlyDown(1)) MenuDecision -= 1;
  if (MenuDecision == 1) SoundRequest[1] = true;
  if (frame != -1 && (frame & 3) == 0) Sprites.NextFrame(400);
}

}  // namespace omb
