#include "persistence/options.h"

#include <cstdio>
#include <string>
#include <vector>

#include "persistence/ranking.h"
#include "persistence/text_file.h"
#include "shell/game_vars.h"
#include "shell/shell.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

constexpr const char* OptionFile = "option.txt";
constexpr const char* MusicList = "midi/midi.txt";

// What each line of the option file may hold. Music and pacing are on only
// for exactly 1, so any number will do there, as on the unused lines.
struct LineRange {
  int32_t Low, High;
  const char* What;
};
constexpr LineRange AnyValue = {INT32_MIN, INT32_MAX, "unused"};
constexpr std::array<LineRange, 16> OptionRanges = {{
    {0, 3, "button 1"}, {0, 3, "button 2"}, {0, 3, "button 3"},
    {0, 3, "button 4"}, {0, 3, "button 5"}, {0, 3, "button 6"},
    {INT32_MIN, INT32_MAX, "music"}, {0, 4, "game mode"}, {INT32_MIN, INT32_MAX, "wait"},
    {1, 5, "draw"}, {0, 4, "bullet style"},
    AnyValue, AnyValue, AnyValue, AnyValue, AnyValue,
}};

std::string Printf(const char* format, auto... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// The same damaged file is read again at every entry into the title; its
// problems are told the first time, and again only when they change.
void ReportOnce(std::vector<std::string>& told, std::vector<std::string> problems) {
  if (problems == told) return;
  for (const std::string& p : problems) ReportFileProblem(p);
  told = std::move(problems);
}

// "option.txt" into OptionValues: a bad or missing line takes its default, a
// value out of range its nearest end. An unreadable file leaves the values
// in memory as they are, so nothing the player chose is lost.
void ReadOptionFile() {
  static std::vector<std::string> told;
  std::vector<std::string> problems;
  std::array<int32_t, 16> values = DefaultOptionValues;
  std::array<LineState, 16> states{};
  std::string error;
  if (!ReadIntegerLines(OptionFile, values, states, error)) {
    problems.push_back(Printf("%s: cannot read it (%s); keeping the options in memory", OptionFile, error.c_str()));
    ReportOnce(told, std::move(problems));
    return;
  }
  for (int i = 0; i < 16; ++i) {
    if (states[i] == LineState::Missing) {
      problems.push_back(Printf("%s: the file ends after line %d; lines %d to 16 take their defaults", OptionFile, i,
                                i + 1));
      break;
    }
    if (states[i] != LineState::Good) {
      problems.push_back(Printf("%s line %d is %s; using the default %d", OptionFile, i + 1,
                                std::string(Describe(states[i])).c_str(), values[i]));
      continue;
    }
    const LineRange& r = OptionRanges[i];
    if (values[i] < r.Low || values[i] > r.High) {
      const int32_t fixed = values[i] < r.Low ? r.Low : r.High;
      problems.push_back(Printf("%s line %d: %s %d is outside %d to %d; using %d", OptionFile, i + 1, r.What,
                                values[i], r.Low, r.High, fixed));
      values[i] = fixed;
    }
  }
  ReportOnce(told, std::move(problems));
  OptionValues = values;
}

// "midi/midi.txt" into MidiName; a missing list means no music.
void ReadMusicList() {
  static std::vector<std::string> told;
  std::vector<std::string> problems;
  std::string error;
  const int found = ReadTextLines(MusicList, MidiName, error);
  if (found < 0) {
    problems.push_back(Printf("%s: cannot read it (%s); no music", MusicList, error.c_str()));
  } else if (found < static_cast<int>(MidiName.size())) {
    problems.push_back(Printf("%s names %d of the %d tunes; the others are silent", MusicList, found,
                              static_cast<int>(MidiName.size())));
  }
  ReportOnce(told, std::move(problems));
}

}  // namespace

void LoadOptions(bool all) {
  ReadOptionFile();
  ReadMusicList();
  ApplyOptionValues(all);
}

void ApplyOptionValues(bool all) {
  OptionsOverridden = false;
  for (int i = 0; i < 6; ++i) ButtonFunction[i] = OptionValues[i];
  MusicOn = OptionValues[6] == 1;
  GameMode = OptionValues[7];
  if (all) {
    WaitOn = OptionValues[8] == 1;
    FrameSkip = OptionValues[9];
  }
  FrameSkipOn = FrameSkip != 1;
  BulletStyle = OptionValues[10];
}

void SaveOptions() {
  if (RankingClear) {
    RankingClear = false;
    ResetRanking();
  }
  for (int i = 0; i < 6; ++i) OptionValues[i] = ButtonFunction[i];
  OptionValues[6] = MusicOn ? 1 : 0;
  OptionValues[7] = GameMode;
  OptionValues[8] = WaitOn ? 1 : 0;
  OptionValues[9] = FrameSkip < 1 ? 1 : FrameSkip > 5 ? 5 : FrameSkip;
  OptionValues[10] = BulletStyle < 0 ? 0 : BulletStyle > 4 ? 4 : BulletStyle;
  std::string error;
  if (!WriteIntegerLines(OptionFile, OptionValues, error)) {
    ReportFileProblem(Printf("%s: cannot save the options (%s)", OptionFile, error.c_str()));
  }
}

void WriteDefaultOptions() {
  OptionValues = DefaultOptionValues;
  std::string error;
  if (!WriteIntegerLines(OptionFile, OptionValues, error)) {
    ReportFileProblem(Printf("%s: cannot write the default options (%s)", OptionFile, error.c_str()));
  }
}

}  // namespace omb
