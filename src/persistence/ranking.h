// The rankings: ten places for each of the five game modes, with the
// weapons each score was made with.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

// One game mode's table: scores of places 1 to 10 (best first) at 0..9,
// their SubShot at 10..19 and their SpecialWeapon at 20..29.
using RankingTable = std::array<int32_t, 30>;

// The defaults of every table: 10000 down to 1000, weapons in turn.
constexpr std::array<RankingTable, 5> DefaultRanking() {
  RankingTable table{};
  for (int p = 0; p < 10; ++p) table[p] = (10 - p) * 1000;
  for (int c = 0; c < 20; ++c) table[10 + c] = c % 3;
  return {table, table, table, table, table};
}

inline std::array<RankingTable, 5> Ranking = DefaultRanking();
inline bool RankingClear = false;  // the options screen asks for a reset

// Every table back to the defaults.
void ResetRankingTables();

// "ranking.txt": the five tables, 150 lines.
// The defaults, in memory and in the file. The file is replaced in one step:
// deleting it first would only open a moment without any ranking on disk.
void ResetRanking();
// Reads the file into the tables. A damaged file leaves the defaults in
// play and is kept as "ranking.txt.bad", with one message.
void ReadRanking();
// Writes the tables to the file, atomically.
void WriteRanking();

// Enters a finished game's score in the table of `mode`: returns its place
// 1 to 10, or 0 when it does not beat place 10, during replay playback, or
// for a mode without a table. Equal scores go below the ones already there.
int32_t RankInsert(int32_t score, int32_t mode);

}  // namespace omb
