// Whole games run twice must agree to the last bit, and a play frame must not
// allocate: replays and the frame budget both rest on it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "counting_new.h"
#include "game_fixture.h"
#include "gameplay/collision.h"
#include "gameplay/player.h"
#include "media/music.h"
#include "shell/dump.h"
#include "shell/game_vars.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// Weaving, shooting, holding and letting go of the barrier, and bombing.
constexpr const char* BusyOpening =
    "1 0\n"
    "60 20\n"       // up and shoot
    "40 17\n"       // left and shoot
    "80 84\n"       // right, shoot, barrier
    "30 0\n"
    "5 32\n"        // bomb
    "100 24\n"      // down and shoot
    "120 81\n"      // left, shoot, barrier
    "50 20\n"
    "5 32\n"
    "200 21\n";     // up-left, shoot
const std::string BusyInput = std::string(BusyOpening) + "3000 86\n";  // up-right, shoot, barrier

uint64_t Fnv1a(std::string_view text) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

// A whole stage: weaving, bombing, then shooting from below the boss with
// the barrier taken up and let go in turn, so that bullets are captured and
// fired back as the special weapon.
std::string WholeStageInput() {
  std::string input = BusyOpening;
  input += "48 1\n90 8\n";  // back to the middle, near the bottom
  for (int k = 0; k < 80; ++k) input += "60 16\n40 80\n1 16\n";
  return input;
}

// The state dump in parts, so that a golden master that moves says what
// moved. Each top-level key goes to the first part whose prefix it has.
enum Part { RandomSeed, Score, Ship, Script, Boss, EnemyRecords, Objects, Sprites, Rest, PartCount };
constexpr const char* PartNames[PartCount] = {"random seed", "score",   "ship and bombs", "script and stage",
                                              "boss state",  "enemy records", "objects", "sprites", "the rest"};
constexpr std::pair<const char*, Part> PartPrefixes[] = {
    {"RandSeed", RandomSeed}, {"Score", Score},         {"Bonus", Score},        {"Player.", Ship},
    {"Bombs.", Ship},         {"BarrierSize", Ship},    {"ShipBank", Ship},      {"Invuln", Ship},
    {"PodAngle", Ship},       {"OrbitAngle", Ship},     {"Shot", Ship},          {"Script", Script},
    {"Stage", Script},        {"Banner", Script},       {"BossState.", Boss},    {"Enemies", EnemyRecords},
    {"Objects", Objects},     {"Sprites", Sprites},
};

using PartHashes = std::array<uint32_t, PartCount>;

PartHashes HashParts(const std::string& dump) {
  std::array<std::string, PartCount> parts;
  Part part = Rest;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  \"", 0) == 0) {  // a top-level key
      part = Rest;
      for (const auto& [prefix, p] : PartPrefixes) {
        if (line.compare(3, std::strlen(prefix), prefix) == 0) {
          part = p;
          break;
        }
      }
    }
    parts[part] += line + "\n";
  }
  PartHashes hashes{};
  for (int p = 0; p < PartCount; ++p) {
    const uint64_t h = Fnv1a(parts[p]);
    hashes[p] = static_cast<uint32_t>(h ^ (h >> 32));
  }
  return hashes;
}

// The inputs of the golden runs: the whole stage above, the shot held
// throughout, or nothing at all.
std::string ShotHeld() { return "99999 16\n"; }
std::string NoInput() { return {}; }

// A golden run: a game from `--play STAGE`, its state hashed part by part
// every 1000 frames, against its table in golden_masters.txt.
struct GoldenRun {
  const char* Name;
  int Stage, Sub, Special, Mode;
  std::string (*Input)();
  int Checkpoints;
  const char* EndsWith;  // in the last dump: what the run is there to reach
};
constexpr int CheckpointEvery = 1000;

// Any change to the play frame's arithmetic or to the order of random draws
// moves their hashes, and so does a new key of the dump; when such a change
// is meant, put the printed tables in golden_masters.txt with it.
constexpr GoldenRun GoldenRuns[] = {
    // THEATER until stage 2 has begun, and NORMAL until well after the ship was lost.
    {"stage 1 THEATER", 1, 0, 0, ModeTheater, WholeStageInput, 6, "\"Stage\": 2,"},
    {"stage 1 NORMAL", 1, 1, 2, ModeNormal, WholeStageInput, 6, "\"Player.Alive\": 0,"},
    // Stage 2 from its start: THEATER with the shot held until stage 3 has begun, and NORMAL with no
    // input until well after the ship was lost.
    {"stage 2 THEATER", 2, 2, 1, ModeTheater, ShotHeld, 11, "\"ScriptCount\": 219,"},
    {"stage 2 NORMAL", 2, 0, 2, ModeNormal, NoInput, 4, "\"Player.Alive\": 0,"},
    // Stage 3: THEATER shooting from the start place through every attack of
    // the boss's three lives into stage 4's start, and NORMAL without input
    // until the game is over.
    {"stage 3 THEATER", 3, 2, 0, ModeTheater, ShotHeld, 15, "\"ScriptCount\": 154,"},
    {"stage 3 NORMAL", 3, 2, 1, ModeNormal, NoInput, 4, "\"Player.Alive\": 0,"},
    // Stage 4: THEATER with the shot held through the all clear to the end of the game, and NORMAL with no
    // input until after the ship was lost.
    {"stage 4 THEATER", 4, 0, 0, ModeTheater, ShotHeld, 13, "\"AllClear\": 1,"},
    {"stage 4 NORMAL", 4, 0, 0, ModeNormal, NoInput, 3, "\"Player.Alive\": 0,"},
    // The whole game: THEATER with the shot held from stage 1 through the all clear.
    {"whole game THEATER", 1, 0, 0, ModeTheater, ShotHeld, 37, "\"AllClear\": 1,"},
};

// The tables of golden_masters.txt by run name.
std::map<std::string, std::string> GoldenTables() {
  std::map<std::string, std::string> tables;
  std::ifstream file(OMBREZZA_TESTS_DIR "/gameplay/golden_masters.txt");
  std::string name;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind("== ", 0) == 0) {
      name = line.substr(3);
    } else if (!line.empty() && line[0] != '#') {
      tables[name] += line + "\n";
    }
  }
  return tables;
}

std::string Table(const std::vector<PartHashes>& checkpoints) {
  std::string table;
  char line[16];
  for (std::size_t k = 0; k < checkpoints.size(); ++k) {
    table += std::to_string((k + 1) * CheckpointEvery);
    for (const uint32_t h : checkpoints[k]) {
      std::snprintf(line, sizeof line, " %08x", h);
      table += line;
    }
    table += "\n";
  }
  return table;
}

TEST(DeterminismTest, GoldenMasters) {
  const auto tables = GoldenTables();
  ASSERT_FALSE(tables.empty()) << "golden_masters.txt was not read";
  for (const GoldenRun& run : GoldenRuns) {
    HeadlessGame game(run.Input(), run.Stage, run.Sub, run.Special, run.Mode);
    ButtonFunction = {0, 1, 2, 3, 3, 3};
    SkipDrawing = true;  // the state is the same, drawn or not
    std::vector<PartHashes> checkpoints;
    std::vector<int32_t> stages;
    std::string dump;
    for (int k = 0; k < run.Checkpoints; ++k) {
      game.Frames(CheckpointEvery);
      dump = DumpState();
      checkpoints.push_back(HashParts(dump));
      stages.push_back(Stage);
    }
    EXPECT_NE(dump.find(run.EndsWith), std::string::npos) << run.Name << " no longer reaches " << run.EndsWith;
    const std::string table = Table(checkpoints);
    const auto stored = tables.find(run.Name);
    const std::string golden = stored != tables.end() ? stored->second : std::string();
    if (table == golden) continue;
    // Where it first moved, and what moved there.
    std::istringstream lines(golden);
    for (std::size_t k = 0; k < checkpoints.size(); ++k) {
      std::string line;
      std::getline(lines, line);
      std::istringstream fields(line);
      int frame = 0;
      fields >> frame;
      std::string moved;
      for (int p = 0; p < PartCount; ++p) {
        uint32_t h = 0;
        fields >> std::hex >> h;
        if (h != checkpoints[k][p]) moved += std::string(moved.empty() ? "" : ", ") + PartNames[p];
      }
      if (moved.empty()) continue;
      ADD_FAILURE() << run.Name << ": at frame " << (k + 1) * CheckpointEvery << " (stage " << stages[k]
                    << ") moved " << moved << "; the new table:\n== " << run.Name << "\n" << table;
      break;
    }
  }
}

// A new game from the title: its first five play frames.
std::string NextGameStart(HeadlessGame& game) {
  DirectPlayRequest = {true, 1, 0, 0, 0};
  game.Frames(1 + 5);
  return DumpState();
}

TEST(DeterminismTest, TwoGamesInARowStartAlikeHoweverTheFirstEnded) {
  HeadlessGame game({}, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.Frames(100);
  FormKeyDown(KeyEscape);  // left with the ship alive
  game.Frames(1);
  ASSERT_EQ(GameState, StateTitle);
  const std::string afterEscape = NextGameStart(game);

  Invuln = 0;
  Player.Life = 1;
  PlayerHit(false);  // this one ends with the ship lost
  game.Frames(60);
  FormKeyDown(KeyEscape);
  game.Frames(1);
  const std::string afterLoss = NextGameStart(game);
  EXPECT_EQ(afterEscape, afterLoss);
  EXPECT_NE(afterLoss.find("\"PlayTime\": 5,"), std::string::npos);
}

// Each stage starts its tune, and its boss its own, in order, over a whole
// game: the stage tunes are 1, 3, 5, 7 and the boss tunes 2, 4, 6, 8.
TEST(DeterminismTest, AWholeGamePlaysEachStagesTuneThenItsBossTune) {
  HeadlessGame game(ShotHeld(), 1, 0, 0, ModeTheater);
  for (int i = 0; i < 9; ++i) MidiName[i] = std::to_string(i) + ".mid";
  SkipDrawing = true;
  game.platform.MusicLog.clear();
  for (int f = 0; f < 40000 && !AllClear; ++f) game.Frames(1);
  ASSERT_TRUE(AllClear);
  std::vector<int> tunes;
  for (const auto& entry : game.platform.MusicLog) {
    const std::string_view e = entry;
    if (e.starts_with("open midi/")) tunes.push_back(e[10] - '0');
  }
  EXPECT_EQ(tunes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(DeterminismTest, PlayFramesAllocateNothing) {
  HeadlessGame game(BusyInput, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.platform.Sounds.reserve(1 << 16);
  game.Frames(20);  // into play, past the first frame's set-up
  ASSERT_EQ(GameState, StatePlay);
  Allocations = 0;
  CountAllocations = true;
  game.Frames(1000);
  CountAllocations = false;
  EXPECT_EQ(Allocations, 0);
}

// A boss arriving or the next stage starting changes the tune in play.
TEST(DeterminismTest, TuneChangesInPlayAllocateNothing) {
  HeadlessGame game(BusyInput, 1);
  game.platform.Sounds.reserve(1 << 16);
  MusicOn = true;
  // As the music list will name them at start-up: each longer than the last
  // and past the short-string size, so any copy on the way needs the heap.
  for (int i = 0; i < 9; ++i) MidiName[i] = "tune " + std::to_string(i) + std::string(5 * i, '~') + ".mid";
  PreloadTunes();
  game.Frames(20);
  ASSERT_EQ(GameState, StatePlay);
  Allocations = 0;
  CountAllocations = true;
  char reply[16] = {};
  for (int n = 2; n < 9; ++n) {
    PlayMidi(n);
    game.Frames(10);
    MciSendString("status FILE mode", reply, sizeof reply);
  }
  CountAllocations = false;
  EXPECT_EQ(Allocations, 0);
  EXPECT_STREQ(reply, "playing");
  EXPECT_EQ(game.platform.MusicLog.back(), "play");
  EXPECT_EQ(game.platform.MusicFile, "midi/" + MidiName[8]);
}

}  // namespace
}  // namespace omb
