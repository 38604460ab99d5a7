#include "gameplay/stars.h"

#include "objects/motion.h"
#include "objects/objects.h"
#include "shell/components.h"

namespace omb {

void SetUpStars() {
  for (int j = StarFirst; j <= StarLast; ++j) {
    const int32_t y = Random(472);
    const int32_t x = Random(472);
    Activate(j, x, y);
    Sprites.Sprite(j).Shape = RandomFrom(8, 129);
    SetVel(j, 0, RandomFrom(2500, 500));
  }
}

void UpdateStars() {
  for (int j = StarFirst; j <= StarLast; ++j) {
    Move(j);
    if (Sprites.Sprite(j).Y > 480) {
      const int32_t y = -RandomFrom(32, 8);
      const int32_t x = Random(472);
      SetPos(j, x, y);
      Sprites.Sprite(j).Shape = RandomFrom(8, 129);
      ObjectTable[j].VelY = RandomFrom(2500, 500);
    }
  }
}

}  // namespace omb
