// The replay files. A stage's recording is written when the stage ends, the
// summary at the start and at the end of a live game; saving a replay moves
// the temporary files into a slot. Stage starts run in play frames, so the
// routines they call build their file names in fixed buffers and allocate
// nothing unless there is a problem to report.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "gameplay/player.h"
#include "media/platform.h"
#include "persistence/options.h"
#include "persistence/replay.h"
#include "persistence/text_file.h"
#include "shell/game_vars.h"
#include "shell/shell.h"

namespace omb {
namespace {

constexpr int SlotCount = 150;
constexpr int32_t MaxStageLength = ReplayInputLength - 1;

// A file name of the replay folder.
struct ReplayPath {
  char Text[48];
  const char* c_str() const { return Text; }
};
ReplayPath TempSummary() { return {"replay/Repsys.rep"}; }
ReplayPath TempStage(int k) {
  ReplayPath p;
  std::snprintf(p.Text, sizeof p.Text, "replay/Rep%d.rep", k);
  return p;
}
ReplayPath SlotSummary(int32_t n) {
  ReplayPath p;
  std::snprintf(p.Text, sizeof p.Text, "replay/Replay%d_sys.rep", n);
  return p;
}
ReplayPath SlotStage(int32_t n, int k) {
  ReplayPath p;
  std::snprintf(p.Text, sizeof p.Text, "replay/Replay%d_%d.rep", n, k);
  return p;
}

void Write(const ReplayPath& path, std::span<const int32_t> values) {
  std::string error;
  if (!WriteIntegerLines(path.c_str(), values, error)) {
    ReportFileProblem(std::string(path.c_str()) + ": cannot write it (" + error + ")");
  }
}

// Line states of the longest replay file.
LineState States[ReplayInputLength];

// Reads values.size() lines when the file exists. A damaged line keeps the
// value it had, and the file is reported; a missing file is no problem.
// Returns whether every line was read.
bool ReadWhenPresent(const ReplayPath& path, std::span<int32_t> values) {
  if (!FileExists(path.c_str())) return false;
  std::string error;
  std::size_t present = 0;
  if (!ReadIntegerLines(path.c_str(), values, std::span(States, values.size()), error, &present)) {
    ReportFileProblem(std::string(path.c_str()) + ": cannot read it (" + error + ")");
    return false;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i == present) {
      ReportFileProblem(std::string(path.c_str()) + " ends after line " + std::to_string(i) + " of " +
                        std::to_string(values.size()) + "; the replay is damaged");
      return false;
    }
    if (States[i] != LineState::Good) {
      ReportFileProblem(std::string(path.c_str()) + " line " + std::to_string(i + 1) + " is " +
                        std::string(Describe(States[i])) + "; the replay is damaged");
      return false;
    }
  }
  return true;
}

// The length of a stage's record held within what ReplayInput holds.
int32_t StageLength(int stage) {
  const int32_t n = ReplayStageLength[stage];
  return n < 0 ? 0 : n > MaxStageLength ? MaxStageLength : n;
}

// The summary in memory to the game's variables, as a replay screen shows it
// and as playback runs.
void ApplySummary() {
  OptionsOverridden = true;  // the player's own are back at the title
  for (int i = 0; i < 6; ++i) ButtonFunction[i] = ReplaySys[SysButtons + i];
  SubShot = ReplaySys[SysSubShot];
  SpecialWeapon = ReplaySys[SysSpecialWeapon];
  GameMode = ReplaySys[SysGameMode];
  Score = ReplaySys[SysScore];
  for (int i = 0; i < 7; ++i) ReplayDate[i] = static_cast<uint16_t>(ReplaySys[SysDate + i]);
  PlayTime = ReplaySys[SysPlayTime];
  BulletsFired = ReplaySys[SysBulletsFired];
  GameCleared = ReplaySys[SysGameCleared];
  Player.HitsByCancellable = ReplaySys[SysHitsByCancellable];
  Player.HitsBySolid = ReplaySys[SysHitsBySolid];
  Player.DamageTaken = ReplaySys[SysDamageTaken];
  Bombs.Used = ReplaySys[SysBombsUsed];
  Bombs.NoBombStreak = ReplaySys[SysNoBombStreak];
  BulletStyle = ReplaySys[SysBulletStyle];
}

struct FieldRange {
  int Field;
  int32_t Low, High;
  const char* What;
};
// The settings a replay needs within range before it can run.
constexpr FieldRange PlayableRanges[] = {
    {0, 0, 3, "button 1"},      {1, 0, 3, "button 2"},         {2, 0, 3, "button 3"},
    {3, 0, 3, "button 4"},      {4, 0, 3, "button 5"},         {5, 0, 3, "button 6"},
    {SysSubShot, 0, 2, "sub shot"}, {SysSpecialWeapon, 0, 2, "special weapon"},
    {SysGameMode, 0, 4, "game mode"}, {SysStartStage, 1, StageCount, "start stage"},
    {SysBulletStyle, 0, 4, "bullet style"},
};

// A file that is not there is skipped; any other failure is told, so a
// replay is never taken for saved when it was not.
void Move(const ReplayPath& from, const ReplayPath& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0 && errno != ENOENT) {
    ReportFileProblem(std::string("cannot move ") + from.c_str() + " to " + to.c_str() + " (" +
                      std::strerror(errno) + ")");
  }
}

bool Unplayable(const ReplayPath& path, const std::string& why) {
  ReportFileProblem(std::string(path.c_str()) + ": " + why + "; the replay cannot be played");
  return false;
}

}  // namespace

void WriteReplaySettings() {
  if (ReplayPlaying) return;
  for (int i = 0; i < 6; ++i) ReplaySys[SysButtons + i] = ButtonFunction[i];
  ReplaySys[SysSubShot] = SubShot;
  ReplaySys[SysSpecialWeapon] = SpecialWeapon;
  ReplaySys[SysGameMode] = GameMode;
  ReplaySys[SysStartStage] = Stage;
  Write(TempSummary(), ReplaySys);
}

void WriteReplayResult() {
  if (ThePlatform != nullptr) ThePlatform->GetLocalTime(ReplayDate);
  ReplaySys[SysScore] = Score;
  for (int i = 0; i < 7; ++i) ReplaySys[SysDate + i] = ReplayDate[i];
  ReplaySys[SysLastStage] = Stage;
  ReplaySys[SysPlayTime] = PlayTime;
  ReplaySys[SysBulletsFired] = BulletsFired;
  ReplaySys[SysGameCleared] = GameCleared;
  ReplaySys[SysHitsByCancellable] = Player.HitsByCancellable;
  ReplaySys[SysHitsBySolid] = Player.HitsBySolid;
  ReplaySys[SysDamageTaken] = Player.DamageTaken;
  ReplaySys[SysBombsUsed] = Bombs.Used;
  ReplaySys[SysNoBombStreak] = Bombs.NoBombStreak;
  ReplaySys[SysBulletStyle] = BulletStyle;
  // A spare field: the last stage's frames when the game ended, so that a
  // replay can be checked at the very frame its result was taken.
  ReplaySys[SysEndFrame] = StageFrame;
  ReplaySys[SysStateHash] = PlayEndStateHash;
  if (FileExists(TempSummary().c_str())) Write(TempSummary(), ReplaySys);
}

void SaveStageReplay(int32_t a) {
  if (ReplayPlaying) return;
  const int32_t s = Stage - 1 + a;
  if (s < 1 || s > StageCount) return;
  const int32_t length = ReplayFrame < 0 ? 0 : ReplayFrame > MaxStageLength ? MaxStageLength : ReplayFrame;
  ReplayStageLength[s] = length;
  Write(TempStage(0), ReplayStageLength);
  Write(TempStage(s), std::span<const int32_t>(ReplayInput.data(), static_cast<std::size_t>(length) + 1));
}

void LoadReplayInfo(int32_t slot, bool saved) {
  if (saved && slot >= 0 && slot < SlotCount) {
    ReadWhenPresent(SlotStage(slot, 0), ReplayStageLength);
    ReadWhenPresent(SlotSummary(slot), ReplaySys);
  } else if (!saved) {
    ReadWhenPresent(TempStage(0), ReplayStageLength);
    ReadWhenPresent(TempSummary(), ReplaySys);
  }
  ApplySummary();
}

void LoadStageInput() {
  if (Stage < 1 || Stage > StageCount) return;
  const int32_t n = StageLength(Stage);
  ReadWhenPresent(SlotStage(ReplaySlot, Stage), std::span<int32_t>(ReplayInput.data(), static_cast<std::size_t>(n) + 1));
}

void SaveReplay(int32_t n) {
  if (n < 0 || n >= SlotCount) return;
  if (FileExists(SlotSummary(n).c_str())) {
    std::remove(SlotSummary(n).c_str());
    for (int k = 0; k <= StageCount; ++k) std::remove(SlotStage(n, k).c_str());
  }
  // The summary marks the slot as used; it goes first, as it always has.
  Move(TempSummary(), SlotSummary(n));
  for (int k = 0; k <= StageCount; ++k) Move(TempStage(k), SlotStage(n, k));
}

void FindUsedReplaySlots() {
  for (int n = 0; n < SlotCount; ++n) ReplaySlotUsed[n] = FileExists(SlotSummary(n).c_str());
}

int32_t AutoReplaySlot() {
  for (int n = 0; n < SlotCount; ++n) {
    if (!FileExists(SlotSummary(n).c_str())) return n;
  }
  return 0;
}

bool ReplaySlotPlayable(int32_t slot) {
  if (slot < 0 || slot >= SlotCount) return false;
  std::array<int32_t, 31> sys{};
  std::array<int32_t, 5> lengths{};
  const ReplayPath summary = SlotSummary(slot);
  if (!FileExists(summary.c_str())) return Unplayable(summary, "missing");
  if (!ReadWhenPresent(summary, sys)) return Unplayable(summary, "damaged");
  for (const FieldRange& r : PlayableRanges) {
    if (sys[r.Field] < r.Low || sys[r.Field] > r.High) {
      return Unplayable(summary, std::string(r.What) + " " + std::to_string(sys[r.Field]) + " is outside " +
                                     std::to_string(r.Low) + " to " + std::to_string(r.High));
    }
  }
  const int32_t first = sys[SysStartStage];
  const int32_t last = sys[SysLastStage];
  if (last < first || last > StageCount) {
    return Unplayable(summary, "stages " + std::to_string(first) + " to " + std::to_string(last));
  }
  const ReplayPath lengthFile = SlotStage(slot, 0);
  if (!FileExists(lengthFile.c_str())) return Unplayable(lengthFile, "missing");
  if (!ReadWhenPresent(lengthFile, lengths)) return Unplayable(lengthFile, "damaged");
  static std::array<int32_t, ReplayInputLength> words;
  for (int32_t k = first; k <= last; ++k) {
    if (lengths[k] < 0 || lengths[k] > MaxStageLength) {
      return Unplayable(lengthFile, "stage " + std::to_string(k) + " length " + std::to_string(lengths[k]) +
                                        " is outside 0 to " + std::to_string(MaxStageLength));
    }
    const ReplayPath stage = SlotStage(slot, static_cast<int>(k));
    if (!FileExists(stage.c_str())) return Unplayable(stage, "missing");
    if (!ReadWhenPresent(stage, std::span<int32_t>(words.data(), static_cast<std::size_t>(lengths[k]) + 1))) {
      return Unplayable(stage, "shorter than its length or damaged");
    }
  }
  return true;
}

}  // namespace omb
