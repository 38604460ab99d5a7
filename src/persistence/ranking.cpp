#include "persistence/ranking.h"

#include <cstdio>
#include <string>

#include "persistence/replay.h"
#include "persistence/text_file.h"
#include "shell/game_vars.h"
#include "shell/start_values.h"

namespace omb {
namespace {

constexpr const char* RankingFile = "ranking.txt";

// A damaged ranking file is never lost: it moves aside under the first free
// name of "ranking.txt.bad", "ranking.txt.bad1", ... (none is ever deleted).
std::string SetAside() {
  for (int k = 0; k < 100; ++k) {
    const std::string name = std::string(RankingFile) + ".bad" + (k == 0 ? "" : std::to_string(k));
    if (FileExists(name.c_str())) continue;
    return std::rename(RankingFile, name.c_str()) == 0 ? name : std::string();
  }
  return {};
}

}  // namespace

void ResetRankingTables() { RestoreStartValues<Ranking, RankingClear>(); }

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

void ResetRanking() {
  ResetRankingTables();
  WriteRanking();
}

void ReadRanking() {
  std::array<int32_t, 150> values{};
  std::array<LineState, 150> states{};
  std::string error;
  if (!ReadIntegerLines(RankingFile, values, states, error)) {
    ReportFileProblem(std::string(RankingFile) + ": cannot read it (" + error + "); the default rankings are in play");
    ResetRankingTables();
    return;
  }
  for (int i = 0; i < 150; ++i) {
    if (states[i] == LineState::Good) continue;
    const std::string kept = SetAside();
    ReportFileProblem(std::string(RankingFile) + " line " + std::to_string(i + 1) + " is " +
                      std::string(Describe(states[i])) + "; the default rankings are in play" +
                      (kept.empty() ? " (the file could not be moved aside)" : " and the file is kept as " + kept));
    if (kept.empty()) {
      ResetRankingTables();  // the damaged file stays where it is until the next save
    } else {
      ResetRanking();
    }
    return;
  }
  // Scores out of order are taken as they stand.
  for (int m = 0; m < 5; ++m) {
    for (int i = 0; i < 30; ++i) Ranking[m][i] = values[30 * m + i];
  }
}

void WriteRanking() {
  std::array<int32_t, 150> values{};
  for (int m = 0; m < 5; ++m) {
    for (int i = 0; i < 30; ++i) values[30 * m + i] = Ranking[m][i];
  }
  std::string error;
  if (!WriteIntegerLines(RankingFile, values, error)) {
    ReportFileProblem(std::string(RankingFile) + ": cannot save the rankings (" + error + ")");
  }
}

}  // namespace omb
