#include "persistence/ranking.h"

#include "persistence/replay.h"
#include "shell/game_vars.h"

namespace omb {

void ResetRankingTables() {
  for (RankingTable& table : Ranking) {
    for (int p = 0; p < 10; ++p) table[p] = (10 - p) * 1000;
    for (int c = 0; c < 20; ++c) table[10 + c] = c % 3;
  }
  RankingClear = false;
}

int32_t RankInsert(int32_t score, int32_t mode) {
  if (ReplayPlaying) return 0;  // a replayed game never enters the ranking
  if (mode < 0 || mode >= static_cast<int32_t>(Ranking.size())) return 0;
  RankingTable& table = Ranking[mode];
  for (int p = 0; p < 10; ++p) {
    if (table[p] >= score) continue;
    for (int q = 8; q >= p; --q) {  // the old place 10 is lost
      table[q + 1] = table[q];
      table[11 + q] = table[10 + q];
      table[21 + q] = table[20 + q];
    }
    table[p] = score;
    table[10 + p] = SubShot;
    table[20 + p] = SpecialWeapon;
    return p + 1;
  }
  return 0;
}

}  // namespace omb
