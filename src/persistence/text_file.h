// The game's own text files: one decimal integer a line (the options, the
// ranking, the replays) or one name a line (the music list). Reading accepts
// LF or CR LF line ends and stops after the lines it needs; writing writes
// CR LF and replaces a file atomically: a temporary file beside it, flushed to
// the disk, then renamed over the old name, so a crash in the middle of a save
// leaves the old file or the new one, never a cut-off one. Neither reading nor
// writing allocates, so a stage start in play may use them.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace omb {

// What one line of an integer file held.
enum class LineState : uint8_t {
  Good,
  Missing,     // the file ended before this line
  Blank,       // nothing but spaces
  NotANumber,  // anything but an optional "-" and digits, spaces around allowed
  TooLarge,    // digits that do not fit in 32 bits
};
std::string_view Describe(LineState state);

// The value of one line; Good only for a decimal 32-bit integer.
LineState ParseInteger(std::string_view line, int32_t& value);

// Reads the first values.size() lines of `path`. A good line sets its value;
// any other line leaves the value as it was (the caller's default) and says
// why in `states`; `present` counts the lines the file had (the rest are
// Missing). False when the file cannot be opened, with the reason in
// `error`: then nothing is changed.
bool ReadIntegerLines(const char* path, std::span<int32_t> values, std::span<LineState> states,
                      std::string& error, std::size_t* present = nullptr);

// Reads the first lines.size() lines of `path` whole, spaces included (only
// the line end is dropped); missing lines become empty. Returns the number of
// lines the file had, up to lines.size(), or -1 when it cannot be opened.
// Lines longer than `maxLength` are cut there.
int ReadTextLines(const char* path, std::span<std::string> lines, std::string& error, int maxLength = 255);

// Writes one value a line, replacing `path` atomically. On failure the old
// file is untouched, no temporary file is left and `error` says why.
bool WriteIntegerLines(const char* path, std::span<const int32_t> values, std::string& error);

// Whether `path` names an existing file.
bool FileExists(const char* path);

// One line on stderr and in the file log: the game's files are the player's
// and every problem with them is told.
void ReportFileProblem(std::string_view text);

}  // namespace omb
