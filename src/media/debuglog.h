// The game's diagnostics. The debug logs ("display.debug", "sound.debug",
// "input.debug", "files.debug") are written only when the environment
// variable OMBREZZA_DEBUG is 1; failures a player should hear of also go to
// stderr as one line.
#pragma once
#include <string_view>

namespace omb {

enum class DebugLog { Display, Sound, Input, Files };

// One line in the debug log: "debug#00001 text". Cheap and silent when off.
void DebugReport(DebugLog log, std::string_view text);

// A failure: one line on stderr, and the same text in the debug log.
void ReportFailure(DebugLog log, std::string_view text);

// Whether OMBREZZA_DEBUG=1 was set (read once).
bool DebugLogOn();

// Tests: capture stderr lines instead of printing them, and forget open logs.
void SetFailureSinkForTests(void (*sink)(std::string_view text));

}  // namespace omb
