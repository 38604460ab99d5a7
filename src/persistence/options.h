// The player's settings in "option.txt" and the music list "midi/midi.txt".
// The option variables themselves live where the game uses them: the buttons,
// game mode and bullet style with the game's variables, music, pacing and
// frame skip with the shell's, the tune names with the sound service.
#pragma once
#include <array>
#include <cstdint>

namespace omb {

// "option.txt" as read: 16 lines, 1-6 the buttons, 7 music, 8 game mode,
// 9 pacing, 10 frame skip, 11 bullet style, 12-16 unused but kept.
inline std::array<int32_t, 16> OptionValues{};
inline constexpr std::array<int32_t, 16> DefaultOptionValues = {0, 1, 2, 3, 3, 3, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0};

// Set while a game plays with options that are not the player's (a game
// started from the command line with its own game mode, bullet style or
// buttons): the shut-down then saves the player's own. Reading the options
// clears it.
inline bool OptionsOverridden = false;

// Reads "option.txt" and "midi/midi.txt" and sets the options from them;
// "WAIT" and "DRAW" only when `all`. A missing or damaged line gets its
// default and a value out of its range is brought into range, each with one
// message naming the file and the line.
void LoadOptions(bool all);
// The options as last read or saved back into the game's variables, "WAIT"
// and "DRAW" only when `all`.
void ApplyOptionValues(bool all);
// Clears the ranking first when the options screen asked for it, then writes
// the options to "option.txt" (atomically).
void SaveOptions();
// The default options, in memory and in "option.txt".
void WriteDefaultOptions();

}  // namespace omb
