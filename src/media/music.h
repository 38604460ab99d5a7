// The music command interface: the game drives its one open tune, known as
// FILE, with short command strings.
//   "open NAME alias FILE"   "play FILE notify"   "status FILE mode"
//   "seek FILE to start"     "stop FILE"          "close FILE"
#pragma once
#include <string_view>

namespace omb {

// Carries out one command. Only "status FILE mode" writes a reply: "playing"
// or "stopped", cut to fit `replyLength` characters including the ending
// zero. Returns 0 on success and 1 for a command it does not know; the game
// ignores both.
int MciSendString(std::string_view command, char* reply = nullptr, int replyLength = 0);

}  // namespace omb
