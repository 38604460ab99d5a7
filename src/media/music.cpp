#include "media/music.h"

#include <cstring>

#include "media/platform.h"

namespace omb {
namespace {

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void WriteReply(char* reply, int replyLength, const char* text) {
  if (reply == nullptr || replyLength <= 0) return;
  std::size_t n = std::strlen(text);
  if (n > static_cast<std::size_t>(replyLength - 1)) n = static_cast<std::size_t>(replyLength - 1);
  std::memcpy(reply, text, n);
  reply[n] = '\0';
}

}  // namespace

int MciSendString(std::string_view command, char* reply, int replyLength) {
  if (ThePlatform == nullptr) return 1;
  Platform& p = *ThePlatform;
  // The file name may hold spaces, so "open" is cut at its fixed ends.
  if (StartsWith(command, "open ") && EndsWith(command, " alias FILE")) {
    p.MusicOpen(command.substr(5, command.size() - 5 - 11));
  } else if (command == "play FILE notify" || command == "play FILE") {
    p.MusicPlay();
  } else if (command == "status FILE mode") {
    WriteReply(reply, replyLength, p.MusicPlaying() ? "playing" : "stopped");
  } else if (command == "seek FILE to start") {
    p.MusicSeekStart();
  } else if (command == "stop FILE") {
    p.MusicStop();
  } else if (command == "close FILE") {
    p.MusicClose();
  } else {
    return 1;
  }
  return 0;
}

}  // namespace omb
