// Stage 2's enemies and boss; until they are built every spawn code makes an
// idle craft of kind 0.
#include "enemies/enemies.h"
#include "objects/objects.h"

namespace omb {

int32_t Stage2Spawn(int slot, int32_t) {
  ObjectTable[slot].Kind = 0;
  SetEnemyTag(slot, 0);
  return 0;
}

void Stage2Behaviour(int) {}

}  // namespace omb
